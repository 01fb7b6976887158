#include "harness/Harness.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <thread>

#include "windows/ErrorDialogIds.h"

namespace vtest {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

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

std::string TestProgramPath() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::string SuiteDir() {
  std::string s = TestProgramPath();
  s = s.substr(0, s.find_last_of('\\'));  // build\win
  s = s.substr(0, s.find_last_of('\\'));  // build
  return s + "\\suite\\";
}

namespace {

void CopyTree(const std::string& from, const std::string& to) {
  ::CreateDirectoryA(to.c_str(), nullptr);
  WIN32_FIND_DATAA fd{};
  vconfig::UniqueFind find(::FindFirstFileA((from + "*").c_str(), &fd));
  if (!find) return;
  do {
    const std::string name = fd.cFileName;
    if (name == "." || name == "..") continue;
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      CopyTree(from + name + "\\", to + name + "\\");
    } else if (name != "VConfig.ini" && name != "ExcMagic.Log") {
      ::CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
    }
  } while (::FindNextFileA(find.get(), &fd));
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
  {
    WIN32_FIND_DATAA fd{};
    vconfig::UniqueFind find(::FindFirstFileA((dir + "*").c_str(), &fd));
    if (find) {
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
      } while (::FindNextFileA(find.get(), &fd));
    }
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
    vconfig::UniqueHandleK thread(pi.hThread);
    process_.reset(pi.hProcess);
    id_ = pi.dwProcessId;
  }
}

Process::~Process() { Kill(); }

Process& Process::operator=(Process&& o) noexcept {
  if (this != &o) {
    Kill();
    process_ = std::move(o.process_);
    id_ = std::exchange(o.id_, 0);
  }
  return *this;
}

bool Process::Running() const {
  return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(std::chrono::milliseconds timeout) {
  if (!process_) return true;
  return WaitFor([this] { return !Running(); }, timeout);
}

void Process::Kill() {
  if (Running()) {
    ::TerminateProcess(process_.get(), 1);
    ::WaitForSingleObject(process_.get(), 5000);
  }
}

Process StartProgram(const std::string& program, const std::string& args,
                     const std::string& workDir) {
  std::string cmd = "\"" + program + "\"";
  if (!args.empty()) cmd += " " + args;
  return Process(cmd, workDir);
}

namespace {

std::string ClassName(HWND hwnd) {
  char cls[256] = {};
  ::GetClassNameA(hwnd, cls, sizeof cls);
  return cls;
}

std::string WithoutAmpersands(std::string s) {
  s.erase(std::remove(s.begin(), s.end(), '&'), s.end());
  return s;
}

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
  if (st->cls && ClassName(hwnd) != st->cls) return TRUE;
  if (st->caption && WindowText(hwnd) != st->caption) return TRUE;
  st->found.push_back(hwnd);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
  auto* st = reinterpret_cast<EnumState*>(lp);
  if (st->cls && lstrcmpiA(ClassName(hwnd).c_str(), st->cls) != 0) return TRUE;
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

std::string WindowText(HWND hwnd) {
  char buf[4096] = {};
  ::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
  return buf;
}

std::string DescribeWindow(HWND hwnd) {
  if (!::IsWindow(hwnd)) return "(no window)";
  std::string out = ClassName(hwnd) + " \"" + WindowText(hwnd) + "\"";
  if (!::IsWindowVisible(hwnd)) out += " (hidden)";
  for (HWND child : ChildWindows(hwnd)) {
    const std::string text = WindowText(child);
    if (!text.empty()) out += " [" + text + "]";
  }
  return out;
}

AssertionResult RoundTrip(HWND window, std::chrono::milliseconds timeout) {
  DWORD_PTR result = 0;
  if (::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL,
                            static_cast<UINT>(timeout.count()), &result))
    return AssertionSuccess();
  return AssertionFailure() << "the thread of window " << window << " did not answer within "
                            << timeout.count() << " ms (error " << ::GetLastError()
                            << "): it is busy, stuck or gone";
}

AssertionResult ShowsNothingModal(HWND programWindow) {
  if (AssertionResult answered = RoundTrip(programWindow); !answered) return answered;
  DWORD pid = 0;
  ::GetWindowThreadProcessId(programWindow, &pid);
  // A dialog exists before its modal loop shows it: hidden ones count too.
  std::string shown;
  for (HWND dialog : ProcessWindows(pid, "#32770", nullptr, false))
    shown += "\n  " + DescribeWindow(dialog);
  for (HWND menu : ProcessWindows(pid, "#32768"))
    shown += "\n  a popup menu " + DescribeWindow(menu);
  if (shown.empty()) return AssertionSuccess();
  return AssertionFailure() << "the program shows:" << shown;
}

namespace {

// MessageBox's own dialog: an icon, the text in static 0xFFFF, push buttons.
HWND MessageBoxTextControl(HWND box) {
  HWND text = nullptr;
  for (HWND child : ChildWindows(box)) {
    const std::string cls = ClassName(child);
    if (lstrcmpiA(cls.c_str(), "Static") != 0 && lstrcmpiA(cls.c_str(), "Button") != 0)
      return nullptr;  // an edit, a list, a combo: some other dialog
    if ((::GetDlgCtrlID(child) & 0xFFFF) == 0xFFFF && lstrcmpiA(cls.c_str(), "Static") == 0)
      text = child;
  }
  return text;
}

// The exception reporter's error dialog (its template's message and details button).
bool IsErrorDialog(HWND dialog) {
  return ::GetDlgItem(dialog, IDC_EXC_MESSAGE) && ::GetDlgItem(dialog, IDC_EXC_DETAILS);
}

}  // namespace

bool IsModalBox(HWND dialog) {
  if (ClassName(dialog) != "#32770") return false;
  return IsErrorDialog(dialog) || MessageBoxTextControl(dialog) != nullptr;
}

std::string MessageBoxText(HWND box) {
  if (IsErrorDialog(box)) return WindowText(::GetDlgItem(box, IDC_EXC_MESSAGE));
  HWND text = MessageBoxTextControl(box);
  return text ? WindowText(text) : std::string();
}

HWND WaitForMessageBox(DWORD pid, std::chrono::milliseconds timeout) {
  HWND box = nullptr;
  // A box can become visible before its text is set: wait for both.
  WaitFor(
      [&] {
        for (HWND d : ProcessWindows(pid, "#32770"))
          if (IsModalBox(d) && !MessageBoxText(d).empty()) box = d;
        return box != nullptr;
      },
      timeout);
  return box;
}

AssertionResult PressDialogButton(HWND dialog, int id) {
  HWND button = ::GetDlgItem(dialog, id);
  if (!button) return AssertionFailure() << "no button " << id << " in " << DescribeWindow(dialog);
  const std::string before = DescribeWindow(dialog);
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  if (WaitFor([dialog] { return !::IsWindow(dialog) || !::IsWindowVisible(dialog); }))
    return AssertionSuccess();
  return AssertionFailure() << "still shown after pressing button " << id << ": " << before;
}

AssertionResult PressBoxButton(HWND box, const std::string& caption) {
  for (HWND child : ChildWindows(box, "Button"))
    if (WithoutAmpersands(WindowText(child)) == caption)
      return PressDialogButton(box, ::GetDlgCtrlID(child));
  return AssertionFailure() << "no button \"" << caption << "\" in " << DescribeWindow(box);
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
  // Read as wide text: across processes Wine answers LB_GETTEXT in wide characters
  // whatever the caller asked, which would overrun an ANSI-sized buffer.
  std::vector<std::string> rows;
  const LRESULT count = ::SendMessageW(listBox, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT len = ::SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
    std::wstring wide(len > 0 ? len + 1 : 1, L'\0');
    const LRESULT got =
        len > 0 ? ::SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data())) : 0;
    wide.resize(got > 0 ? static_cast<size_t>(got) : 0);
    std::string row(wide.size() * 2 + 1, '\0');
    const int n = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                        row.data(), static_cast<int>(row.size()), nullptr, nullptr);
    row.resize(n > 0 ? static_cast<size_t>(n) : 0);
    rows.push_back(row);
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

AssertionResult SendClick(HWND hwnd, int x, int y, bool right, std::chrono::milliseconds timeout) {
  const LPARAM pos = MAKELPARAM(x, y);
  const struct {
    UINT msg;
    WPARAM keys;
    const char* name;
  } steps[] = {{WM_MOUSEMOVE, 0, "move"},
               {right ? UINT{WM_RBUTTONDOWN} : UINT{WM_LBUTTONDOWN},
                right ? WPARAM{MK_RBUTTON} : WPARAM{MK_LBUTTON}, "press"},
               {right ? UINT{WM_RBUTTONUP} : UINT{WM_LBUTTONUP}, 0, "release"}};
  for (const auto& step : steps) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(hwnd, step.msg, step.keys, pos, SMTO_NORMAL,
                               static_cast<UINT>(timeout.count()), &result))
      return AssertionFailure() << "the " << step.name << " at (" << x << ", " << y
                                << ") was not handled within " << timeout.count()
                                << " ms: the handler went modal or the program is stuck";
  }
  return AssertionSuccess();
}

AssertionResult FillFileDialog(HWND dialog, const std::string& path) {
  // A dialog found as soon as it exists may still be setting itself up, which would
  // empty the field again or drop the button press: it shows once it is ready.
  if (!WaitFor([dialog] { return ::IsWindowVisible(dialog) != FALSE; }))
    return AssertionFailure() << "the file dialog was never shown";
  // The file name field is the combo box 0x47C (edit 0x480 in older templates).
  HWND edit = ::GetDlgItem(dialog, 0x47C);
  if (edit) {
    HWND inner = ::FindWindowExA(edit, nullptr, "Edit", nullptr);
    if (inner) edit = inner;
  } else {
    edit = ::GetDlgItem(dialog, 0x480);
  }
  if (!edit) return AssertionFailure() << "no file name field in " << DescribeWindow(dialog);
  ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  return PressDialogButton(dialog, IDOK);
}

std::string ReadFileBytes(const std::string& path) {
  vconfig::UniqueFile f(::CreateFileA(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      0, nullptr));
  if (!f) return {};
  std::string out;
  char buf[65536];
  DWORD n = 0;
  while (::ReadFile(f.get(), buf, sizeof buf, &n, nullptr) && n > 0) out.append(buf, n);
  return out;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  vconfig::UniqueFile f(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f) return false;
  DWORD n = 0;
  return ::WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr) &&
         n == bytes.size();
}

bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

constexpr const char* kHoldSwitch = "--vtest-hold=";

// The two events between a test and its holding child: "ready" (the file is open)
// and "release" (close it and end).
std::string HoldEventName(DWORD parent, int serial, const char* which) {
  return "vtest-hold-" + std::to_string(parent) + "-" + std::to_string(serial) + "-" + which;
}

}  // namespace

FileHeldByChild::FileHeldByChild(const std::string& path, DWORD share) {
  static int serial = 0;
  const int id = ++serial;
  const DWORD self = ::GetCurrentProcessId();
  vconfig::UniqueHandleK ready(
      ::CreateEventA(nullptr, TRUE, FALSE, HoldEventName(self, id, "ready").c_str()));
  release_.reset(::CreateEventA(nullptr, TRUE, FALSE, HoldEventName(self, id, "release").c_str()));
  // Arguments: parent, serial, sharing, then the path (the rest of the line).
  child_ = StartProgram(TestProgramPath(), std::string(kHoldSwitch) + std::to_string(self) + "," +
                                               std::to_string(id) + "," + std::to_string(share) +
                                               "," + path,
                        "");
  if (!ready || !release_ || !child_.started()) {
    holding_ = AssertionFailure() << "cannot start a child to hold " << path;
    return;
  }
  const HANDLE either[] = {ready.get(), child_.handle()};
  const DWORD woke = ::WaitForMultipleObjects(2, either, FALSE, 15000);
  if (woke == WAIT_OBJECT_0) {
    holding_ = AssertionSuccess();
    return;
  }
  DWORD code = 0;
  ::GetExitCodeProcess(child_.handle(), &code);
  holding_ = AssertionFailure() << "the child could not open " << path << " (exit code " << code
                                << ", wait result " << woke << ")";
}

FileHeldByChild::~FileHeldByChild() { Release(); }

void FileHeldByChild::Release() {
  if (release_) ::SetEvent(release_.get());
  if (!child_.WaitForExit()) child_.Kill();
}

bool RunChildMode(int argc, char** argv, int& exitCode) {
  if (argc < 2 || std::strncmp(argv[1], kHoldSwitch, std::strlen(kHoldSwitch)) != 0) return false;
  // The path may hold spaces: take the rest of the command line after the switch.
  const char* line = ::GetCommandLineA();
  const char* args = std::strstr(line, kHoldSwitch) + std::strlen(kHoldSwitch);
  unsigned long parent = 0, share = 0;
  int serial = 0, used = 0;
  if (std::sscanf(args, "%lu,%d,%lu,%n", &parent, &serial, &share, &used) != 3 || used == 0) {
    exitCode = 2;
    return true;
  }
  const std::string path = args + used;
  vconfig::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, share, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
  if (!file) {
    exitCode = static_cast<int>(::GetLastError());
    return true;
  }
  const DWORD parentId = static_cast<DWORD>(parent);
  vconfig::UniqueHandleK ready(
      ::OpenEventA(EVENT_MODIFY_STATE, FALSE, HoldEventName(parentId, serial, "ready").c_str()));
  vconfig::UniqueHandleK release(
      ::OpenEventA(SYNCHRONIZE, FALSE, HoldEventName(parentId, serial, "release").c_str()));
  vconfig::UniqueHandleK parentProcess(::OpenProcess(SYNCHRONIZE, FALSE, parentId));
  if (!ready || !release || !parentProcess) {
    exitCode = 3;
    return true;
  }
  ::SetEvent(ready.get());
  // Held until released, or until the test program ends whatever the way.
  const HANDLE either[] = {release.get(), parentProcess.get()};
  ::WaitForMultipleObjects(2, either, FALSE, INFINITE);
  exitCode = 0;
  return true;
}

WindowsVersionOverride::WindowsVersionOverride(const char* version) {
  HKEY raw = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &raw, nullptr) != ERROR_SUCCESS)
    return;
  vconfig::UniqueHKey key(raw);
  char buf[64] = {};
  DWORD size = sizeof buf, type = 0;
  if (::RegQueryValueExA(key.get(), "Version", nullptr, &type, reinterpret_cast<BYTE*>(buf),
                         &size) == ERROR_SUCCESS) {
    hadPrevious_ = true;
    previous_ = buf;
  }
  ::RegSetValueExA(key.get(), "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   static_cast<DWORD>(strlen(version) + 1));
}

WindowsVersionOverride::~WindowsVersionOverride() {
  HKEY raw = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, KEY_ALL_ACCESS, &raw) !=
      ERROR_SUCCESS)
    return;
  vconfig::UniqueHKey key(raw);
  if (hadPrevious_) {
    ::RegSetValueExA(key.get(), "Version", 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(previous_.c_str()),
                     static_cast<DWORD>(previous_.size() + 1));
  } else {
    ::RegDeleteValueA(key.get(), "Version");
  }
}

BaseModuleMutex::BaseModuleMutex() : mutex_(::CreateMutexA(nullptr, FALSE, "Vorn Info running")) {}

}  // namespace vtest
