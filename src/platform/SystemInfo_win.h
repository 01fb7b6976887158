#pragma once

#include "platform/SystemInfo.h"

namespace vconfig {

class Win32SystemInfo : public SystemInfo {
 public:
  std::string WindowsDirectory() override;
  std::string SystemDirectory() override;
  VersionRecord Version() override;
  uint16_t DefaultLangId() override;
  bool RunsUnderWow64() override;
};

SystemInfo& TheSystemInfo();

// Asked once: IsWow64Process is looked up by name, since Windows 2000 lacks it.
bool RunsUnderWow64();

}  // namespace vconfig
