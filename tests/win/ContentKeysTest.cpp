// The content list's keyboard and everyday conveniences, through the running program
// as a user meets them: the popup menu from the keyboard, Enter, F5, Ctrl+C, and the
// Run keys' "Open in Registry Editor".
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/EditingDriver.h"
#include "harness/RegistryEditorDriver.h"

namespace vtest {
namespace {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

constexpr const char* kFiles = "Configuration files";
constexpr const char* kAutostart = "Autostart";
const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// "Open in Registry Editor", last of the Run keys' menu: third on a title row.
constexpr int kRegedit2OnTitle = 2;

// Presses keys as the keyboard does (the modifiers first, released last), into the
// program's window, which is brought to the front for them.
AssertionResult PressKeys(HWND window, std::initializer_list<WORD> keys) {
  ::SetForegroundWindow(::GetAncestor(window, GA_ROOT));
  if (!WaitFor([&] { return ::GetForegroundWindow() == ::GetAncestor(window, GA_ROOT); }, 5s))
    return AssertionFailure() << "the program's window does not come to the front";
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    inputs.push_back(in);
  }
  for (auto it = keys.end(); it != keys.begin();) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = *--it;
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(in);
  }
  if (::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
    return AssertionFailure() << "SendInput refused the keys";
  return AssertionSuccess();
}

// Selects a content row with a click on it, and waits until the program has done so.
AssertionResult SelectRow(EditingSession& program, const std::string& caption, int row) {
  const int at = program.ContentRow(caption, row);
  if (at < 0) return AssertionFailure() << "no row " << row << " in \"" << caption << "\"";
  HWND list = program.running().content;
  const RECT r = RowRect(list, at);
  if (AssertionResult clicked = SendClick(list, r.left + 20, (r.top + r.bottom) / 2); !clicked)
    return clicked;
  const LRESULT selected = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected != at) return AssertionFailure() << "row " << selected << " selected, not " << at;
  return AssertionSuccess();
}

HWND WaitForMenu(DWORD pid) { return WaitForWindow(pid, "#32768", nullptr, 5s); }

AssertionResult CloseMenu(HWND menu) {
  ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  ::PostMessageA(menu, WM_KEYUP, VK_ESCAPE, 0xC0000000);
  if (WaitFor([menu] { return !::IsWindowVisible(menu); }, 5s)) return AssertionSuccess();
  return AssertionFailure() << "the popup menu stays open";
}

// The size of the menu a right click on the row opens: as many items, as wide.
SIZE RightClickMenuSize(EditingSession& program, const std::string& caption, int row) {
  ClickRow(program.running().content, program.ContentRow(caption, row), true);
  HWND menu = WaitForMenu(program.pid());
  if (!menu) return SIZE{0, 0};
  RECT r{};
  ::GetWindowRect(menu, &r);
  EXPECT_TRUE(CloseMenu(menu));
  return SIZE{r.right - r.left, r.bottom - r.top};
}

TEST(ContentKeys, KeyboardMenuIsTheRightClickMenuAtTheSelectedRow) {
  const std::string path = "C:\\boot.ini";
  FileKeeper keep(path);
  ASSERT_TRUE(WriteFileBytes(path, "[boot loader]\r\ntimeout=30\r\ndefault=x\r\n"));
  EditingSession program;
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.OpenSource(kFiles, "Boot.ini"));
  HWND list = program.running().content;
  const SIZE onLine = RightClickMenuSize(program, "Boot.ini", 1);
  const SIZE onTitle = RightClickMenuSize(program, "Boot.ini", -1);
  ASSERT_GT(onLine.cy, onTitle.cy) << "four items on a line, two on a title";

  ASSERT_TRUE(SelectRow(program, "Boot.ini", 1));
  // The mouse stays elsewhere: the menu opens at the row all the same.
  ::SetCursorPos(0, 0);
  ASSERT_TRUE(PressKeys(list, {VK_SHIFT, VK_F10}));
  HWND menu = WaitForMenu(program.pid());
  ASSERT_NE(menu, nullptr) << "no menu after Shift+F10";
  RECT m{};
  ::GetWindowRect(menu, &m);
  EXPECT_EQ(m.right - m.left, onLine.cx);
  EXPECT_EQ(m.bottom - m.top, onLine.cy);
  RECT row = RowRect(list, program.ContentRow("Boot.ini", 1));
  ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&row), 2);
  EXPECT_EQ(m.top, row.bottom) << "the menu opens just below the row";
  EXPECT_TRUE(m.left > row.left && m.left < row.right);
  // Its Edit acts on the selected row: the line dialog opens with that line.
  for (int i = 0; i <= popup::kEdit1; ++i) ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  HWND dialog = program.WaitForForm("TtextNEFrm");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText(EditFields(dialog).front()), "timeout=30");
  EXPECT_TRUE(ClickButton(dialog, "Cancel"));

  // The menu key on a title row: the title's menu, as a right click there gives.
  ASSERT_TRUE(SelectRow(program, "Boot.ini", -1));
  ::PostMessageA(list, WM_KEYDOWN, VK_APPS, 0);
  menu = WaitForMenu(program.pid());
  ASSERT_NE(menu, nullptr) << "no menu after the menu key";
  ::GetWindowRect(menu, &m);
  EXPECT_EQ(m.bottom - m.top, onTitle.cy);
  EXPECT_TRUE(CloseMenu(menu));
  ::PostMessageA(list, WM_KEYUP, VK_APPS, 0xC0000000);
  EXPECT_TRUE(ShowsNothingModal(program.main())) << "one menu for one key";
}

void ResetRunKey() {
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kRun.c_str());
  HKEY key = nullptr;
  ::RegCreateKeyExA(HKEY_CURRENT_USER, kRun.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
  ::RegCloseKey(key);
}

void SetRunValue(const std::string& name, const std::string& data) {
  HKEY key = nullptr;
  ::RegOpenKeyExA(HKEY_CURRENT_USER, kRun.c_str(), 0, KEY_ALL_ACCESS, &key);
  ::RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
  ::RegCloseKey(key);
}

TEST(ContentKeys, EnterEditsTheSelectedLineOrValue) {
  const std::string path = "C:\\boot.ini";
  FileKeeper keep(path);
  ASSERT_TRUE(WriteFileBytes(path, "[boot loader]\r\ntimeout=30\r\ndefault=x\r\n"));
  KeyKeeper keepRun(HKEY_CURRENT_USER, kRun);
  ResetRunKey();
  SetRunValue("Agent", "C:\\agent.exe /q");
  EditingSession program;
  ASSERT_TRUE(program.ok());
  HWND list = program.running().content;

  ASSERT_TRUE(program.OpenSource(kFiles, "Boot.ini"));
  ASSERT_TRUE(SelectRow(program, "Boot.ini", 2));
  ::PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
  HWND dialog = program.WaitForForm("TtextNEFrm");
  ASSERT_NE(dialog, nullptr) << "Enter opened no line dialog";
  EXPECT_EQ(WindowText(EditFields(dialog).front()), "default=x");
  EXPECT_NE(WindowText(dialog).find("C:\\boot.ini"), std::string::npos) << WindowText(dialog);
  // Confirmed, it replaces that line.
  SetText(EditFields(dialog).front(), "default=y");
  ASSERT_TRUE(ClickButton(dialog, "Save"));
  EXPECT_TRUE(FileBecomes(path, "[boot loader]\r\ntimeout=30\r\ndefault=y\r\n"));

  ASSERT_TRUE(program.OpenSource(kAutostart, "HCU\\Run"));
  ASSERT_TRUE(SelectRow(program, "HCU\\Run", 0));
  ::PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
  dialog = program.WaitForForm("TRegNeVAlFrm");
  ASSERT_NE(dialog, nullptr) << "Enter opened no value dialog";
  const auto fields = EditFields(dialog);
  ASSERT_GE(fields.size(), 2u);
  EXPECT_EQ(WindowText(fields[0]), "Agent");
  EXPECT_EQ(WindowText(fields[1]), "C:\\agent.exe /q");
  EXPECT_TRUE(ClickButton(dialog, "Cancel"));

  // On a section's title Enter closes (and opens) the section, as a click does. The
  // title is reached with the arrow key: a click on it would toggle it already.
  ASSERT_TRUE(SelectRow(program, "HCU\\Run", 0));
  ::PostMessageA(list, WM_KEYDOWN, VK_UP, 0);
  ASSERT_TRUE(WaitFor([&] {
    return ::SendMessageA(list, LB_GETCURSEL, 0, 0) == program.ContentRow("HCU\\Run");
  }));
  ::PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(WaitFor([&] { return program.ContentRow("HCU\\Run", 0) < 0; }));
  ::PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(WaitFor([&] { return program.ContentRow("HCU\\Run", 0) >= 0; }));
  EXPECT_TRUE(ShowsNothingModal(program.main()));
}

TEST(ContentKeys, F5ShowsAChangeBehindTheListAndKeepsTheSelection) {
  const std::string path = "C:\\boot.ini";
  FileKeeper keep(path);
  std::string lines;
  for (int i = 0; i < 40; ++i) lines += "line " + std::to_string(i) + "\r\n";
  ASSERT_TRUE(WriteFileBytes(path, lines));
  EditingSession program;
  ASSERT_TRUE(program.ok());
  HWND list = program.running().content;
  ASSERT_TRUE(program.OpenSource(kFiles, "Boot.ini"));
  // Scrolled down a little, a row in the middle selected.
  ::SendMessageA(list, LB_SETTOPINDEX, program.ContentRow("Boot.ini", 10), 0);
  ASSERT_TRUE(SelectRow(program, "Boot.ini", 14));
  const int top = TopIndex(list);
  const int selected = program.ContentRow("Boot.ini", 14);

  // Another program changes the file: the list still shows what it read.
  ASSERT_TRUE(WriteFileBytes(path, "changed 0\r\n" + lines));
  ASSERT_TRUE(program.Sync());
  EXPECT_EQ(program.SectionRows("Boot.ini").front(), "line 0");
  ::PostMessageA(list, WM_KEYDOWN, VK_F5, 0);
  ASSERT_TRUE(WaitForRows(list, [](const std::vector<std::string>& rows) {
    return std::find(rows.begin(), rows.end(), "changed 0") != rows.end();
  }));
  ASSERT_TRUE(program.Sync());
  EXPECT_EQ(program.SectionRows("Boot.ini").size(), 41u);
  EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), selected);
  EXPECT_EQ(TopIndex(list), top);

  // A file that has lost the selected row: its last row stands in.
  ASSERT_TRUE(WriteFileBytes(path, "only\r\nthree\r\nlines\r\n"));
  ::PostMessageA(list, WM_KEYDOWN, VK_F5, 0);
  ASSERT_TRUE(WaitForRows(list, [](const std::vector<std::string>& rows) {
    return std::find(rows.begin(), rows.end(), "three") != rows.end();
  }));
  ASSERT_TRUE(program.Sync());
  EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), program.ContentRow("Boot.ini", 2));
}

// The clipboard's text in a format, as another program reads it.
std::string ClipboardText(UINT format) {
  if (!::OpenClipboard(nullptr)) return "(clipboard busy)";
  std::string text = "(no text)";
  if (HANDLE data = ::GetClipboardData(format)) {
    if (const void* p = ::GlobalLock(data)) {
      if (format == CF_UNICODETEXT) {
        const wchar_t* w = static_cast<const wchar_t*>(p);
        const int n = ::WideCharToMultiByte(CP_ACP, 0, w, -1, nullptr, 0, nullptr, nullptr);
        text.assign(static_cast<size_t>(n > 0 ? n : 1), '\0');
        ::WideCharToMultiByte(CP_ACP, 0, w, -1, &text[0], n, nullptr, nullptr);
        text.resize(text.size() - 1);
      } else {
        text = static_cast<const char*>(p);
      }
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

void EmptyTheClipboard() {
  if (!::OpenClipboard(nullptr)) return;
  ::EmptyClipboard();
  ::CloseClipboard();
}

TEST(ContentKeys, CtrlCCopiesTheRowAsStored) {
  KeyKeeper keepRun(HKEY_CURRENT_USER, kRun);
  ResetRunKey();
  const std::string name = "Tools & <More>";
  const std::string data = "\"C:\\A&B\\t\xE9st.exe\" /x &amp; </y>";
  SetRunValue(name, data);
  const std::string path = "C:\\boot.ini";
  FileKeeper keep(path);
  const std::string line = "a </b> &amp; \xE1\t<c>";
  ASSERT_TRUE(WriteFileBytes(path, "first\r\n" + line + "\r\n"));
  EmptyTheClipboard();
  EditingSession program;
  ASSERT_TRUE(program.ok());
  HWND list = program.running().content;

  ASSERT_TRUE(program.OpenSource(kAutostart, "HCU\\Run"));
  ASSERT_TRUE(SelectRow(program, "HCU\\Run", 0));
  ASSERT_TRUE(PressKeys(list, {VK_CONTROL, 'C'}));
  const std::string expected = name + " : " + data;
  EXPECT_TRUE(WaitFor([&] { return ClipboardText(CF_TEXT) == expected; }))
      << ClipboardText(CF_TEXT);
  EXPECT_EQ(ClipboardText(CF_UNICODETEXT), expected);

  // A file line byte for byte, though the list shows it escaped.
  ASSERT_TRUE(program.OpenSource(kFiles, "Boot.ini"));
  ASSERT_TRUE(SelectRow(program, "Boot.ini", 1));
  ASSERT_TRUE(PressKeys(list, {VK_CONTROL, 'C'}));
  EXPECT_TRUE(WaitFor([&] { return ClipboardText(CF_TEXT) == line; })) << ClipboardText(CF_TEXT);
  EXPECT_EQ(ClipboardText(CF_UNICODETEXT), line);
  EmptyTheClipboard();
}

// Moves a file aside for the test and back afterwards.
class FileMovedAside {
 public:
  explicit FileMovedAside(std::string path) : path_(std::move(path)), aside_(path_ + ".aside") {
    moved_ = ::MoveFileA(path_.c_str(), aside_.c_str()) != FALSE;
  }
  ~FileMovedAside() {
    if (moved_) ::MoveFileA(aside_.c_str(), path_.c_str());
  }
  bool moved() const { return moved_; }

 private:
  std::string path_, aside_;
  bool moved_ = false;
};

std::string WindowsDir() {
  char dir[MAX_PATH] = {};
  ::GetWindowsDirectoryA(dir, MAX_PATH);
  return dir;
}

TEST(ContentKeys, OpenInRegistryEditorWritesLastKeyAndStartsTheEditor) {
  KeyKeeper keepRegedit(HKEY_CURRENT_USER, kRegeditSettingsKey);
  RegistryEditorCloser closeEditors;  // before the settings are put back
  ASSERT_TRUE(RegistryEditorWindows().empty()) << "a Registry Editor is already open";
  {
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, kRegeditSettingsKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr);
    const std::string before = "HKEY_LOCAL_MACHINE\\Software";
    ::RegSetValueExA(key, "LastKey", 0, REG_SZ, reinterpret_cast<const BYTE*>(before.c_str()),
                     static_cast<DWORD>(before.size() + 1));
    ::RegCloseKey(key);
  }
  EditingSession program;
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.OpenSource(kAutostart, "HCU\\Run"));

  // Without the editor's program: the user is told, and where it would open stays.
  {
    FileMovedAside aside(WindowsDir() + "\\regedit.exe");
    ASSERT_TRUE(aside.moved());
    ASSERT_TRUE(program.PopupCommand("HCU\\Run", -1, kRegedit2OnTitle));
    std::string shown;
    ASSERT_TRUE(AnswerBox(program.pid(), "OK", &shown));
    EXPECT_NE(shown.find("Cannot start the Registry Editor"), std::string::npos) << shown;
    EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, kRegeditSettingsKey, "LastKey").data,
              std::string("HKEY_LOCAL_MACHINE\\Software") + '\0');
  }

  ASSERT_TRUE(program.PopupCommand("HCU\\Run", -1, kRegedit2OnTitle));
  const std::string expected =
      "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run" + std::string(1, '\0');
  EXPECT_TRUE(WaitFor([&] {
    return ReadRegValue(HKEY_CURRENT_USER, kRegeditSettingsKey, "LastKey").data == expected;
  }));
  EXPECT_TRUE(WaitFor([] { return !RegistryEditorWindows().empty(); }, 15s))
      << "no Registry Editor window";
  EXPECT_TRUE(program.Sync());
}

}  // namespace
}  // namespace vtest
