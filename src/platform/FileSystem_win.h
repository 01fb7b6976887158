#pragma once

#include "platform/FileSystem.h"

namespace vconfig {

class Win32FileSystem : public FileSystem {
 public:
  bool FileExists(const std::string& path) override;
  std::optional<uint64_t> FileSize(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  std::optional<std::string> ReadBytes(const std::string& path) override;
  bool AppendBytes(const std::string& path, std::string& out) override;
  bool ReplaceContent(const std::string& path, const std::string& content) override;
  uint32_t GetAttributes(const std::string& path) override;
  bool SetAttributes(const std::string& path, uint32_t attributes) override;
  std::vector<FolderEntry> ListFolder(const std::string& pattern) override;
};

FileSystem& SystemFileSystem();

// The program's own full path, as the system reports it for the running module.
std::string ProgramPath();

}  // namespace vconfig
