#pragma once

#include "platform/VersionResource.h"

namespace vconfig {

// Reads version blocks with GetFileVersionInfoA and VerQueryValueA.
class Win32VersionResource : public VersionResource {
 public:
  std::unique_ptr<VersionBlock> Read(const std::string& path) override;
  std::string ModifiedShortDate(const std::string& path) override;
  std::string ExecutablePath() override;
  std::string ModulePath() override;
};

VersionResource& SystemVersionResource();

}  // namespace vconfig
