// Registry values of every type as text for the console report: strings as stored,
// other types by their type's name and their data shown exactly (numbers in decimal
// and hex, the rest as hex bytes), never guessed at as text.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Registry.h"

namespace vconfig {

// "REG_SZ", "REG_DWORD", ...; "type 42" for a number the system does not name.
std::string RegistryTypeName(uint32_t type);

// The data of a value: strings as stored, multi-strings joined with " | ", numbers as
// "42 (0x0000002a)", everything else as hex bytes ("01 ff 20").
std::string ValueDataText(const RegistryValue& value);

// How the report window's rows show a value the window itself would refuse (any
// type but a string): "[REG_DWORD] 42 (0x0000002a)".
std::string DescribedValueText(const RegistryValue& value);

// The registry with every value of another type than a string presented as a string
// that names its type and shows its data, so that the report readers list it.
class TypeDescribingRegistry : public Registry {
 public:
  explicit TypeDescribingRegistry(Registry& inner) : inner_(inner) {}
  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                       RegistryAccess access, RegistryView view) override;

 private:
  Registry& inner_;  // not owned
};

}  // namespace vconfig
