#pragma once

#include <windows.h>

#include "platform/Registry.h"

namespace vconfig {

// The access mask for opening a key: under WOW64, keys of the machine hive are opened
// in their 64-bit view, where the system itself reads its Run key.
REGSAM RegistryAccessMask(RegistryRoot root, RegistryAccess access);
HKEY RootHandle(RegistryRoot root);

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                       RegistryAccess access) override;
};

}  // namespace vconfig
