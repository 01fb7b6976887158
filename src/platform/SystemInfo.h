// The operating system facts read at start.
#pragma once

#include <cstdint>
#include <string>

namespace vconfig {

// What the system's 148-byte version record holds.
struct VersionRecord {
  uint32_t platformId = 0;
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  std::string servicePack;  // the record's 128-character text up to its NUL
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual std::string WindowsDirectory() = 0;
  virtual std::string SystemDirectory() = 0;
  virtual VersionRecord Version() = 0;
  virtual uint16_t DefaultLangId() = 0;
  // A 32-bit process on 64-bit Windows: the machine's registry then has two views.
  virtual bool RunsUnderWow64() = 0;
};

}  // namespace vconfig
