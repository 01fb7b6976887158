// In-memory registry for tests: keeps values in insertion order and records the
// access each open asked for.
#pragma once

#include <map>
#include <utility>

#include "platform/Registry.h"

namespace vconfig {

class MemoryRegistry : public Registry {
 public:
  struct Open {
    RegistryRoot root;
    std::string path;
    RegistryAccess access;
  };

  void AddKey(RegistryRoot root, const std::string& path);
  void SetValue(RegistryRoot root, const std::string& path, RegistryValue value);
  // Keys that refuse any open asking for more than read access.
  void RestrictToRead(RegistryRoot root, const std::string& path);
  const std::vector<RegistryValue>* KeyValues(RegistryRoot root, const std::string& path) const;

  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                       RegistryAccess access) override;

  const std::vector<Open>& opens() const { return opens_; }

 private:
  struct Key {
    std::vector<RegistryValue> values;
    bool readOnly = false;
  };
  using KeyId = std::pair<RegistryRoot, std::string>;
  static KeyId Id(RegistryRoot root, const std::string& path);

  std::map<KeyId, Key> keys_;
  std::vector<Open> opens_;
};

}  // namespace vconfig
