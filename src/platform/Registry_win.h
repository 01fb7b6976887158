#pragma once

#include <windows.h>

#include "platform/Registry.h"

namespace vconfig {

// The access mask for opening a key. Under WOW64 the default view of the machine hive
// is the 64-bit one, where the system itself reads its Run key; the 32-bit view is
// asked for by name. Elsewhere there is one view and no flag (Windows 2000 has none).
REGSAM RegistryAccessMask(RegistryRoot root, RegistryAccess access, RegistryView view,
                          bool wow64);
HKEY RootHandle(RegistryRoot root);

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                       RegistryAccess access, RegistryView view) override;
};

}  // namespace vconfig
