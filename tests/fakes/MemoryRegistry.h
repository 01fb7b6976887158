// In-memory registry for tests: keeps values in insertion order and records the
// access and the view each open asked for. The machine's keys exist once per view, as
// on 64-bit Windows; the current user's are shared by both views.
#pragma once

#include <map>
#include <tuple>

#include "platform/Registry.h"

namespace vconfig {

class MemoryRegistry : public Registry {
 public:
  struct Open {
    RegistryRoot root;
    std::string path;
    RegistryAccess access;
    RegistryView view;
  };
  using View = RegistryView;

  void AddKey(RegistryRoot root, const std::string& path, View view = View::Default);
  void SetValue(RegistryRoot root, const std::string& path, RegistryValue value,
                View view = View::Default);
  // Keys that refuse any open asking for more than read access.
  void RestrictToRead(RegistryRoot root, const std::string& path, View view = View::Default);
  const std::vector<RegistryValue>* KeyValues(RegistryRoot root, const std::string& path,
                                              View view = View::Default) const;

  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                       RegistryAccess access, RegistryView view) override;

  const std::vector<Open>& opens() const { return opens_; }

 private:
  struct Key {
    std::vector<RegistryValue> values;
    bool readOnly = false;
  };
  using KeyId = std::tuple<RegistryRoot, RegistryView, std::string>;
  static KeyId Id(RegistryRoot root, const std::string& path, View view);

  std::map<KeyId, Key> keys_;
  std::vector<Open> opens_;
};

}  // namespace vconfig
