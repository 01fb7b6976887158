#include "app/SystemLocations.h"

namespace vconfig {
namespace {

std::string ReadShellFolder(Registry& registry, RegistryRoot root, const std::string& key,
                            const std::string& value) {
  auto k = registry.OpenKey(root, key, RegistryAccess::Read, RegistryView::Default);
  if (!k) return {};
  try {
    auto v = k->Value(value);
    if (!v || (v->type != kRegSz && v->type != kRegExpandSz)) return {};
    return v->data;
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

SystemLocations ReadSystemLocationsFrom(SystemInfo& system, Registry& registry) {
  SystemLocations loc;
  loc.windowsDir = system.WindowsDirectory().substr(0, kMaxWindowsDirLength);
  loc.systemDir = system.SystemDirectory().substr(0, kMaxSystemDirLength);
  loc.userStartup = ReadShellFolder(registry, RegistryRoot::CurrentUser,
                                    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                    "startup");
  loc.commonStartup = ReadShellFolder(registry, RegistryRoot::LocalMachine,
                                      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                      "common startup");
  return loc;
}

}  // namespace vconfig
