// Stand-in for the suite's base module: creates and holds the mutex
// "Vorn Info running", starts Config\VConfig.exe -vinfo in the Config folder, and
// holds the mutex while the program, or an instance it restarted, still runs.
// Further arguments are passed on to the program after the switch.
#include <windows.h>

#include <tlhelp32.h>

#include <string>
#include <vector>

namespace {

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s = path;
  return s.substr(0, s.find_last_of('\\') + 1);
}

// Handles of the running VConfig.exe processes (by image name).
std::vector<HANDLE> RunningPrograms() {
  std::vector<HANDLE> handles;
  HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snap == INVALID_HANDLE_VALUE) return handles;
  PROCESSENTRY32 pe{};
  pe.dwSize = sizeof pe;
  for (BOOL ok = ::Process32First(snap, &pe); ok; ok = ::Process32Next(snap, &pe)) {
    if (lstrcmpiA(pe.szExeFile, "VConfig.exe") != 0) continue;
    if (HANDLE h = ::OpenProcess(SYNCHRONIZE, FALSE, pe.th32ProcessID)) handles.push_back(h);
  }
  ::CloseHandle(snap);
  return handles;
}

// The launcher loads the window system only to show this box: starting the program
// then costs no window-system set-up of the launcher's own.
void ShowStartError(const std::string& text) {
  using MessageBoxFn = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);
  HMODULE user32 = ::LoadLibraryA("user32.dll");
  if (!user32) return;
  const auto box = reinterpret_cast<MessageBoxFn>(
      reinterpret_cast<void (*)()>(::GetProcAddress(user32, "MessageBoxA")));
  if (box) box(nullptr, text.c_str(), "Vorn Info", MB_OK | MB_ICONERROR);
  ::FreeLibrary(user32);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR args, int) {
  HANDLE mutex = ::CreateMutexA(nullptr, TRUE, "Vorn Info running");
  const std::string folder = OwnFolder();
  const std::string configDir = folder + "Config";
  std::string cmd = "\"" + configDir + "\\VConfig.exe\" -vinfo";
  if (args && *args) cmd += std::string(" ") + args;

  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        configDir.c_str(), &si, &pi)) {
    ShowStartError("Cannot start " + configDir + "\\VConfig.exe");
    if (mutex) ::CloseHandle(mutex);
    return 1;
  }
  ::CloseHandle(pi.hThread);
  ::WaitForSingleObject(pi.hProcess, INFINITE);
  ::CloseHandle(pi.hProcess);
  // A language change restarts the program: wait for every instance to end.
  for (;;) {
    std::vector<HANDLE> running = RunningPrograms();
    if (running.empty()) break;
    for (HANDLE h : running) {
      ::WaitForSingleObject(h, INFINITE);
      ::CloseHandle(h);
    }
  }
  if (mutex) ::CloseHandle(mutex);
  return 0;
}
