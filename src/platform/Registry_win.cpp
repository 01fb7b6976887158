#include "platform/Registry_win.h"

#include <vector>

#include "diagnostics/Errors.h"
#include "platform/Handles_win.h"

#include "platform/SystemInfo_win.h"

#ifndef KEY_WOW64_64KEY
#define KEY_WOW64_64KEY 0x0100
#endif
#ifndef KEY_WOW64_32KEY
#define KEY_WOW64_32KEY 0x0200
#endif

namespace vconfig {
namespace {

// Registry strings are not trusted to end in NUL: cut at the first one ourselves.
std::string StringData(const std::vector<BYTE>& buf, DWORD size, DWORD type) {
  std::string s(reinterpret_cast<const char*>(buf.data()), size);
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    const size_t nul = s.find('\0');
    if (nul != std::string::npos) s.resize(nul);
  }
  return s;
}

class Win32Key : public RegistryKey {
 public:
  explicit Win32Key(UniqueHKey key) : key_(std::move(key)) {}

  std::vector<RegistryValue> Values() override {
    DWORD count = 0, maxName = 0, maxData = 0;
    if (::RegQueryInfoKeyA(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           &count, &maxName, &maxData, nullptr, nullptr) != ERROR_SUCCESS)
      return {};
    std::vector<RegistryValue> values;
    std::vector<char> name(maxName + 2);
    std::vector<BYTE> data(maxData + 2);
    for (DWORD i = 0;; ++i) {
      DWORD nameLen = static_cast<DWORD>(name.size());
      DWORD dataLen = static_cast<DWORD>(data.size());
      DWORD type = 0;
      const LSTATUS st = ::RegEnumValueA(key_.get(), i, name.data(), &nameLen, nullptr, &type,
                                         data.data(), &dataLen);
      if (st == ERROR_NO_MORE_ITEMS) break;
      if (st == ERROR_MORE_DATA) {
        // The key grew since it was measured: grow and ask again.
        name.resize(name.size() * 2 + 256);
        data.resize(data.size() * 2 + 256);
        --i;
        continue;
      }
      if (st != ERROR_SUCCESS) break;
      values.push_back({std::string(name.data(), nameLen), type, StringData(data, dataLen, type)});
    }
    return values;
  }

  std::optional<RegistryValue> Value(const std::string& name) override {
    DWORD type = 0, size = 0;
    LSTATUS st = ::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, nullptr, &size);
    if (st == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (st != ERROR_SUCCESS) throw ERegistryError::GetFailed(name);
    std::vector<BYTE> data(size + 2);
    for (;;) {
      DWORD len = static_cast<DWORD>(data.size());
      st = ::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, data.data(), &len);
      if (st == ERROR_MORE_DATA) {
        data.resize(len + 2);
        continue;
      }
      if (st == ERROR_FILE_NOT_FOUND) return std::nullopt;
      if (st != ERROR_SUCCESS) throw ERegistryError::GetFailed(name);
      return RegistryValue{name, type, StringData(data, len, type)};
    }
  }

  bool SetString(const std::string& name, const std::string& data) override {
    return SetText(name, data, REG_SZ);
  }

  bool SetExpandString(const std::string& name, const std::string& data) override {
    return SetText(name, data, REG_EXPAND_SZ);
  }

  bool DeleteValue(const std::string& name) override {
    return ::RegDeleteValueA(key_.get(), name.c_str()) == ERROR_SUCCESS;
  }

 private:
  bool SetText(const std::string& name, const std::string& data, DWORD type) {
    return ::RegSetValueExA(key_.get(), name.c_str(), 0, type,
                            reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
  }

  UniqueHKey key_;
};

}  // namespace

HKEY RootHandle(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

REGSAM RegistryAccessMask(RegistryRoot root, RegistryAccess access, RegistryView view,
                          bool wow64) {
  REGSAM sam = access == RegistryAccess::Read ? KEY_READ : KEY_ALL_ACCESS;
  if (!wow64) return sam;
  if (view == RegistryView::Bit32) return sam | KEY_WOW64_32KEY;
  if (root == RegistryRoot::LocalMachine) sam |= KEY_WOW64_64KEY;
  return sam;
}

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(RegistryRoot root, const std::string& path,
                                                    RegistryAccess access, RegistryView view) {
  HKEY key = nullptr;
  const REGSAM sam = RegistryAccessMask(root, access, view, RunsUnderWow64());
  if (::RegOpenKeyExA(RootHandle(root), path.c_str(), 0, sam, &key) != ERROR_SUCCESS)
    return nullptr;
  return std::make_unique<Win32Key>(UniqueHKey(key));
}

Registry& SystemRegistry() {
  static Win32Registry registry;
  return registry;
}

}  // namespace vconfig
