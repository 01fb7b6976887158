// The main window driven from outside, as a user would: the program runs through the
// suite's stand-in against the demo data of the test prefix.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/Harness.h"
#include "harness/MainWindowDriver.h"

namespace vtest {
namespace {

const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

const std::vector<std::string> kFileSections = {
    "Configuration files", "Autoexec.bat", "Config.sys",   "MsDos.sys",   "Win.ini",
    "System.ini",          "Control.ini",  "Boot.ini",     "Protocol.ini", "BootLog.txt",
    "Scandisk.log",        "NetLog.txt",   "Open other file..."};

bool AllHeaders(HWND list) {
  const auto h = HeaderRows(list);
  return std::all_of(h.begin(), h.end(), [](bool b) { return b; });
}

// A value of the user's Run key for the length of a test.
class RunValue {
 public:
  RunValue(const char* name, const char* data) : name_(name) {
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr);
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                     static_cast<DWORD>(strlen(data) + 1));
    ::RegCloseKey(key);
  }
  ~RunValue() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
      ::RegDeleteValueA(key, name_.c_str());
      ::RegCloseKey(key);
    }
  }

 private:
  std::string name_;
};

TEST(MainWindow, FileGroupLoadsContractedAndAnEntryOpensExpandedAtTheTop) {
  SuiteCopy suite;
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));
  EXPECT_EQ(ListRows(p.tree), (std::vector<std::string>{"Configuration files", "Autostart"}));

  // A right click in the empty list opens nothing.
  ClickAt(p.content, 50, 50, true);
  EXPECT_FALSE(WaitFor([] { return ShownPopupMenu() != nullptr; }, 700ms));

  ClickRow(p.tree, 0);
  ASSERT_TRUE(WaitForRows(p.content, [](const auto& rows) { return rows == kFileSections; }));
  EXPECT_TRUE(AllHeaders(p.content)) << "every section is loaded contracted";

  // The tree now lists the entries: "Win.ini" is its row 4.
  ASSERT_EQ(ListRows(p.tree)[4], "Win.ini");
  ClickRow(p.tree, 4);
  const auto winIni = SplitLines(ReadFileBytes("C:\\windows\\win.ini"));
  ASSERT_FALSE(winIni.empty());
  ASSERT_TRUE(WaitForRows(p.content, [&](const auto& rows) {
    return rows.size() == kFileSections.size() + winIni.size();
  }));
  const auto rows = ListRows(p.content);
  EXPECT_EQ(rows[4], "Win.ini");
  EXPECT_EQ(std::vector<std::string>(rows.begin() + 5, rows.begin() + 5 + winIni.size()), winIni);
  EXPECT_EQ(TopIndex(p.content), 4);

  // A right click on one of its lines offers the file commands.
  ClickRow(p.content, 5, true);
  HWND menu = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (menu = ShownPopupMenu()) != nullptr; }));
  ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitFor([] { return ShownPopupMenu() == nullptr; }));
  p.Close();
}

TEST(MainWindow, RunValueRowIsMarkupAndContractingEitherGroupEmptiesTheList) {
  RunValue value("X", "C:\\x.exe");
  SuiteCopy suite;
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));
  ClickRow(p.tree, 1);  // the autostart group
  ASSERT_TRUE(WaitForRows(p.content, [](const auto& rows) {
    return rows == std::vector<std::string>{"Autostart", "HKL\\Run", "HCU\\Run", "RunOnce",
                                            "Startup(User)", "Startup(Common)"};
  }));
  ClickRow(p.tree, 3);  // "HCU\Run"
  const std::string row =
      "<FONT color=\"clblue\" size=\"10\">X : <FONT color=\"clmaroon\">C:\\x.exe</FONT>";
  ASSERT_TRUE(WaitForRows(p.content, [&](const auto& rows) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
  }));
  EXPECT_EQ(ListRows(p.content)[TopIndex(p.content)], "HCU\\Run");

  // Open the file group as well: it replaces the content; then contract the
  // autostart group, which empties the list although the file group stays open.
  ClickRow(p.tree, 0);
  ASSERT_TRUE(WaitForRows(p.content, [](const auto& rows) { return rows == kFileSections; }));
  const auto tree = ListRows(p.tree);
  const int autostart = static_cast<int>(std::find(tree.begin(), tree.end(), "Autostart") - tree.begin());
  ASSERT_LT(autostart, static_cast<int>(tree.size()));
  ClickRow(p.tree, autostart);
  ASSERT_TRUE(WaitForRows(p.content, [](const auto& rows) { return rows.empty(); }));
  EXPECT_EQ(ListRows(p.tree)[0], "Configuration files");
  EXPECT_GT(ListRows(p.tree).size(), 2u) << "the file group stays expanded";
  p.Close();
}

TEST(MainWindow, LockedFileStopsLoadingWithCannotOpenAndTheWindowStaysUsable) {
  SuiteCopy suite;
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));
  {
    // Held open without sharing by another process (this one).
    HANDLE lock = ::CreateFileA("C:\\boot.ini", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    ClickRow(p.tree, 0);
    HWND box = WaitForDialogWithText(p.pid, "Cannot open file C:\\boot.ini");
    ::CloseHandle(lock);
    ASSERT_NE(box, nullptr);
    // Loading stopped at "Boot.ini": the sections so far stay.
    EXPECT_EQ(ListRows(p.content),
              std::vector<std::string>(kFileSections.begin(), kFileSections.begin() + 8));
    EXPECT_TRUE(PressDialogButton(box, IDOK));
  }
  EXPECT_TRUE(ProcessWindows(p.pid, "#32770").empty()) << "one dialog only";
  ClickRow(p.tree, 0);  // contract
  ASSERT_TRUE(WaitForRows(p.content, [](const auto& rows) { return rows.empty(); }));
  ClickRow(p.tree, 0);  // and expand again, now complete
  ASSERT_TRUE(WaitForRows(p.content, [](const auto& rows) { return rows == kFileSections; }));
  p.Close();
}

}  // namespace
}  // namespace vtest
