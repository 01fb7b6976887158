// In-memory file system for tests.
#pragma once

#include <map>

#include "platform/FileSystem.h"

namespace vconfig {

class MemoryFileSystem : public FileSystem {
 public:
  struct File {
    std::string path;  // as first put, for folder listings
    std::string content;
    uint32_t attributes = kAttrArchive;
  };

  void Put(const std::string& path, std::string content, uint32_t attributes = kAttrArchive);
  const File* Get(const std::string& path) const;
  void FailWritesTo(const std::string& path) { failWrites_ = path; }
  // Setting read-only, hidden or system on this file is refused (lifting them works),
  // as by a file system that cannot keep them.
  void RefuseAttributesOf(const std::string& path) { refuseAttributes_ = path; }
  // Sizes reported for files without holding their content.
  void PretendSize(const std::string& path, uint64_t size) { pretendSizes_[path] = size; }
  // Attribute values seen by every SetAttributes call, in order.
  const std::vector<std::pair<std::string, uint32_t>>& attributeLog() const { return attrLog_; }

  bool FileExists(const std::string& path) override;
  std::optional<uint64_t> FileSize(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  std::optional<std::string> ReadBytes(const std::string& path) override;
  bool AppendBytes(const std::string& path, std::string& out) override;
  bool ReplaceContent(const std::string& path, const std::string& content) override;
  uint32_t GetAttributes(const std::string& path) override;
  bool SetAttributes(const std::string& path, uint32_t attributes) override;
  std::vector<FolderEntry> ListFolder(const std::string& pattern) override;

 private:
  std::map<std::string, File> files_;  // keyed by lower-case path
  std::string failWrites_;
  std::string refuseAttributes_;
  std::map<std::string, uint64_t> pretendSizes_;
  std::vector<std::pair<std::string, uint32_t>> attrLog_;
};

}  // namespace vconfig
