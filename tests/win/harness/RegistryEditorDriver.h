// The system's Registry Editor as the program starts it: its windows, its remembered
// key, and closing it so that no test leaves one behind.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vtest {

// The editor's settings key under HKEY_CURRENT_USER, which holds "LastKey".
extern const std::string kRegeditSettingsKey;

// The shown top-level windows titled "Registry Editor...".
std::vector<HWND> RegistryEditorWindows();

// Asks every Registry Editor to close, and ends one that does not go; returns once
// their processes have ended.
void CloseRegistryEditors();

// On destruction asks every Registry Editor to close, and ends one that does not go;
// returns once their processes have ended. Declare it after a KeyKeeper of the
// settings key: the editor may write its settings as it closes.
class RegistryEditorCloser {
 public:
  RegistryEditorCloser() = default;
  ~RegistryEditorCloser();
  RegistryEditorCloser(const RegistryEditorCloser&) = delete;
  RegistryEditorCloser& operator=(const RegistryEditorCloser&) = delete;
};

}  // namespace vtest
