// The modules the exception reporter has met: the program's own, registered at
// start, and every other one added the first time an address inside it is met.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "diagnostics/ModuleDebugInfo.h"

namespace vconfig {

// What the system knows of the module at an address.
class ModuleLocator {
 public:
  virtual ~ModuleLocator() = default;
  virtual bool ModuleAt(Address address, std::string* fileName, Address* handle,
                        std::uint32_t* size) const = 0;
  // The side file beside a module ("X.exe" -> "X.DSI"); false when it cannot be read.
  virtual bool ReadSideFile(const std::string& moduleFileName, std::string* text) const = 0;
};

class ModuleList {
 public:
  explicit ModuleList(const ModuleLocator& locator) : locator_(locator) {}

  // Registers the module holding the address; nullptr when no module holds it.
  ModuleDebugInfo* Register(Address address);
  // The registered module holding the address, else the system's (registered on the way).
  ModuleDebugInfo* Find(Address address);
  std::size_t Count() const { return modules_.size(); }

 private:
  const ModuleLocator& locator_;
  std::vector<std::unique_ptr<ModuleDebugInfo>> modules_;
};

// "C:\dir\VConfig.exe" -> "C:\dir\VConfig.DSI"
std::string SideFileName(const std::string& moduleFileName);
// The part after the last backslash or slash.
std::string FileNameOnly(const std::string& path);

}  // namespace vconfig
