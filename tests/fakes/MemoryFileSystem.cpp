#include "fakes/MemoryFileSystem.h"

#include <cctype>

namespace vconfig {
namespace {

std::string Key(const std::string& path) {
  std::string s = path;
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
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
  // Only "<folder>\*.*" patterns are needed by the features.
  std::string folder = Key(pattern);
  const std::string star = "\\*.*";
  if (folder.size() >= star.size() && folder.compare(folder.size() - star.size(), star.size(), star) == 0)
    folder.resize(folder.size() - star.size());
  folder += '\\';
  std::vector<FolderEntry> out;
  for (const auto& [key, file] : files_) {
    if (key.compare(0, folder.size(), folder) != 0) continue;
    std::string rest = key.substr(folder.size());
    if (rest.empty() || rest.find('\\') != std::string::npos) continue;
    out.push_back({file.path.substr(folder.size()), file.attributes});
  }
  return out;
}

}  // namespace vconfig
