#include "harness/EditingDriver.h"

#include <algorithm>

namespace vtest {
namespace {

constexpr UINT kSendTimeoutMs = 10000;

// Delivers a left click and returns once the program has handled it.
void SendClick(HWND hwnd, int x, int y) {
  const LPARAM pos = MAKELPARAM(x, y);
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(hwnd, WM_MOUSEMOVE, 0, pos, SMTO_NORMAL, kSendTimeoutMs, &result);
  ::SendMessageTimeoutA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, pos, SMTO_NORMAL, kSendTimeoutMs,
                        &result);
  ::SendMessageTimeoutA(hwnd, WM_LBUTTONUP, 0, pos, SMTO_NORMAL, kSendTimeoutMs, &result);
}

RECT ItemRect(HWND list, int row) {
  RECT r{};
  ::SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
  return r;
}

int FindRow(HWND list, const std::string& text) {
  const auto rows = ListRows(list);
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

}  // namespace

RunningProgram::RunningProgram() {
  base_ = StartProgram(suite_.root() + "VInfo.exe", "", suite_.root());
  if (!base_.started()) return;
  HWND found = nullptr;
  WaitFor([&] {
    found = ::FindWindowA("TUpravitFrm", "Vorn Info Config");
    return found && ::IsWindowVisible(found);
  });
  if (!found) return;
  ::GetWindowThreadProcessId(found, &pid_);
  std::vector<HWND> lists;
  for (HWND child : ChildWindows(found)) {
    char cls[64] = {};
    ::GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "ListBox") == 0) lists.push_back(child);
  }
  if (lists.size() < 2) return;
  std::sort(lists.begin(), lists.end(), [](HWND a, HWND b) {
    RECT ra{}, rb{};
    ::GetWindowRect(a, &ra);
    ::GetWindowRect(b, &rb);
    return ra.left < rb.left;
  });
  tree_ = lists.front();
  content_ = lists.back();
  if (WaitFor([&] { return ::SendMessageA(tree_, LB_GETCOUNT, 0, 0) > 0; })) main_ = found;
}

RunningProgram::~RunningProgram() {
  if (main_ && ::IsWindow(main_)) ::PostMessageA(main_, WM_CLOSE, 0, 0);
  if (!base_.WaitForExit(10s)) Kill();
}

void RunningProgram::Kill() {
  if (pid_) {
    if (HANDLE p = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid_)) {
      ::TerminateProcess(p, 1);
      ::WaitForSingleObject(p, 5000);
      ::CloseHandle(p);
    }
  }
  base_.Kill();
}

bool RunningProgram::OpenSource(const std::string& groupTitle, const std::string& caption) {
  int entry = FindRow(tree_, caption);
  if (entry < 0) {
    const int group = FindRow(tree_, groupTitle);
    if (group < 0) return false;
    const RECT r = ItemRect(tree_, group);
    SendClick(tree_, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    if (!WaitFor([&] { return (entry = FindRow(tree_, caption)) >= 0; })) return false;
  }
  const RECT r = ItemRect(tree_, entry);
  SendClick(tree_, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  return WaitFor([&] { return ContentRow(caption) >= 0; });
}

int RunningProgram::ContentRow(const std::string& caption, int row) const {
  const auto rows = ListRows(content_);
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    if (rows[i] != caption || !IsHeaderRow(content_, i)) continue;
    if (row < 0) return i;
    const int at = i + 1 + row;
    return at < static_cast<int>(rows.size()) && !IsHeaderRow(content_, at) ? at : -1;
  }
  return -1;
}

std::vector<std::string> RunningProgram::SectionRows(const std::string& caption) const {
  std::vector<std::string> out;
  const int header = ContentRow(caption);
  if (header < 0) return out;
  const auto rows = ListRows(content_);
  for (int i = header + 1; i < static_cast<int>(rows.size()) && !IsHeaderRow(content_, i); ++i)
    out.push_back(rows[i]);
  return out;
}

bool RunningProgram::PopupCommand(const std::string& caption, int row, int position) {
  const int at = ContentRow(caption, row);
  if (at < 0) return false;
  ::SendMessageA(content_, LB_SETTOPINDEX, at, 0);
  const RECT r = ItemRect(content_, at);
  ClickAt(content_, (r.left + r.right) / 2, (r.top + r.bottom) / 2, true);
  HWND menu = WaitForWindow(pid_, "#32768", nullptr, 5s);
  if (!menu) return false;
  // The menu's own keyboard: Down from no selection reaches the first item.
  for (int i = 0; i <= position; ++i) {
    ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(menu, WM_KEYUP, VK_DOWN, 0xC0000000);
  }
  ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  ::PostMessageA(menu, WM_KEYUP, VK_RETURN, 0xC0000000);
  return WaitFor([menu] { return !::IsWindowVisible(menu); }, 5s);
}

HWND RunningProgram::WaitForForm(const char* cls) const { return WaitForWindow(pid_, cls, nullptr, 5s); }

std::vector<HWND> EditFields(HWND dialog) { return ChildWindows(dialog, "Edit"); }

void SetText(HWND control, const std::string& text) {
  ::SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool ClickButton(HWND dialog, const std::string& caption) {
  HWND button = nullptr;
  for (HWND child : ChildWindows(dialog))
    if (WithoutAmpersands(WindowText(child)) == caption) button = child;
  if (!button) return false;
  RECT r{};
  ::GetClientRect(button, &r);
  ClickAt(button, r.right / 2, r.bottom / 2);
  return WaitFor([dialog] { return !::IsWindowVisible(dialog); }, 5s);
}

std::string AnswerBox(DWORD pid, const std::string& button) {
  HWND box = WaitForMessageBox(pid, 5s);
  if (!box) return "(no box)";
  std::string texts;
  int id = 0;
  for (HWND child : ChildWindows(box)) {
    const std::string text = WindowText(child);
    if (WithoutAmpersands(text) == button) id = ::GetDlgCtrlID(child);
    if (!text.empty()) texts += text + "\n";
  }
  if (!id || !PressDialogButton(box, id)) texts += "(button not pressed)";
  return texts;
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

KeyKeeper::KeyKeeper(HKEY root, std::string path) : root_(root), path_(std::move(path)) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root_, path_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
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
    ::RegDeleteKeyA(root_, path_.c_str());
    return;
  }
  HKEY key = nullptr;
  if (::RegCreateKeyExA(root_, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
    return;
  for (const std::string& name : RegValueNames(root_, path_)) ::RegDeleteValueA(key, name.c_str());
  for (const Value& v : values_)
    ::RegSetValueExA(key, v.name.c_str(), 0, v.type, reinterpret_cast<const BYTE*>(v.data.data()),
                     static_cast<DWORD>(v.data.size()));
  ::RegCloseKey(key);
}

RegValue ReadRegValue(HKEY root, const std::string& key, const std::string& name) {
  RegValue out;
  HKEY k = nullptr;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return out;
  BYTE data[16384] = {};
  DWORD size = sizeof data;
  if (::RegQueryValueExA(k, name.c_str(), nullptr, &out.type, data, &size) == ERROR_SUCCESS) {
    out.exists = true;
    out.data.assign(reinterpret_cast<char*>(data), size);
  }
  ::RegCloseKey(k);
  return out;
}

std::vector<std::string> RegValueNames(HKEY root, const std::string& key) {
  std::vector<std::string> names;
  HKEY k = nullptr;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return names;
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
