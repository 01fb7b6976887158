// Rewriting configuration files on a real file system: attributes survive, and a
// write that cannot complete leaves the original byte for byte.
#include <gtest/gtest.h>

#include "config/TextLines.h"
#include "diagnostics/Errors.h"
#include "harness/Harness.h"
#include "platform/FileSystem_win.h"
#include "platform/Handles_win.h"
#include "platform/Registry.h"

namespace vtest {
namespace {

using namespace vconfig;

std::vector<std::string> FolderNames(const std::string& dir) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA fd{};
  UniqueFind find(::FindFirstFileA((dir + "*").c_str(), &fd));
  if (!find) return names;
  do {
    const std::string name = fd.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (::FindNextFileA(find.get(), &fd));
  return names;
}

class TextLinesWin : public ::testing::Test {
 protected:
  void TearDown() override { RemoveTree(dir_); }
  std::string dir_ = TempFolder("lines");
};

TEST_F(TextLinesWin, ReadOnlyHiddenSystemFileKeepsItsAttributes) {
  const std::string path = dir_ + "msdos.sys";
  ASSERT_TRUE(WriteFileBytes(path, "[Paths]\nWinDir=C:\\WINDOWS"));
  const DWORD attrs = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  ASSERT_TRUE(::SetFileAttributesA(path.c_str(), attrs));
  FileSystem& fs = SystemFileSystem();
  TextLines lines = ReadTextLines(fs, path);
  ASSERT_EQ(lines.size(), 2u);
  lines.push_back("BootGUI=1");
  WriteTextLines(fs, path, lines);
  EXPECT_EQ(ReadFileBytes(path), "[Paths]\r\nWinDir=C:\\WINDOWS\r\nBootGUI=1\r\n");
  EXPECT_EQ(::GetFileAttributesA(path.c_str()) & attrs, attrs);
  // No temporary file is left beside it.
  EXPECT_EQ(FolderNames(dir_), std::vector<std::string>{"msdos.sys"});
}

TEST_F(TextLinesWin, AFileTooLargeToShowIsRefusedBeforeItIsRead) {
  // Sparse: a size past the limit without writing it.
  const std::string path = dir_ + "huge.log";
  {
    UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    LONG high = 0;
    ::SetFilePointer(file.get(), static_cast<LONG>(kMaxShownFileSize + 1), &high, FILE_BEGIN);
    ASSERT_TRUE(::SetEndOfFile(file.get()));
  }
  EXPECT_EQ(SystemFileSystem().FileSize(path), kMaxShownFileSize + 1);
  try {
    ReadTextLines(SystemFileSystem(), path);
    ADD_FAILURE() << "read";
  } catch (const EFileTooLargeError& e) {
    EXPECT_EQ(std::string(e.what()), "File " + path + " is too large to show here.");
  }
}

// A listing that fails part way would look complete: it is an error.
TEST_F(TextLinesWin, ARegistryListingThatFailsIsAnError) {
  const char* path = "Software\\VornInfoTest\\Listing";
  ::RegDeleteKeyA(HKEY_CURRENT_USER, path);
  HKEY made = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &made, nullptr),
            ERROR_SUCCESS);
  ::RegSetValueExA(made, "A", 0, REG_SZ, reinterpret_cast<const BYTE*>("a"), 2);
  ::RegCloseKey(made);
  auto key = SystemRegistry().OpenKey(RegistryRoot::CurrentUser, path, RegistryAccess::Read,
                                      RegistryView::Default);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->Values().size(), 1u);
  ASSERT_EQ(::RegDeleteKeyA(HKEY_CURRENT_USER, path), ERROR_SUCCESS);  // behind the open key
  EXPECT_THROW(key->Values(), ERegistryError);
}

TEST_F(TextLinesWin, LockedFileStaysByteForByte) {
  const std::string path = dir_ + "boot.ini";
  const std::string original = "[boot loader]\ntimeout=30\n";
  ASSERT_TRUE(WriteFileBytes(path, original));
  HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  try {
    WriteTextLines(SystemFileSystem(), path, {"timeout=0"});
    ADD_FAILURE() << "the write over a locked file reported success";
  } catch (const EFileCreateError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file " + path);
  }
  ::CloseHandle(held);
  EXPECT_EQ(ReadFileBytes(path), original);
}

// Another process reads the file and lets others read it too, as an editor or a virus
// scanner does: reading goes on, but no rewrite may take the file's place, not even
// when the holder allows deletion (a rename over it would then succeed).
TEST_F(TextLinesWin, FileAnotherProcessHoldsForReadingIsReadButNotReplaced) {
  const struct {
    const char* what;
    DWORD share;
  } cases[] = {{"read sharing", FILE_SHARE_READ},
               {"read and delete sharing", FILE_SHARE_READ | FILE_SHARE_DELETE}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = dir_ + "config.sys";
    const std::string original = "DEVICE=C:\\himem.sys\nFILES=30\r\nBUFFERS=20";
    ASSERT_TRUE(WriteFileBytes(path, original));
    FileSystem& fs = SystemFileSystem();
    {
      FileHeldByChild held(path, c.share);
      ASSERT_TRUE(held.Holding());
      EXPECT_EQ(ReadTextLines(fs, path),
                (TextLines{"DEVICE=C:\\himem.sys", "FILES=30", "BUFFERS=20"}));
      try {
        WriteTextLines(fs, path, {"FILES=40"});
        ADD_FAILURE() << "the rewrite of a held file reported success";
      } catch (const EFileCreateError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + path);
      }
      EXPECT_EQ(ReadFileBytes(path), original);
    }
    EXPECT_EQ(ReadFileBytes(path), original) << "after the holder let go";
    // Nothing of the attempt is left beside it.
    WIN32_FIND_DATAA fd{};
    vconfig::UniqueFind find(::FindFirstFileA((dir_ + "*.tmp").c_str(), &fd));
    EXPECT_FALSE(find) << fd.cFileName;
    // Released, the same rewrite goes through: the hold was what refused it.
    WriteTextLines(fs, path, {"FILES=40"});
    EXPECT_EQ(ReadFileBytes(path), "FILES=40\r\n");
  }
}

TEST_F(TextLinesWin, MissingFolderAndBinaryFileAreRefused) {
  const std::string missing = dir_ + "no such folder\\config.sys";
  EXPECT_THROW(WriteTextLines(SystemFileSystem(), missing, {"FILES=40"}), EFileCreateError);
  EXPECT_FALSE(FileExists(missing));

  const std::string binary = dir_ + "win.ini";
  const std::string bytes("[windows]\r\nload=\0\0garbage", 24);
  ASSERT_TRUE(WriteFileBytes(binary, bytes));
  EXPECT_THROW(WriteTextLines(SystemFileSystem(), binary, {"[windows]"}), EBinaryFileError);
  EXPECT_EQ(ReadFileBytes(binary), bytes);
  EXPECT_EQ(ReadTextLines(SystemFileSystem(), binary),
            (TextLines{"[windows]", "load="}));
}

}  // namespace
}  // namespace vtest
