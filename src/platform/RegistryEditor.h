// How the system's Registry Editor names a key and remembers where it was: portable
// rules, used by its Win32 half (RegistryEditor_win.cpp).
#pragma once

#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace vconfig {

// The key as the Registry Editor names it: the root's full name, then the path. A
// key of the 32-bit view on 64-bit Windows lies under SOFTWARE\WOW6432Node there,
// since the Registry Editor shows the 64-bit view.
std::string RegistryEditorKeyPath(RegistryRoot root, std::string_view keyPath,
                                  RegistryView view, bool wow64);

// What to write as the Registry Editor's remembered key. The editor itself writes
// its tree's root before the key ("Computer\" on newer Windows, in the system's
// language); when the value it left holds such a root, the new one gets the same,
// otherwise the key's path stands alone.
std::string RegistryEditorLastKey(std::string_view previous, std::string_view keyPath);

}  // namespace vconfig
