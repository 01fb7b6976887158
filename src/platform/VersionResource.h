// A file's version resource, as the about box reads it.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace vconfig {

// One read version block. Sub-block paths are the system's ("\", "\VarFileInfo\Translation",
// "\StringFileInfo\040904e4\ProductName").
class VersionBlock {
 public:
  virtual ~VersionBlock() = default;
  // The raw bytes of a binary value; empty when the value is missing.
  virtual std::optional<std::string> QueryBytes(const std::string& subBlock) const = 0;
  // A string value up to its NUL; empty when the value is missing.
  virtual std::optional<std::string> QueryString(const std::string& subBlock) const = 0;
};

class VersionResource {
 public:
  virtual ~VersionResource() = default;
  // The file's version block, or null when it has none or cannot be read.
  virtual std::unique_ptr<VersionBlock> Read(const std::string& path) = 0;
  // The file's last-modified date as the system's short date; empty when unknown.
  virtual std::string ModifiedShortDate(const std::string& path) = 0;
  // The running program's executable, and the module this code lives in.
  virtual std::string ExecutablePath() = 0;
  virtual std::string ModulePath() = 0;
};

}  // namespace vconfig
