// Changes to the values of a Run key. Keys are opened with full access, in the view
// the key was listed from, and never created; values are found by their enumeration
// index, then by name.
#pragma once

#include <functional>
#include <string>

#include "platform/Registry.h"

namespace vconfig {

struct RunValueText {
  std::string name;
  std::string data;
};

// The text of a value as the Run rows show it: string data as stored (not expanded),
// empty for a value without data. Throws ERegistryError "Invalid data type" for any
// other value.
std::string RunValueData(const RegistryValue& value);

// Value number `index` of the key with its text. A key that is missing or refuses full
// access has no values. Throws EListIndexError(index) when there is no such value, and
// ERegistryError when it is not text or can no longer be read.
RunValueText RunValueAt(Registry& registry, RegistryRoot root, const std::string& key,
                        RegistryView view, int index);

// Writes `data` under `name` (the key's default value when the name is empty),
// overwriting silently. An existing expandable value stays expandable, since turning
// "%ProgramFiles%\x.exe" into a plain string stops the program from starting; every
// other write is a plain string. Throws ERegistryError "Failed to set data" when the
// key is missing or the system refuses.
void WriteRunValue(Registry& registry, RegistryRoot root, const std::string& key,
                   RegistryView view, const std::string& name, const std::string& data);

// Deletes value number `index` when `agree` accepts it; the result of the deletion is
// not checked. Fails as RunValueAt before asking anything.
void RemoveRunValue(Registry& registry, RegistryRoot root, const std::string& key,
                    RegistryView view, int index,
                    const std::function<bool(const RunValueText&)>& agree);

}  // namespace vconfig
