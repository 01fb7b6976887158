#include "offline/OfflineFileSystem.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vconfig {
namespace fs = std::filesystem;
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

bool Exists(const fs::path& p) {
  std::error_code ec;
  return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

// "X:" or nothing in front, then the path from the drive's root.
std::optional<std::string> PathOnDrive(const std::string& windowsPath, char drive) {
  if (windowsPath.size() >= 2 && windowsPath[1] == ':') {
    if (Lower(windowsPath[0]) != Lower(drive)) return std::nullopt;
    return windowsPath.substr(2);
  }
  return windowsPath;
}

}  // namespace

bool StaysInside(const fs::path& root, const fs::path& host) {
  std::error_code ec;
  const fs::path real = fs::canonical(host, ec);
  if (ec) return false;
  const fs::path realRoot = fs::canonical(root, ec);
  if (ec) return false;
  const fs::path rel = real.lexically_relative(realRoot);
  return !rel.empty() && *rel.begin() != "..";
}

std::optional<fs::path> FindEntryNoCase(const fs::path& folder, const std::string& name) {
  if (Exists(folder / name)) return folder / name;
  std::error_code ec;
  std::optional<fs::path> best;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& candidate = it->path();
    // Several spellings can live side by side on a case-sensitive disk: take the
    // first in name order, so that every run picks the same one.
    if (EqualNoCase(candidate.filename().string(), name) && (!best || candidate < *best))
      best = candidate;
  }
  return best;
}

std::optional<fs::path> ResolveNoCase(const fs::path& root, const std::string& relative) {
  fs::path current = root;
  std::string part;
  std::istringstream parts(relative);
  while (std::getline(parts, part, '\\')) {
    std::istringstream pieces(part);
    std::string piece;
    while (std::getline(pieces, piece, '/')) {
      if (piece.empty() || piece == ".") continue;
      if (piece == "..") return std::nullopt;  // never leaves the root
      auto next = FindEntryNoCase(current, piece);
      if (!next) return std::nullopt;
      current = *next;
    }
  }
  return current;
}

OfflineFileSystem::OfflineFileSystem(fs::path root, char drive)
    : root_(std::move(root)), drive_(drive) {}

std::optional<fs::path> OfflineFileSystem::Resolve(const std::string& windowsPath) const {
  const auto onDrive = PathOnDrive(windowsPath, drive_);
  if (!onDrive) return std::nullopt;
  return ResolveNoCase(root_, *onDrive);
}

std::string OfflineFileSystem::WindowsPath(const fs::path& hostPath) const {
  std::string path = std::string(1, drive_) + ":";
  const fs::path relative = hostPath.lexically_relative(root_);
  for (const auto& part : relative) {
    if (part == ".") continue;
    path += "\\" + part.string();
  }
  return relative.empty() || relative == "." ? path + "\\" : path;
}

bool OfflineFileSystem::FileExists(const std::string& path) {
  const auto host = Resolve(path);
  if (!host) return false;
  std::error_code ec;
  // A link that leads nowhere (or in a loop) still names a file: its read fails and
  // says so, rather than the file silently counting as absent.
  const fs::file_status link = fs::symlink_status(*host, ec);
  if (fs::is_symlink(link)) return !fs::is_directory(fs::status(*host, ec));
  return !fs::is_directory(link);
}

std::optional<uint64_t> OfflineFileSystem::FileSize(const std::string& path) {
  const auto host = Resolve(path);
  if (!host) return std::nullopt;
  std::error_code ec;
  if (!fs::is_regular_file(fs::status(*host, ec)) || ec || !StaysInside(root_, *host))
    return std::nullopt;
  const uintmax_t size = fs::file_size(*host, ec);
  if (ec) return std::nullopt;
  return static_cast<uint64_t>(size);
}

std::optional<std::string> OfflineFileSystem::ReadBytes(const std::string& path) {
  const auto host = Resolve(path);
  if (!host) return std::nullopt;
  std::error_code ec;
  if (!fs::is_regular_file(fs::status(*host, ec)) || ec || !StaysInside(root_, *host))
    return std::nullopt;
  std::ifstream in(*host, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return content.str();
}

// The installation is only ever read.
bool OfflineFileSystem::ReplaceContent(const std::string&, const std::string&) { return false; }
bool OfflineFileSystem::SetAttributes(const std::string&, uint32_t) { return false; }
bool OfflineFileSystem::RemoveFile(const std::string&) { return false; }

uint32_t OfflineFileSystem::GetAttributes(const std::string& path) {
  const auto host = Resolve(path);
  if (!host) return kInvalidAttributes;
  std::error_code ec;
  const fs::file_status status = fs::status(*host, ec);
  if (ec) return kInvalidAttributes;
  return fs::is_directory(status) ? kAttrDirectory : kAttrArchive;
}

std::vector<FolderEntry> OfflineFileSystem::ListFolder(const std::string& pattern) {
  // The readers list whole folders ("folder\*.*").
  std::string folder = pattern;
  const size_t slash = folder.find_last_of('\\');
  if (slash != std::string::npos && folder.find('*', slash) != std::string::npos)
    folder.erase(slash);
  std::vector<FolderEntry> entries;
  const auto host = Resolve(folder);
  if (!host || !StaysInside(root_, *host)) return entries;
  std::error_code ec;
  for (fs::directory_iterator it(*host, ec), end; !ec && it != end; it.increment(ec)) {
    FolderEntry entry;
    entry.name = it->path().filename().string();
    std::error_code statusError;
    entry.attributes = fs::is_directory(it->status(statusError)) ? kAttrDirectory : kAttrArchive;
    entries.push_back(std::move(entry));
  }
  // Directory order on the host says nothing about the installation: name order
  // gives the same report every time.
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  return entries;
}

}  // namespace vconfig
