// The registry of an offline installation, read from its hive files: the machine's
// SOFTWARE hive for HKEY_LOCAL_MACHINE\SOFTWARE, one user's NTUSER.DAT for
// HKEY_CURRENT_USER. Names and string data come in the output's code page, strings
// as stored (expandable ones not expanded). Only ever opened for reading.
#pragma once

#include <memory>

#include "offline/Hive.h"
#include "platform/Registry.h"

namespace vconfig {

// The key path in the SOFTWARE hive for a machine key ("SOFTWARE\X" is "X"), the 32-bit
// view under Wow6432Node; empty when the key lies in another hive.
std::optional<std::string> SoftwareHivePath(const std::string& keyPath, RegistryView view);

class HiveRegistry : public Registry {
 public:
  // Either hive may be null: its keys are then missing.
  HiveRegistry(std::shared_ptr<Hive> software, std::shared_ptr<Hive> user, int codePage);

  // The 32-bit view of a machine key is its copy under SOFTWARE\Wow6432Node.
  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                       RegistryAccess access, RegistryView view) override;

 private:
  std::shared_ptr<Hive> software_;
  std::shared_ptr<Hive> user_;
  int codePage_;
};

// A value's data as the program's readers take it: strings in the code page without
// their NUL, multi-strings as code-page strings each ended by a NUL, the rest raw.
RegistryValue ConvertHiveValue(const HiveValue& value, int codePage);

}  // namespace vconfig
