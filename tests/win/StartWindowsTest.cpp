// What the start leaves for later: the editor and the two dialogs, made once the main
// window answers (or when a command asks for one before), and the libraries that the
// start does not need, which the program does not import.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "app/Application_win.h"
#include "harness/Harness.h"
#include "harness/MainWindowDriver.h"
#include "windows/EditorWindow_win.h"
#include "windows/LineDialog_win.h"
#include "windows/ValueDialog_win.h"

namespace vtest {
namespace {

const char* const kHiddenClasses[] = {"TTextEditfrm", "TtextNEFrm", "TRegNeVAlFrm"};

struct ClassSearch {
  const char* cls;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectOfClass(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<ClassSearch*>(p);
  char name[64] = {};
  ::GetClassNameA(w, name, sizeof name);
  if (std::strcmp(name, s->cls) == 0) s->found.push_back(w);
  return TRUE;
}

// This thread's top-level windows of a class, shown or not.
std::vector<HWND> ThreadWindows(const char* cls) {
  ClassSearch search{cls, {}};
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(StartWindows, ThroughTheStandInTheHiddenWindowsExistOnceTheMainWindowAnswers) {
  SuiteCopy suite;
  RunningProgram program;
  ASSERT_TRUE(StartMainWindow(suite, program));
  const HWND main = program.main;
  const DWORD pid = program.pid;
  DWORD_PTR answer = 0;
  ASSERT_TRUE(::SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer));
  for (const char* cls : kHiddenClasses) {
    EXPECT_TRUE(WaitFor([&] { return !ProcessWindows(pid, cls, nullptr, false).empty(); })) << cls;
    const std::vector<HWND> windows = ProcessWindows(pid, cls, nullptr, false);
    ASSERT_EQ(windows.size(), 1u) << cls;
    EXPECT_FALSE(::IsWindowVisible(windows.front())) << cls;
    EXPECT_EQ(::GetWindow(windows.front(), GW_OWNER), main) << cls;
  }
  EXPECT_TRUE(program.Close());
}

TEST(StartWindows, AskedForBeforeTheLoopTheyAreMadeOnceAllThree) {
  vconfig::Application application;  // never run
  for (const char* cls : kHiddenClasses) EXPECT_TRUE(ThreadWindows(cls).empty()) << cls;
  HWND line = application.LineEditor().hwnd();
  ASSERT_NE(line, nullptr);
  // The first request made the editor and the value dialog too, hidden.
  for (const char* cls : kHiddenClasses) {
    const std::vector<HWND> windows = ThreadWindows(cls);
    ASSERT_EQ(windows.size(), 1u) << cls;
    EXPECT_FALSE(::IsWindowVisible(windows.front())) << cls;
  }
  EXPECT_EQ(application.Editor().hwnd(), ThreadWindows("TTextEditfrm").front());
  EXPECT_EQ(application.ValueEditor().hwnd(), ThreadWindows("TRegNeVAlFrm").front());
  EXPECT_EQ(application.LineEditor().hwnd(), line);
  for (const char* cls : kHiddenClasses) EXPECT_EQ(ThreadWindows(cls).size(), 1u) << cls;
}

// The names of the libraries an image imports at load time (its import directory).
std::vector<std::string> ImportedLibraries(const std::string& image) {
  const std::string bytes = ReadFileBytes(image);
  std::vector<std::string> names;
  const auto at = [&](size_t offset, size_t size) {
    return offset + size <= bytes.size() ? bytes.data() + offset : nullptr;
  };
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0, sizeof(IMAGE_DOS_HEADER)));
  if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE) return names;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(
      at(static_cast<size_t>(dos->e_lfanew), sizeof(IMAGE_NT_HEADERS32)));
  if (!nt || nt->Signature != IMAGE_NT_SIGNATURE) return names;
  const auto* sections = reinterpret_cast<const IMAGE_SECTION_HEADER*>(
      at(static_cast<size_t>(dos->e_lfanew) + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
             nt->FileHeader.SizeOfOptionalHeader,
         nt->FileHeader.NumberOfSections * sizeof(IMAGE_SECTION_HEADER)));
  if (!sections) return names;
  const auto fileOffset = [&](DWORD rva) -> size_t {
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
      const IMAGE_SECTION_HEADER& s = sections[i];
      if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
        return rva - s.VirtualAddress + s.PointerToRawData;
    }
    return bytes.size();
  };
  const DWORD directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  constexpr size_t kDescriptor = sizeof(IMAGE_IMPORT_DESCRIPTOR);
  for (size_t offset = fileOffset(directory);; offset += kDescriptor) {
    const auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(offset, kDescriptor));
    if (!d || d->Name == 0) break;
    const char* name = at(fileOffset(d->Name), 1);
    if (!name) break;
    std::string lower(name, strnlen(name, static_cast<size_t>(bytes.data() + bytes.size() - name)));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    names.push_back(lower);
  }
  return names;
}

TEST(StartWindows, TheProgramDoesNotImportTheLibrariesItsStartDoesNotNeed) {
  const std::vector<std::string> imports = ImportedLibraries(SuiteDir() + "Config\\VConfig.exe");
  ASSERT_FALSE(imports.empty());
  EXPECT_NE(std::find(imports.begin(), imports.end(), "user32.dll"), imports.end());
  // Loaded at their first call: the file and print dialogs, the shell, the version
  // functions (and what the first two pull in), the transparent copy of bitmaps.
  for (const char* later :
       {"comdlg32.dll", "shell32.dll", "version.dll", "winspool.drv", "msimg32.dll"})
    EXPECT_EQ(std::find(imports.begin(), imports.end(), later), imports.end()) << later;
}

}  // namespace
}  // namespace vtest
