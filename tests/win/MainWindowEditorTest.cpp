// The other-file row of the running program opens the editor window; its save keeps a
// file's attributes and its close writes nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/Harness.h"
#include "harness/MainWindowDriver.h"

namespace vtest {
namespace {

constexpr DWORD kRhs = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The explorer-style buttons of a window, top to bottom.
std::vector<HWND> Buttons(HWND window) {
  auto buttons = ChildWindows(window, "TExplBtn");
  std::sort(buttons.begin(), buttons.end(), [](HWND a, HWND b) {
    RECT ra{}, rb{};
    ::GetWindowRect(a, &ra);
    ::GetWindowRect(b, &rb);
    return ra.top < rb.top;
  });
  return buttons;
}

// Puts a file's bytes and attributes back when the test ends.
class FileGuard {
 public:
  explicit FileGuard(std::string path)
      : path_(std::move(path)), bytes_(ReadFileBytes(path_)), attrs_(::GetFileAttributesA(path_.c_str())) {}
  ~FileGuard() {
    WriteFileBytes(path_, bytes_);
    ::SetFileAttributesA(path_.c_str(), attrs_);
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string path_;
  std::string bytes_;
  DWORD attrs_;
};

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

TEST(MainWindow, OtherFileRowOpensTheEditorWhoseSaveKeepsMsDosSysAttributes) {
  FileGuard msdos("C:\\msdos.sys");
  ASSERT_TRUE(::SetFileAttributesA("C:\\msdos.sys", kRhs));
  SuiteCopy suite;
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));

  HWND editor = OpenInEditor(p, "C:\\msdos.sys");
  ASSERT_NE(editor, nullptr);
  HWND edit = ChildWindows(editor, "Edit").at(0);
  EXPECT_EQ(WindowText(edit), JoinCrLf(SplitLines(msdos.bytes())));
  const std::string text = "[Options]\r\nBootGUI=1\r\nLogo=0";
  ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  ClickControl(Buttons(editor).at(0));  // save
  ASSERT_TRUE(WaitFor([&] { return !::IsWindowVisible(editor); }));
  EXPECT_EQ(ReadFileBytes("C:\\msdos.sys"), text + "\r\n");
  EXPECT_EQ(::GetFileAttributesA("C:\\msdos.sys") & kRhs, kRhs);

  // Close after editing leaves the file as it is.
  const std::string dir = TempFolder("otherfile");
  const std::string other = dir + "notes.txt";
  ASSERT_TRUE(WriteFileBytes(other, "a\nb"));
  editor = OpenInEditor(p, other);
  ASSERT_NE(editor, nullptr);
  edit = ChildWindows(editor, "Edit").at(0);
  EXPECT_EQ(WindowText(edit), "a\r\nb\r\n");
  ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("changed"));
  ClickControl(Buttons(editor).at(1));  // close
  ASSERT_TRUE(WaitFor([&] { return !::IsWindowVisible(editor); }));
  EXPECT_EQ(ReadFileBytes(other), "a\nb");
  p.Close();
  RemoveTree(dir);
}

}  // namespace
}  // namespace vtest
