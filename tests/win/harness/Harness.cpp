#include "harness/Harness.h"

#include <shellapi.h>

#include <thread>

namespace vtest {

bool WaitFor(const std::function<bool()>& cond, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (cond()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    std::this_thread::sleep_for(20ms);
  }
}

std::string SuiteDir() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s = path;
  s = s.substr(0, s.find_last_of('\\'));  // build\win
  s = s.substr(0, s.find_last_of('\\'));  // build
  return s + "\\suite\\";
}

namespace {

void CopyTree(const std::string& from, const std::string& to) {
  ::CreateDirectoryA(to.c_str(), nullptr);
  WIN32_FIND_DATAA fd{};
  HANDLE find = ::FindFirstFileA((from + "*").c_str(), &fd);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = fd.cFileName;
    if (name == "." || name == "..") continue;
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      CopyTree(from + name + "\\", to + name + "\\");
    } else if (name != "VConfig.ini" && name != "ExcMagic.Log") {
      ::CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
    }
  } while (::FindNextFileA(find, &fd));
  ::FindClose(find);
}

}  // namespace

std::string TempFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  static int counter = 0;
  std::string path = std::string(temp) + "vtest-" + std::to_string(::GetCurrentProcessId()) + "-" +
                     std::to_string(++counter) + "-" + name + "\\";
  RemoveTree(path);
  ::CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

void RemoveTree(const std::string& path) {
  std::string dir = path;
  if (!dir.empty() && dir.back() != '\\') dir += '\\';
  WIN32_FIND_DATAA fd{};
  HANDLE find = ::FindFirstFileA((dir + "*").c_str(), &fd);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      const std::string full = dir + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        ::SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(full.c_str());
      }
    } while (::FindNextFileA(find, &fd));
    ::FindClose(find);
  }
  ::RemoveDirectoryA(dir.c_str());
}

SuiteCopy::SuiteCopy() : root_(TempFolder("suite")) { CopyTree(SuiteDir(), root_); }
SuiteCopy::~SuiteCopy() { RemoveTree(root_); }

Process::Process(const std::string& commandLine, const std::string& workDir) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string cmd = commandLine;
  if (::CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       workDir.empty() ? nullptr : workDir.c_str(), &si, &pi)) {
    ::CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    id_ = pi.dwProcessId;
  }
}

Process::~Process() {
  Kill();
  if (process_) ::CloseHandle(process_);
}

Process::Process(Process&& o) noexcept : process_(o.process_), id_(o.id_) {
  o.process_ = nullptr;
  o.id_ = 0;
}

Process& Process::operator=(Process&& o) noexcept {
  if (this != &o) {
    Kill();
    if (process_) ::CloseHandle(process_);
    process_ = o.process_;
    id_ = o.id_;
    o.process_ = nullptr;
    o.id_ = 0;
  }
  return *this;
}

bool Process::Running() const {
  return process_ && ::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(std::chrono::milliseconds timeout) {
  if (!process_) return true;
  return WaitFor([this] { return !Running(); }, timeout);
}

void Process::Kill() {
  if (Running()) {
    ::TerminateProcess(process_, 1);
    ::WaitForSingleObject(process_, 5000);
  }
}

Process StartProgram(const std::string& program, const std::string& args,
                     const std::string& workDir) {
  std::string cmd = "\"" + program + "\"";
  if (!args.empty()) cmd += " " + args;
  return Process(cmd, workDir);
}

namespace {

struct EnumState {
  DWORD pid;
  const char* cls;
  const char* caption;
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lp) {
  auto* st = reinterpret_cast<EnumState*>(lp);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid != st->pid) return TRUE;
  if (st->visibleOnly && !::IsWindowVisible(hwnd)) return TRUE;
  char cls[256] = {};
  ::GetClassNameA(hwnd, cls, sizeof cls);
  if (st->cls && lstrcmpA(cls, st->cls) != 0) return TRUE;
  if (st->caption && WindowText(hwnd) != st->caption) return TRUE;
  st->found.push_back(hwnd);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
  auto* st = reinterpret_cast<EnumState*>(lp);
  char cls[256] = {};
  ::GetClassNameA(hwnd, cls, sizeof cls);
  if (st->cls && lstrcmpiA(cls, st->cls) != 0) return TRUE;
  st->found.push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> ProcessWindows(DWORD pid, const char* cls, const char* caption,
                                 bool visibleOnly) {
  EnumState st{pid, cls, caption, visibleOnly, {}};
  ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&st));
  return st.found;
}

HWND WaitForWindow(DWORD pid, const char* cls, const char* caption,
                   std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        auto w = ProcessWindows(pid, cls, caption);
        if (!w.empty()) found = w.front();
        return found != nullptr;
      },
      timeout);
  return found;
}

HWND WaitForMessageBox(DWORD pid, std::chrono::milliseconds timeout) {
  HWND box = WaitForWindow(pid, "#32770", nullptr, timeout);
  // A box becomes visible before its text is set: wait for the text too.
  if (box) WaitFor([box] { return !MessageBoxText(box).empty(); }, 5s);
  return box;
}

std::string WindowText(HWND hwnd) {
  char buf[4096] = {};
  ::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
  return buf;
}

std::string MessageBoxText(HWND box) {
  // The message box shows its text in the static control with id 0xFFFF.
  HWND text = ::GetDlgItem(box, 0xFFFF);
  return text ? WindowText(text) : std::string();
}

bool PressDialogButton(HWND dialog, int id) {
  HWND button = ::GetDlgItem(dialog, id);
  if (!button) return false;
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return WaitFor([dialog] { return !::IsWindow(dialog) || !::IsWindowVisible(dialog); });
}

std::vector<HWND> ChildWindows(HWND parent, const char* cls) {
  EnumState st{0, cls, nullptr, false, {}};
  ::EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&st));
  return st.found;
}

HWND FindChildByText(HWND parent, const char* cls, const std::string& text) {
  for (HWND h : ChildWindows(parent, cls))
    if (WindowText(h) == text) return h;
  return nullptr;
}

std::vector<std::string> ListRows(HWND listBox) {
  std::vector<std::string> rows;
  const LRESULT count = ::SendMessageA(listBox, LB_GETCOUNT, 0, 0);
  // Read as UTF-16 and converted here: Wine answers an ANSI LB_GETTEXT from another
  // process to a list subclassed through comctl32 (a Unicode window) in UTF-16,
  // which would overrun an ANSI-sized buffer.
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT len = ::SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
    if (len <= 0) {
      rows.emplace_back();
      continue;
    }
    std::wstring w(static_cast<size_t>(len) * 2 + 1, L'\0');
    ::SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(w.data()));
    std::string row(w.size() * 2, '\0');
    const int n = ::WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, row.data(),
                                        static_cast<int>(row.size()), nullptr, nullptr);
    rows.push_back(n > 0 ? row.c_str() : "");
  }
  return rows;
}

void ClickAt(HWND hwnd, int x, int y, bool right) {
  const LPARAM pos = MAKELPARAM(x, y);
  ::SendMessageA(hwnd, WM_MOUSEMOVE, 0, pos);
  if (right) {
    ::PostMessageA(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, pos);
    ::PostMessageA(hwnd, WM_RBUTTONUP, 0, pos);
  } else {
    ::PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, pos);
    ::PostMessageA(hwnd, WM_LBUTTONUP, 0, pos);
  }
}

bool FillFileDialog(HWND dialog, const std::string& path) {
  // The file name field is the combo box 0x47C (edit 0x480 in older templates).
  HWND edit = ::GetDlgItem(dialog, 0x47C);
  if (edit) {
    HWND inner = ::FindWindowExA(edit, nullptr, "Edit", nullptr);
    if (inner) edit = inner;
  } else {
    edit = ::GetDlgItem(dialog, 0x480);
  }
  if (!edit) return false;
  ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  return PressDialogButton(dialog, IDOK);
}

std::string ReadFileBytes(const std::string& path) {
  HANDLE f = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string out;
  char buf[65536];
  DWORD n = 0;
  while (::ReadFile(f, buf, sizeof buf, &n, nullptr) && n > 0) out.append(buf, n);
  ::CloseHandle(f);
  return out;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE f = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD n = 0;
  const bool ok = ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr) &&
                  n == bytes.size();
  ::CloseHandle(f);
  return ok;
}

bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

WindowsVersionOverride::WindowsVersionOverride(const char* version) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
    return;
  char buf[64] = {};
  DWORD size = sizeof buf, type = 0;
  if (::RegQueryValueExA(key, "Version", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) ==
      ERROR_SUCCESS) {
    hadPrevious_ = true;
    previous_ = buf;
  }
  ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   static_cast<DWORD>(strlen(version) + 1));
  ::RegCloseKey(key);
}

WindowsVersionOverride::~WindowsVersionOverride() {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
    return;
  if (hadPrevious_) {
    ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(previous_.c_str()),
                     static_cast<DWORD>(previous_.size() + 1));
  } else {
    ::RegDeleteValueA(key, "Version");
  }
  ::RegCloseKey(key);
}

BaseModuleMutex::BaseModuleMutex() : mutex_(::CreateMutexA(nullptr, FALSE, "Vorn Info running")) {}
BaseModuleMutex::~BaseModuleMutex() {
  if (mutex_) ::CloseHandle(mutex_);
}

}  // namespace vtest
