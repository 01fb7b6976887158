#include "platform/FileSystem.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "diagnostics/Errors.h"

namespace vconfig {

bool FileSystem::AppendBytes(const std::string& path, std::string& out) {
  const auto bytes = ReadBytes(path);
  if (!bytes) return false;
  out.append(*bytes);
  return true;
}

void CheckShownFileSize(FileSystem& fs, const std::string& path) {
  const auto size = fs.FileSize(path);
  if (size && *size > kMaxShownFileSize) throw EFileTooLargeError(path);
}

std::string TempFileNameFor(const std::string& targetPath, unsigned number) {
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, "%08X", number);
  return targetPath + kTempFileMark + suffix;
}

bool IsTempFileName(const std::string& fileName) {
  const size_t mark = fileName.rfind(kTempFileMark);
  if (mark == std::string::npos || mark == 0) return false;
  const std::string number = fileName.substr(mark + std::strlen(kTempFileMark));
  if (number.size() != 8) return false;
  for (char c : number)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

void RemoveStrayTempFiles(FileSystem& fs, const std::string& folder) {
  if (folder.empty()) return;
  const std::string prefix =
      folder.back() == '\\' || folder.back() == '/' ? folder : folder + "\\";
  // Only the temporary files' names: the folders include the system folder.
  for (const FolderEntry& entry : fs.ListFolder(prefix + "*" + kTempFileMark + "*")) {
    if ((entry.attributes & kAttrDirectory) || !IsTempFileName(entry.name)) continue;
    const std::string target = entry.name.substr(0, entry.name.rfind(kTempFileMark));
    if (!fs.FileExists(prefix + target)) continue;
    fs.RemoveFile(prefix + entry.name);
  }
}

}  // namespace vconfig
