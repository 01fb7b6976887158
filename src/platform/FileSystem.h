// Files and folders as the features need them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vconfig {

// File attribute bits, numbered as the system numbers them.
constexpr uint32_t kAttrReadOnly = 0x01;
constexpr uint32_t kAttrHidden = 0x02;
constexpr uint32_t kAttrSystem = 0x04;
constexpr uint32_t kAttrVolumeLabel = 0x08;
constexpr uint32_t kAttrDirectory = 0x10;
constexpr uint32_t kAttrArchive = 0x20;
constexpr uint32_t kAttrNormal = 0x80;
constexpr uint32_t kInvalidAttributes = 0xFFFFFFFFu;

struct FolderEntry {
  std::string name;
  uint32_t attributes = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool FileExists(const std::string& path) = 0;
  // The whole file; empty when it cannot be opened.
  virtual std::optional<std::string> ReadBytes(const std::string& path) = 0;
  // Writes the complete content to a temporary file beside the target and then puts
  // it in place, so that a failed write never leaves a truncated target. Returns
  // false and leaves the target untouched when that cannot be done.
  virtual bool ReplaceContent(const std::string& path, const std::string& content) = 0;
  virtual uint32_t GetAttributes(const std::string& path) = 0;
  virtual bool SetAttributes(const std::string& path, uint32_t attributes) = 0;
  // Entries matching a pattern such as "C:\folder\*.*", in the system's order.
  virtual std::vector<FolderEntry> ListFolder(const std::string& pattern) = 0;
};

}  // namespace vconfig
