// The system's Registry Editor, opened at a key.
#pragma once

#include <string>

namespace vconfig {

// Where the Registry Editor remembers the key it showed last, and opens at next.
constexpr const char* kRegeditSettingsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";
constexpr const char* kRegeditLastKeyValue = "LastKey";

// Sets the Registry Editor's remembered key (HKEY_CURRENT_USER, LastKey) to keyPath,
// the full path as the editor names it (after the tree's root when the editor wrote
// one there), and starts windowsDir\regedit.exe. False when
// the editor does not start: the remembered key is then put back as it was.
bool OpenRegistryEditorAt(const std::string& windowsDir, const std::string& keyPath);

}  // namespace vconfig
