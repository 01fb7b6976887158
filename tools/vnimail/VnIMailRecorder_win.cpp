// The tests' mail module: records its command line and working folder in
// VnIMail.args beside itself, so tests can see how the program started it. Sends nothing.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR args, int) {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string out = path;
  out = out.substr(0, out.find_last_of('\\') + 1) + "VnIMail.args";
  char cwd[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, cwd);
  const std::string text = std::string("args=") + (args ? args : "") + "\r\ncwd=" + cwd + "\r\n";
  HANDLE f = ::CreateFileA(out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    ::WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(f);
  }
  return 0;
}
