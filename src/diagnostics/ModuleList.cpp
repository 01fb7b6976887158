#include "diagnostics/ModuleList.h"

namespace vconfig {

ModuleDebugInfo* ModuleList::Register(Address address) {
  std::string fileName;
  Address handle = 0;
  std::uint32_t size = 0;
  if (!locator_.ModuleAt(address, &fileName, &handle, &size)) return nullptr;
  const ModuleLocator& locator = locator_;
  modules_.push_back(std::make_unique<ModuleDebugInfo>(
      fileName, handle, size,
      [&locator, fileName](std::string& text) { return locator.ReadSideFile(fileName, &text); }));
  return modules_.back().get();
}

ModuleDebugInfo* ModuleList::Find(Address address) {
  for (const auto& m : modules_) {
    if (m->Contains(address)) return m.get();
  }
  return Register(address);
}

std::string SideFileName(const std::string& moduleFileName) {
  const auto slash = moduleFileName.find_last_of("\\/");
  const auto dot = moduleFileName.find_last_of('.');
  const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExt ? moduleFileName.substr(0, dot) : moduleFileName) + ".DSI";
}

std::string FileNameOnly(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace vconfig
