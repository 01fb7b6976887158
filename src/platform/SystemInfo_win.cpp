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

SystemInfo& TheSystemInfo() {
  static Win32SystemInfo info;
  return info;
}

}  // namespace vconfig
