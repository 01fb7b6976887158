// An NT registry hive file, opened read-only. Names come as UTF-8, data as stored.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "diagnostics/Errors.h"

namespace vconfig {

struct HiveValue {
  std::string name;  // UTF-8
  uint32_t type = 0;
  std::string data;  // raw bytes as stored (strings in UTF-16 little-endian)
};

// A hive that cannot be opened or whose cells do not hold together; the message
// names the file and the reason.
class EHiveError : public AppError {
 public:
  using AppError::AppError;
  const char* ClassName() const noexcept override { return "EHiveError"; }
};

class Hive {
 public:
  virtual ~Hive() = default;
  // The values of the key at a backslash-separated path below the hive's root (names
  // compared without regard to case); empty when the key is missing. Throws
  // EHiveError when the hive is damaged on the way.
  virtual std::optional<std::vector<HiveValue>> KeyValues(const std::string& path) = 0;
  virtual bool HasKey(const std::string& path) = 0;
};

// Opens a hive file for reading only; throws EHiveError when it is not a hive.
std::unique_ptr<Hive> OpenHiveFile(const std::string& hostPath);

// True when this build can read hive files (the native build, with libhivex).
bool CanReadHives();

}  // namespace vconfig
