#include <windows.h>

#include <cstring>

#include "platform/SystemInfo_win.h"

namespace vconfig {

std::string Win32SystemInfo::WindowsDirectory() {
  char buf[261] = {};
  ::GetWindowsDirectoryA(buf, sizeof buf);
  return buf;
}

std::string Win32SystemInfo::SystemDirectory() {
  char buf[261] = {};
  ::GetSystemDirectoryA(buf, sizeof buf);
  return buf;
}

VersionRecord Win32SystemInfo::Version() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // the 148-byte record
  VersionRecord r;
  if (!::GetVersionExA(&info)) return r;
  r.platformId = info.dwPlatformId;
  r.major = info.dwMajorVersion;
  r.minor = info.dwMinorVersion;
  r.build = info.dwBuildNumber;
  r.servicePack.assign(info.szCSDVersion, strnlen(info.szCSDVersion, sizeof info.szCSDVersion));
  return r;
}

uint16_t Win32SystemInfo::DefaultLangId() { return ::GetSystemDefaultLangID(); }

bool Win32SystemInfo::RunsUnderWow64() { return vconfig::RunsUnderWow64(); }

bool RunsUnderWow64() {
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  static const bool wow64 = [] {
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    auto fn = kernel ? reinterpret_cast<IsWow64ProcessFn>(
                           reinterpret_cast<void*>(::GetProcAddress(kernel, "IsWow64Process")))
                     : nullptr;
    BOOL result = FALSE;
    return fn && fn(::GetCurrentProcess(), &result) && result;
  }();
  return wow64;
}

SystemInfo& TheSystemInfo() {
  static Win32SystemInfo info;
  return info;
}

}  // namespace vconfig
