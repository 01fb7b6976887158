#include "platform/RegistryEditor_win.h"

#include "platform/RegistryEditor.h"

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Handles_win.h"

namespace vconfig {
namespace {

// The editor's own settings key, made when it is not there yet (as the editor makes it).
UniqueHKey OpenSettings(bool& created) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, kRegeditSettingsKey, 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key,
                        &disposition) != ERROR_SUCCESS)
    return UniqueHKey();
  created = disposition == REG_CREATED_NEW_KEY;
  return UniqueHKey(key);
}

struct StoredValue {
  DWORD type = REG_SZ;
  std::vector<BYTE> data;
};

// The text of a string value, up to its first NUL.
std::string TextOf(const std::optional<StoredValue>& value) {
  if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return {};
  const std::string bytes(value->data.begin(), value->data.end());
  return bytes.substr(0, bytes.find('\0'));
}

std::optional<StoredValue> ReadValue(HKEY key) {
  DWORD type = 0, size = 0;
  if (::RegQueryValueExA(key, kRegeditLastKeyValue, nullptr, &type, nullptr, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  StoredValue value;
  value.type = type;
  value.data.resize(size);
  if (size > 0 && ::RegQueryValueExA(key, kRegeditLastKeyValue, nullptr, &type,
                                     value.data.data(), &size) != ERROR_SUCCESS)
    return std::nullopt;
  value.data.resize(size);
  return value;
}

bool WriteString(HKEY key, const std::string& text) {
  return ::RegSetValueExA(key, kRegeditLastKeyValue, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

void Restore(HKEY key, const std::optional<StoredValue>& before) {
  if (!before) {
    ::RegDeleteValueA(key, kRegeditLastKeyValue);
    return;
  }
  ::RegSetValueExA(key, kRegeditLastKeyValue, 0, before->type, before->data.data(),
                   static_cast<DWORD>(before->data.size()));
}

bool StartEditor(const std::string& windowsDir) {
  std::string program = windowsDir;
  if (!program.empty() && program.back() != '\\') program += '\\';
  program += "regedit.exe";
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  // The editor may ask for elevation; the shell handles that. Its own error boxes
  // stay away: the caller says what went wrong.
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "open";
  info.lpFile = program.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ::ShellExecuteExA(&info) != FALSE;
}

}  // namespace

bool OpenRegistryEditorAt(const std::string& windowsDir, const std::string& keyPath) {
  bool created = false;
  UniqueHKey settings = OpenSettings(created);
  std::optional<StoredValue> before;
  if (settings) {
    before = ReadValue(settings.get());
    // Without its remembered key the editor still opens, only elsewhere.
    WriteString(settings.get(), RegistryEditorLastKey(TextOf(before), keyPath));
  }
  if (StartEditor(windowsDir)) return true;
  if (!settings) return false;
  Restore(settings.get(), before);
  if (created) {
    settings.reset();
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kRegeditSettingsKey);
  }
  return false;
}

}  // namespace vconfig
