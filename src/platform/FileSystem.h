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
  // The size in bytes; empty when there is no such file.
  virtual std::optional<uint64_t> FileSize(const std::string& path) = 0;
  // The whole file; empty when it cannot be opened.
  virtual std::optional<std::string> ReadBytes(const std::string& path) = 0;
  // The whole file appended to `out`, without a buffer of its own in between; false
  // (and `out` as it was) when it cannot be opened or read.
  virtual bool AppendBytes(const std::string& path, std::string& out);
  // Writes the complete content to a temporary file beside the target and then puts
  // it in place, so that a failed write never leaves a truncated target. Returns
  // false and leaves the target untouched when that cannot be done.
  virtual bool ReplaceContent(const std::string& path, const std::string& content) = 0;
  virtual uint32_t GetAttributes(const std::string& path) = 0;
  virtual bool SetAttributes(const std::string& path, uint32_t attributes) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // Entries matching a pattern such as "C:\folder\*.*", in the system's order.
  virtual std::vector<FolderEntry> ListFolder(const std::string& pattern) = 0;
};

// The largest file the program reads to show it: the whole text is held in memory,
// more than once while it is split into lines, in a 32-bit address space.
constexpr uint64_t kMaxShownFileSize = 64ull * 1024 * 1024;

// Throws EFileTooLargeError when the file is larger than the program shows.
void CheckShownFileSize(FileSystem& fs, const std::string& path);

// Temporary files of a rewrite lie beside their target and carry a name that ends in
// kTempFileMark and a number, so that the ones a crash left behind are recognised.
constexpr const char* kTempFileMark = ".vcfg-new";
std::string TempFileNameFor(const std::string& targetPath, unsigned number);
bool IsTempFileName(const std::string& fileName);
// Removes the temporary files left in a folder by a rewrite that never finished. One
// whose target is missing is kept: it may hold the only copy of the content.
void RemoveStrayTempFiles(FileSystem& fs, const std::string& folder);

}  // namespace vconfig
