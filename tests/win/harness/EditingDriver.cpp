#include "harness/EditingDriver.h"

#include <algorithm>

namespace vtest {
namespace {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

AssertionResult ClickRowHandled(HWND list, int row) {
  const RECT r = RowRect(list, row);
  return SendClick(list, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

int FindRow(HWND list, const std::string& text) {
  const auto rows = Rows(list);
  const auto it = std::find(rows.begin(), rows.end(), text);
  return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

bool IsHeaderRow(HWND list, int row) {
  return ::SendMessageA(list, LB_GETITEMDATA, row, 0) == 1;
}

std::string WithoutAmpersands(std::string s) {
  s.erase(std::remove(s.begin(), s.end(), '&'), s.end());
  return s;
}

// Deletes a key (without subkeys) in a registry view: through its parent opened in
// that view, since RegDeleteKeyA itself always acts in the process's own view.
void DeleteKeyIn(HKEY root, const std::string& path, REGSAM view) {
  const size_t slash = path.rfind('\\');
  if (view == 0 || slash == std::string::npos) {
    ::RegDeleteKeyA(root, path.c_str());
    return;
  }
  HKEY parent = nullptr;
  if (::RegOpenKeyExA(root, path.substr(0, slash).c_str(), 0, KEY_ALL_ACCESS | view, &parent) !=
      ERROR_SUCCESS)
    return;
  ::RegDeleteKeyA(parent, path.substr(slash + 1).c_str());
  ::RegCloseKey(parent);
}

}  // namespace

EditingSession::EditingSession() { started_ = StartMainWindow(suite_, program_); }

EditingSession::~EditingSession() {
  // A box that a failed check left open keeps the program running: it is ended.
  if (program_.main && ::IsWindow(program_.main)) ::PostMessageA(program_.main, WM_CLOSE, 0, 0);
  if (!program_.base.WaitForExit(10s)) program_.Kill();
}

AssertionResult EditingSession::OpenSource(const std::string& groupTitle,
                                           const std::string& caption) {
  HWND tree = program_.tree;
  int entry = FindRow(tree, caption);
  if (entry < 0) {
    const int group = FindRow(tree, groupTitle);
    if (group < 0) return AssertionFailure() << "no group \"" << groupTitle << "\" in the tree";
    if (AssertionResult clicked = ClickRowHandled(tree, group); !clicked) return clicked;
    if (!WaitFor([&] { return (entry = FindRow(tree, caption)) >= 0; }))
      return AssertionFailure() << "no entry \"" << caption << "\" under \"" << groupTitle << "\"";
  }
  if (AssertionResult clicked = ClickRowHandled(tree, entry); !clicked) return clicked;
  if (WaitFor([&] { return ContentRow(caption) >= 0; })) return AssertionSuccess();
  return AssertionFailure() << "the section \"" << caption << "\" did not load";
}

int EditingSession::ContentRow(const std::string& caption, int row) const {
  const auto rows = Rows(program_.content);
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    if (rows[i] != caption || !IsHeaderRow(program_.content, i)) continue;
    if (row < 0) return i;
    const int at = i + 1 + row;
    return at < static_cast<int>(rows.size()) && !IsHeaderRow(program_.content, at) ? at : -1;
  }
  return -1;
}

std::vector<std::string> EditingSession::SectionRows(const std::string& caption) const {
  std::vector<std::string> out;
  const int header = ContentRow(caption);
  if (header < 0) return out;
  const auto rows = Rows(program_.content);
  for (int i = header + 1; i < static_cast<int>(rows.size()) && !IsHeaderRow(program_.content, i); ++i)
    out.push_back(rows[i]);
  return out;
}

AssertionResult EditingSession::PopupCommand(const std::string& caption, int row, int position) {
  const int at = ContentRow(caption, row);
  if (at < 0) return AssertionFailure() << "no row " << row << " in section \"" << caption << "\"";
  ClickRow(program_.content, at, true);
  HWND menu = WaitForWindow(program_.pid, "#32768", nullptr, 5s);
  if (!menu)
    return AssertionFailure() << "no popup menu on row " << row << " of \"" << caption << "\"";
  // The menu's own keyboard: Down from no selection reaches the first item.
  for (int i = 0; i <= position; ++i) {
    ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(menu, WM_KEYUP, VK_DOWN, 0xC0000000);
  }
  ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  ::PostMessageA(menu, WM_KEYUP, VK_RETURN, 0xC0000000);
  if (WaitFor([menu] { return !::IsWindowVisible(menu); }, 5s)) return AssertionSuccess();
  return AssertionFailure() << "the popup menu stays open";
}

AssertionResult EditingSession::Sync() const { return RoundTrip(program_.main); }

HWND EditingSession::WaitForForm(const char* cls) const { return WaitForWindow(program_.pid, cls, nullptr, 5s); }

std::vector<HWND> EditFields(HWND dialog) { return ChildWindows(dialog, "Edit"); }

void SetText(HWND control, const std::string& text) {
  ::SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

AssertionResult ClickButton(HWND dialog, const std::string& caption) {
  HWND button = nullptr;
  for (HWND child : ChildWindows(dialog))
    if (WithoutAmpersands(WindowText(child)) == caption) button = child;
  if (!button)
    return AssertionFailure() << "no button \"" << caption << "\" in " << DescribeWindow(dialog);
  RECT r{};
  ::GetClientRect(button, &r);
  ClickAt(button, r.right / 2, r.bottom / 2);
  if (WaitFor([dialog] { return !::IsWindowVisible(dialog); }, 5s)) return AssertionSuccess();
  return AssertionFailure() << "still shown after \"" << caption
                            << "\": " << DescribeWindow(dialog);
}

AssertionResult AnswerBox(DWORD pid, const std::string& button, std::string* shown) {
  HWND box = WaitForMessageBox(pid, 5s);
  if (!box) return AssertionFailure() << "no box to answer with \"" << button << "\"";
  std::string texts = WindowText(box) + "\n";
  for (HWND child : ChildWindows(box)) {
    const std::string text = WindowText(child);
    if (!text.empty()) texts += text + "\n";
  }
  if (shown) *shown = texts;
  if (AssertionResult pressed = PressBoxButton(box, button); !pressed) return pressed;
  return AssertionSuccess() << texts;
}

AssertionResult FileBecomes(const std::string& path, const std::string& bytes) {
  if (WaitFor([&] { return ReadFileBytes(path) == bytes; }, 5s)) return AssertionSuccess();
  return AssertionFailure() << path << " holds \"" << ReadFileBytes(path) << "\"";
}

FileKeeper::FileKeeper(std::string path) : path_(std::move(path)) {
  attributes_ = ::GetFileAttributesA(path_.c_str());
  existed_ = attributes_ != INVALID_FILE_ATTRIBUTES;
  if (existed_) bytes_ = ReadFileBytes(path_);
}

FileKeeper::~FileKeeper() {
  if (!existed_) {
    ::SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(path_.c_str());
    return;
  }
  WriteFileBytes(path_, bytes_);
  ::SetFileAttributesA(path_.c_str(), attributes_);
}

KeyKeeper::KeyKeeper(HKEY root, std::string path, REGSAM view)
    : root_(root), path_(std::move(path)), view_(view) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root_, path_.c_str(), 0, KEY_READ | view_, &key) != ERROR_SUCCESS) return;
  existed_ = true;
  for (DWORD i = 0;; ++i) {
    char name[16384] = {};
    BYTE data[16384] = {};
    DWORD nameLen = sizeof name, dataLen = sizeof data, type = 0;
    if (::RegEnumValueA(key, i, name, &nameLen, nullptr, &type, data, &dataLen) != ERROR_SUCCESS)
      break;
    values_.push_back({std::string(name, nameLen), type,
                       std::string(reinterpret_cast<char*>(data), dataLen)});
  }
  ::RegCloseKey(key);
}

KeyKeeper::~KeyKeeper() {
  if (!existed_) {
    DeleteKeyIn(root_, path_, view_);
    return;
  }
  HKEY key = nullptr;
  if (::RegCreateKeyExA(root_, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view_, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
    return;
  for (const std::string& name : RegValueNames(root_, path_, view_))
    ::RegDeleteValueA(key, name.c_str());
  for (const Value& v : values_)
    ::RegSetValueExA(key, v.name.c_str(), 0, v.type, reinterpret_cast<const BYTE*>(v.data.data()),
                     static_cast<DWORD>(v.data.size()));
  ::RegCloseKey(key);
}

RegValue ReadRegValue(HKEY root, const std::string& key, const std::string& name, REGSAM view) {
  RegValue out;
  HKEY k = nullptr;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ | view, &k) != ERROR_SUCCESS) return out;
  BYTE data[16384] = {};
  DWORD size = sizeof data;
  if (::RegQueryValueExA(k, name.c_str(), nullptr, &out.type, data, &size) == ERROR_SUCCESS) {
    out.exists = true;
    out.data.assign(reinterpret_cast<char*>(data), size);
  }
  ::RegCloseKey(k);
  return out;
}

std::vector<std::string> RegValueNames(HKEY root, const std::string& key, REGSAM view) {
  std::vector<std::string> names;
  HKEY k = nullptr;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ | view, &k) != ERROR_SUCCESS) return names;
  for (DWORD i = 0;; ++i) {
    char name[16384] = {};
    DWORD len = sizeof name;
    if (::RegEnumValueA(k, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.emplace_back(name, len);
  }
  ::RegCloseKey(k);
  return names;
}

bool KeyExists(HKEY root, const std::string& key) {
  HKEY k = nullptr;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  ::RegCloseKey(k);
  return true;
}

}  // namespace vtest
