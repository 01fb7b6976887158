// The main window driven from outside, as a user would: the program runs through the
// suite's stand-in against the demo data of the test prefix.
#include <gtest/gtest.h>

#include <algorithm>

#include "config/ContentReaders.h"
#include "harness/Harness.h"
#include "harness/MainWindowDriver.h"

namespace vtest {
namespace {

const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

const std::vector<std::string> kFileSections = {
    "Configuration files", "Autoexec.bat", "Config.sys",   "MsDos.sys",   "Win.ini",
    "System.ini",          "Control.ini",  "Boot.ini",     "Protocol.ini", "BootLog.txt",
    "Scandisk.log",        "NetLog.txt",   "Open other file..."};

// The row is the top row, or as near the top as the list can scroll it: the list
// then shows its last row.
bool ShownAtTop(HWND list, int row) {
  const int top = TopIndex(list);
  if (top == row) return true;
  RECT last{}, client{};
  const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
  ::SendMessageA(list, LB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last));
  ::GetClientRect(list, &client);
  return top < row && last.bottom <= client.bottom;
}

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
  EXPECT_EQ(Rows(p.tree), (std::vector<std::string>{"Configuration files", "Autostart"}));
  // Both lists are list boxes by their class name, as other programs look them up.
  for (HWND list : {p.tree, p.content}) {
    char cls[64] = {};
    ::GetClassNameA(list, cls, sizeof cls);
    EXPECT_STREQ(cls, "ListBox");
  }

  // A right click in the empty list opens nothing.
  EXPECT_TRUE(SendClick(p.content, 50, 50, true));
  EXPECT_TRUE(ShowsNothingModal(p.main));

  ClickRow(p.tree, 0);
  ASSERT_TRUE(WaitForRows(p.content, [](const auto& rows) { return rows == kFileSections; }));
  EXPECT_TRUE(AllHeaders(p.content)) << "every section is loaded contracted";

  // The tree now lists the entries: "Win.ini" is its row 4.
  ASSERT_EQ(Rows(p.tree)[4], "Win.ini");
  ClickRow(p.tree, 4);
  const auto winIni = SplitLines(ReadFileBytes("C:\\windows\\win.ini"));
  ASSERT_FALSE(winIni.empty());
  ASSERT_TRUE(WaitForRows(p.content, [&](const auto& rows) {
    return rows.size() == kFileSections.size() + winIni.size();
  }));
  const auto rows = Rows(p.content);
  EXPECT_EQ(rows[4], "Win.ini");
  EXPECT_EQ(std::vector<std::string>(rows.begin() + 5, rows.begin() + 5 + winIni.size()), winIni);
  EXPECT_TRUE(ShownAtTop(p.content, 4));

  // A long file's section comes exactly to the top, every line a row that shows it as
  // stored: lines holding "</" are escaped, so that the list does not read them as
  // markup.
  std::string netlog;
  for (int i = 0; i < 300; ++i) netlog += "line " + std::to_string(i) + " \xE1\xDC </b>\r\n";
  netlog += "last line without a break";
  ASSERT_TRUE(WriteFileBytes("C:\\netlog.txt", netlog));
  ASSERT_EQ(Rows(p.tree)[11], "NetLog.txt");
  ClickRow(p.tree, 11);
  const auto lines = SplitLines(netlog);
  std::vector<std::string> expected;
  for (const auto& line : lines) expected.push_back(vconfig::PlainTextRow(line));
  EXPECT_EQ(expected.back(), lines.back());
  const auto loaded = WaitForRows(p.content, [&](const auto& now) {
    return now.size() == kFileSections.size() + lines.size();
  });
  ::DeleteFileA("C:\\netlog.txt");
  ASSERT_TRUE(loaded);
  EXPECT_EQ(TopIndex(p.content), 11);
  const auto shown = Rows(p.content);
  EXPECT_EQ(std::vector<std::string>(shown.begin() + 12, shown.begin() + 12 + lines.size()),
            expected);
  EXPECT_EQ(shown.back(), "Open other file...");

  // A right click on one of its lines offers the file commands.
  ClickRow(p.content, 10, true);
  HWND menu = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (menu = ShownPopupMenu()) != nullptr; }));
  ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitFor([] { return ShownPopupMenu() == nullptr; }));
  EXPECT_TRUE(p.Close());
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
  EXPECT_TRUE(ShownAtTop(p.content, 2));

  // Open the file group as well: it replaces the content; then contract the
  // autostart group, which empties the list although the file group stays open.
  ClickRow(p.tree, 0);
  ASSERT_TRUE(WaitForRows(p.content, [](const auto& rows) { return rows == kFileSections; }));
  const auto tree = Rows(p.tree);
  const int autostart = static_cast<int>(std::find(tree.begin(), tree.end(), "Autostart") - tree.begin());
  ASSERT_LT(autostart, static_cast<int>(tree.size()));
  ClickRow(p.tree, autostart);
  ASSERT_TRUE(WaitForRows(p.content, [](const auto& rows) { return rows.empty(); }));
  EXPECT_EQ(Rows(p.tree)[0], "Configuration files");
  EXPECT_GT(Rows(p.tree).size(), 2u) << "the file group stays expanded";
  EXPECT_TRUE(p.Close());
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
    EXPECT_EQ(Rows(p.content),
              std::vector<std::string>(kFileSections.begin(), kFileSections.begin() + 8));
    EXPECT_TRUE(PressDialogButton(box, IDOK));
  }
  EXPECT_TRUE(ShowsNothingModal(p.main)) << "one dialog only";
  // One entry in the exception log, with the message.
  const std::string log = ReadFileBytes(suite.config() + "ExcMagic.Log");
  size_t entries = 0;
  for (size_t at = log.find("\r\nException '"); at != std::string::npos;
       at = log.find("\r\nException '", at + 1))
    ++entries;
  EXPECT_EQ(entries, 1u);
  EXPECT_NE(log.find("\r\nCannot open file C:\\boot.ini\r\n"), std::string::npos);
  ClickRow(p.tree, 0);  // contract
  ASSERT_TRUE(WaitForRows(p.content, [](const auto& rows) { return rows.empty(); }));
  ClickRow(p.tree, 0);  // and expand again, now complete
  ASSERT_TRUE(WaitForRows(p.content, [](const auto& rows) { return rows == kFileSections; }));
  EXPECT_TRUE(p.Close());
}

}  // namespace
}  // namespace vtest
