#include "fakes/MemoryFileSystem.h"

#include <cctype>

namespace vconfig {
namespace {

std::string Key(const std::string& path) {
  std::string s = path;
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Whether a name matches a pattern whose only wildcard is "*" (as the system matches
// "*.*" and "*.vcfg-new*").
bool Matches(const std::string& name, const std::string& pattern) {
  if (pattern == "*.*") return true;
  size_t n = 0, p = 0, star = std::string::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() && pattern[p] == name[n]) {
      ++p;
      ++n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

void MemoryFileSystem::Put(const std::string& path, std::string content, uint32_t attributes) {
  files_[Key(path)] = File{path, std::move(content), attributes};
}

const MemoryFileSystem::File* MemoryFileSystem::Get(const std::string& path) const {
  auto it = files_.find(Key(path));
  return it == files_.end() ? nullptr : &it->second;
}

bool MemoryFileSystem::FileExists(const std::string& path) { return Get(path) != nullptr; }

std::optional<uint64_t> MemoryFileSystem::FileSize(const std::string& path) {
  const File* f = Get(path);
  if (!f) return std::nullopt;
  auto pretend = pretendSizes_.find(path);
  return pretend != pretendSizes_.end() ? pretend->second : f->content.size();
}

bool MemoryFileSystem::RemoveFile(const std::string& path) { return files_.erase(Key(path)) > 0; }

std::optional<std::string> MemoryFileSystem::ReadBytes(const std::string& path) {
  const File* f = Get(path);
  if (!f) return std::nullopt;
  return f->content;
}

bool MemoryFileSystem::AppendBytes(const std::string& path, std::string& out) {
  const File* f = Get(path);
  if (!f) return false;
  out.append(f->content);
  return true;
}

bool MemoryFileSystem::ReplaceContent(const std::string& path, const std::string& content) {
  if (!failWrites_.empty() && Key(path) == Key(failWrites_)) return false;
  auto it = files_.find(Key(path));
  if (it != files_.end() && (it->second.attributes & kAttrReadOnly)) return false;
  File& f = files_[Key(path)];
  if (f.path.empty()) f.path = path;
  f.content = content;
  return true;
}

uint32_t MemoryFileSystem::GetAttributes(const std::string& path) {
  const File* f = Get(path);
  return f ? f->attributes : kInvalidAttributes;
}

bool MemoryFileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
  attrLog_.emplace_back(path, attributes);
  const uint32_t protecting = kAttrReadOnly | kAttrHidden | kAttrSystem;
  if ((attributes & protecting) && !refuseAttributes_.empty() && Key(path) == Key(refuseAttributes_))
    return false;
  auto it = files_.find(Key(path));
  if (it == files_.end()) return false;
  it->second.attributes = attributes;
  return true;
}

std::vector<FolderEntry> MemoryFileSystem::ListFolder(const std::string& pattern) {
  // "<folder>\<name pattern>", the name pattern with "*" as its only wildcard.
  const std::string key = Key(pattern);
  const size_t slash = key.rfind('\\');
  const std::string folder = key.substr(0, slash + 1);
  const std::string names = key.substr(slash + 1);
  std::vector<FolderEntry> out;
  for (const auto& [path, file] : files_) {
    if (path.compare(0, folder.size(), folder) != 0) continue;
    const std::string rest = path.substr(folder.size());
    if (rest.empty() || rest.find('\\') != std::string::npos || !Matches(rest, names)) continue;
    out.push_back({file.path.substr(folder.size()), file.attributes});
  }
  return out;
}

}  // namespace vconfig
