// Registry access as the features need it. Keys are only opened, never created.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vconfig {

enum class RegistryRoot { CurrentUser, LocalMachine };
enum class RegistryAccess { Read, Full };
// Which of the machine's registry views a key is opened in on 64-bit Windows:
// the process's own, or the one 32-bit programs see (KEY_WOW64_32KEY).
enum class RegistryView { Default, Bit32 };

// Registry value types, numbered as the system numbers them.
constexpr uint32_t kRegNone = 0;
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegMultiSz = 7;

struct RegistryValue {
  std::string name;
  uint32_t type = kRegNone;
  std::string data;  // raw bytes; strings without their terminating NUL
};

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // All values in the key's enumeration order.
  virtual std::vector<RegistryValue> Values() = 0;
  // A missing value is empty; other failures throw ERegistryError.
  virtual std::optional<RegistryValue> Value(const std::string& name) = 0;
  // Writes a REG_SZ (NUL counted in the stored size); false when the system refuses.
  virtual bool SetString(const std::string& name, const std::string& data) = 0;
  // The same as a REG_EXPAND_SZ.
  virtual bool SetExpandString(const std::string& name, const std::string& data) = 0;
  virtual bool DeleteValue(const std::string& name) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens an existing key in the given view; nullptr when it is missing or the access
  // is refused.
  virtual std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                               RegistryAccess access, RegistryView view) = 0;
};

// The system's registry (Win32 build) or null where there is none.
Registry& SystemRegistry();

}  // namespace vconfig
