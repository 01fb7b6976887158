#pragma once

#include "platform/SystemInfo.h"

namespace vconfig {

class Win32SystemInfo : public SystemInfo {
 public:
  std::string WindowsDirectory() override;
  std::string SystemDirectory() override;
  VersionRecord Version() override;
  uint16_t DefaultLangId() override;
};

SystemInfo& TheSystemInfo();

}  // namespace vconfig
