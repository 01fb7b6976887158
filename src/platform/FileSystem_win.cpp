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

using ReplaceFileFn = BOOL(WINAPI*)(LPCSTR replaced, LPCSTR replacement, LPCSTR backup,
                                   DWORD flags, LPVOID exclude, LPVOID reserved);

// ReplaceFileA keeps what the system keeps of the file it replaces (security, owner,
// creation time, streams); looked up by name, as not every system has it.
ReplaceFileFn SystemReplaceFile() {
  static const ReplaceFileFn fn = [] {
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    return kernel ? reinterpret_cast<ReplaceFileFn>(
                        reinterpret_cast<void*>(::GetProcAddress(kernel, "ReplaceFileA")))
                  : nullptr;
  }();
  return fn;
}

// A new temporary file beside the target, named so that a start after a crash knows
// it (TempFileNameFor). Sets tempPath; an empty handle when none can be made.
UniqueFile CreateTempBeside(const std::string& path, std::string& tempPath) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 64; ++attempt) {
    const unsigned number =
        (::GetCurrentProcessId() << 16) ^ ::GetTickCount() ^ (++counter * 2654435761u);
    tempPath = TempFileNameFor(path, number);
    UniqueFile file(::CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) return file;
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  tempPath.clear();
  return UniqueFile();
}

bool PutInPlace(const std::string& temp, const std::string& path, bool targetExists) {
  if (targetExists) {
    if (ReplaceFileFn replace = SystemReplaceFile()) {
      if (replace(path.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                  nullptr))
        return true;
      // Some file systems refuse it (or it left the target gone): a rename still can.
    }
  }
  return ::MoveFileExA(temp.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attrs = ::GetFileAttributesA(path.c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> Win32FileSystem::ReadBytes(const std::string& path) {
  std::string content;
  if (!AppendBytes(path, content)) return std::nullopt;
  return content;
}

bool Win32FileSystem::AppendBytes(const std::string& path, std::string& out) {
  UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  const size_t start = out.size();
  char buf[65536];
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), buf, sizeof buf, &read, nullptr)) {
      out.resize(start);
      return false;
    }
    if (read == 0) break;
    out.append(buf, read);
  }
  return true;
}

bool Win32FileSystem::ReplaceContent(const std::string& path, const std::string& content) {
  const DWORD attrs = ::GetFileAttributesA(path.c_str());
  const bool exists = attrs != INVALID_FILE_ATTRIBUTES;
  if (exists) {
    if (attrs & FILE_ATTRIBUTE_DIRECTORY) return false;
    // A file another process holds without sharing must stay as it is, even where the
    // system would let a rename replace it.
    UniqueFile probe(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe) return false;
  }
  std::string temp;
  bool ok = false;
  {
    UniqueFile file = CreateTempBeside(path, temp);
    ok = file && WriteAll(file.get(), content) && ::FlushFileBuffers(file.get());
  }
  if (temp.empty()) return false;
  if (ok) ok = PutInPlace(temp, path, exists);
  // A failed replace that took the target away leaves the new content only in the
  // temporary file: keep it there rather than lose both.
  if (!ok && !(exists && !FileExists(path))) ::DeleteFileA(temp.c_str());
  return ok;
}

bool Win32FileSystem::RemoveFile(const std::string& path) {
  return ::DeleteFileA(path.c_str()) != FALSE;
}

std::optional<uint64_t> Win32FileSystem::FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
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
