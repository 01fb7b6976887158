#include "fakes/MemoryRegistry.h"

#include <algorithm>
#include <cctype>

namespace vconfig {
namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

class MemoryKey : public RegistryKey {
 public:
  MemoryKey(std::vector<RegistryValue>& values, bool writable)
      : values_(values), writable_(writable) {}

  std::vector<RegistryValue> Values() override { return values_; }

  std::optional<RegistryValue> Value(const std::string& name) override {
    auto it = Find(name);
    if (it == values_.end()) return std::nullopt;
    return *it;
  }

  bool SetString(const std::string& name, const std::string& data) override {
    return SetText(name, data, kRegSz);
  }

  bool SetExpandString(const std::string& name, const std::string& data) override {
    return SetText(name, data, kRegExpandSz);
  }

  bool DeleteValue(const std::string& name) override {
    if (!writable_) return false;
    auto it = Find(name);
    if (it == values_.end()) return false;
    values_.erase(it);
    return true;
  }

 private:
  bool SetText(const std::string& name, const std::string& data, uint32_t type) {
    if (!writable_) return false;
    auto it = Find(name);
    if (it == values_.end()) {
      values_.push_back({name, type, data});
    } else {
      it->type = type;
      it->data = data;
    }
    return true;
  }

  // Value names compare without regard to case, as in the system's registry.
  std::vector<RegistryValue>::iterator Find(const std::string& name) {
    const std::string key = Lower(name);
    return std::find_if(values_.begin(), values_.end(),
                        [&](const RegistryValue& v) { return Lower(v.name) == key; });
  }

  std::vector<RegistryValue>& values_;
  bool writable_;
};

}  // namespace

MemoryRegistry::KeyId MemoryRegistry::Id(RegistryRoot root, const std::string& path, View view) {
  // The current user's keys are shared between the views (Windows 7 and later).
  if (root == RegistryRoot::CurrentUser) view = View::Default;
  return {root, view, Lower(path)};
}

void MemoryRegistry::AddKey(RegistryRoot root, const std::string& path, View view) {
  keys_[Id(root, path, view)];
}

void MemoryRegistry::SetValue(RegistryRoot root, const std::string& path, RegistryValue value,
                              View view) {
  auto& values = keys_[Id(root, path, view)].values;
  const std::string key = Lower(value.name);
  auto it = std::find_if(values.begin(), values.end(),
                         [&](const RegistryValue& v) { return Lower(v.name) == key; });
  if (it == values.end()) {
    values.push_back(std::move(value));
  } else {
    *it = std::move(value);
  }
}

void MemoryRegistry::RestrictToRead(RegistryRoot root, const std::string& path, View view) {
  keys_[Id(root, path, view)].readOnly = true;
}

const std::vector<RegistryValue>* MemoryRegistry::KeyValues(RegistryRoot root,
                                                            const std::string& path,
                                                            View view) const {
  auto it = keys_.find(Id(root, path, view));
  return it == keys_.end() ? nullptr : &it->second.values;
}

std::unique_ptr<RegistryKey> MemoryRegistry::OpenKey(RegistryRoot root, const std::string& path,
                                                     RegistryAccess access, RegistryView view) {
  opens_.push_back({root, path, access, view});
  auto it = keys_.find(Id(root, path, view));
  if (it == keys_.end()) return nullptr;
  if (it->second.readOnly && access != RegistryAccess::Read) return nullptr;
  return std::make_unique<MemoryKey>(it->second.values, access == RegistryAccess::Full);
}

}  // namespace vconfig
