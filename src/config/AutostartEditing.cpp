#include "config/AutostartEditing.h"

#include "diagnostics/Errors.h"

namespace vconfig {
namespace {

RunValueText ValueAt(RegistryKey* key, int index) {
  std::vector<RegistryValue> values;
  if (key) values = key->Values();
  if (index < 0 || index >= static_cast<long>(values.size())) throw EListIndexError(index);
  const std::string name = values[index].name;
  // Read again by name: the listing only fixed which value the row means.
  const auto value = key->Value(name);
  if (!value) throw ERegistryError::GetFailed(name);
  return {name, RunValueData(*value)};
}

}  // namespace

std::string RunValueData(const RegistryValue& value) {
  if (value.data.empty()) return {};
  if (value.type != kRegSz && value.type != kRegExpandSz)
    throw ERegistryError::InvalidType(value.name);
  return value.data;
}

RunValueText RunValueAt(Registry& registry, RegistryRoot root, const std::string& key,
                        RegistryView view, int index) {
  const auto opened = registry.OpenKey(root, key, RegistryAccess::Full, view);
  return ValueAt(opened.get(), index);
}

void WriteRunValue(Registry& registry, RegistryRoot root, const std::string& key,
                   RegistryView view, const std::string& name, const std::string& data) {
  const auto opened = registry.OpenKey(root, key, RegistryAccess::Full, view);
  if (!opened) throw ERegistryError::SetFailed(name);
  const auto existing = opened->Value(name);
  const bool expandable = existing && existing->type == kRegExpandSz;
  const bool written =
      expandable ? opened->SetExpandString(name, data) : opened->SetString(name, data);
  if (!written) throw ERegistryError::SetFailed(name);
}

void RemoveRunValue(Registry& registry, RegistryRoot root, const std::string& key,
                    RegistryView view, int index,
                    const std::function<bool(const RunValueText&)>& agree) {
  const auto opened = registry.OpenKey(root, key, RegistryAccess::Full, view);
  const RunValueText value = ValueAt(opened.get(), index);
  if (agree(value)) opened->DeleteValue(value.name);
}

}  // namespace vconfig
