// A Windows installation's system drive, mounted or copied into a host folder, seen
// through the program's file interface: Windows paths on the system drive map onto
// the folder, names matched without regard to case as Windows matches them. Read
// only: nothing under the folder is ever opened for writing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace vconfig {

// The host entry named name in folder, matched without regard to ASCII letter case
// (an exact match first); empty when there is none.
std::optional<std::filesystem::path> FindEntryNoCase(const std::filesystem::path& folder,
                                                     const std::string& name);

// A path below root from "\"- or "/"-separated components matched without regard to
// case; empty when a component is missing or one is "..".
std::optional<std::filesystem::path> ResolveNoCase(const std::filesystem::path& root,
                                                   const std::string& relative);

// Whether host, links followed, lies below root: a link in the installation that
// points at the reading machine's own files (an absolute target) is never followed.
bool StaysInside(const std::filesystem::path& root, const std::filesystem::path& host);

class OfflineFileSystem : public FileSystem {
 public:
  // drive: the letter the installation knows its system drive by.
  OfflineFileSystem(std::filesystem::path root, char drive);

  // The host path of a Windows path on the system drive ("C:\WINDOWS\win.ini" or
  // "\WINDOWS\win.ini"); empty for another drive or a missing entry.
  std::optional<std::filesystem::path> Resolve(const std::string& windowsPath) const;
  // The Windows path of a host path below the root ("C:\Users\x").
  std::string WindowsPath(const std::filesystem::path& hostPath) const;
  const std::filesystem::path& Root() const { return root_; }
  char Drive() const { return drive_; }

  bool FileExists(const std::string& path) override;
  std::optional<uint64_t> FileSize(const std::string& path) override;
  std::optional<std::string> ReadBytes(const std::string& path) override;
  bool ReplaceContent(const std::string& path, const std::string& content) override;
  uint32_t GetAttributes(const std::string& path) override;
  bool SetAttributes(const std::string& path, uint32_t attributes) override;
  bool RemoveFile(const std::string& path) override;
  std::vector<FolderEntry> ListFolder(const std::string& pattern) override;

 private:
  std::filesystem::path root_;
  char drive_;
};

}  // namespace vconfig
