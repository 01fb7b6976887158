#include "platform/FileSystem_win.h"

#include <windows.h>

#include "platform/Handles_win.h"

namespace vconfig {
namespace {

bool WriteAll(HANDLE file, const std::string& content) {
  size_t done = 0;
  while (done < content.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(content.size() - done, 1 << 20));
    DWORD written = 0;
    if (!::WriteFile(file, content.data() + done, chunk, &written, nullptr) || written == 0)
      return false;
    done += written;
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attrs = ::GetFileAttributesA(path.c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> Win32FileSystem::ReadBytes(const std::string& path) {
  UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string content;
  char buf[65536];
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), buf, sizeof buf, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    content.append(buf, read);
  }
  return content;
}

bool Win32FileSystem::ReplaceContent(const std::string& path, const std::string& content) {
  const DWORD attrs = ::GetFileAttributesA(path.c_str());
  if (attrs != INVALID_FILE_ATTRIBUTES) {
    if (attrs & FILE_ATTRIBUTE_DIRECTORY) return false;
    // A file another process holds without sharing must stay as it is, even where the
    // system would let a rename replace it.
    UniqueFile probe(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe) return false;
  }
  const std::string folder = FolderOf(path);
  char temp[MAX_PATH + 16] = {};
  if (!::GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "vcf", 0, temp)) return false;
  bool ok = false;
  {
    UniqueFile file(::CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ok = file && WriteAll(file.get(), content) && ::FlushFileBuffers(file.get());
  }
  if (ok) ok = ::MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) ::DeleteFileA(temp);
  return ok;
}

uint32_t Win32FileSystem::GetAttributes(const std::string& path) {
  return ::GetFileAttributesA(path.c_str());
}

bool Win32FileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
  return ::SetFileAttributesA(path.c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL);
}

std::vector<FolderEntry> Win32FileSystem::ListFolder(const std::string& pattern) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAA fd{};
  UniqueFind find(::FindFirstFileA(pattern.c_str(), &fd));
  if (!find) return entries;
  do {
    entries.push_back({fd.cFileName, fd.dwFileAttributes});
  } while (::FindNextFileA(find.get(), &fd));
  return entries;
}

FileSystem& SystemFileSystem() {
  static Win32FileSystem fs;
  return fs;
}

std::string ProgramPath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace vconfig
