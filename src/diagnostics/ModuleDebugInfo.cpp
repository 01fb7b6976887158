#include "diagnostics/ModuleDebugInfo.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace vconfig {
namespace {

const std::string kEmpty;

bool ParseHex(const std::string& s, std::uint32_t* out) {
  if (s.empty() || s.size() > 8) return false;
  char* end = nullptr;
  const unsigned long v = std::strtoul(s.c_str(), &end, 16);
  if (*end != '\0') return false;
  *out = static_cast<std::uint32_t>(v);
  return true;
}

bool ParseInt(const std::string& s, int* out) {
  if (s.empty()) return false;
  char* end = nullptr;
  const long v = std::strtol(s.c_str(), &end, 10);
  if (*end != '\0' || v < 0) return false;
  *out = static_cast<int>(v);
  return true;
}

}  // namespace

TModuleDebugInfo::TModuleDebugInfo(std::string fileName, Address handle, std::uint32_t size,
                                   SideFileReader reader)
    : fileName_(std::move(fileName)), handle_(handle), size_(size), reader_(std::move(reader)) {}

void TModuleDebugInfo::EnsureLoaded() const {
  if (loaded_) return;
  loaded_ = true;
  std::string text;
  if (reader_ && reader_(text)) const_cast<TModuleDebugInfo*>(this)->Load(text);
}

bool TModuleDebugInfo::Load(const std::string& text) {
  loaded_ = true;
  procedures_.clear();
  files_.clear();
  lines_.clear();
  hasDebugInfo_ = false;
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line.rfind("DSI 1", 0) != 0) return false;
  bool ok = true;
  while (ok && std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::istringstream fields(line);
    std::string kind, a, b, c;
    fields >> kind >> a;
    std::uint32_t rva = 0;
    if (kind == "P") {
      std::string name;
      std::getline(fields, name);
      const auto start = name.find_first_not_of(' ');
      ok = ParseHex(a, &rva) && start != std::string::npos;
      if (ok) procedures_.push_back({rva, name.substr(start)});
    } else if (kind == "F") {
      int index = 0;
      std::string name;
      std::getline(fields, name);
      const auto start = name.find_first_not_of(' ');
      ok = ParseInt(a, &index) && start != std::string::npos;
      if (ok) {
        if (files_.size() <= static_cast<std::size_t>(index)) files_.resize(index + 1);
        files_[index] = name.substr(start);
      }
    } else if (kind == "L") {
      int file = 0, number = 0;
      fields >> b >> c;
      ok = ParseHex(a, &rva) && ParseInt(b, &file) && ParseInt(c, &number);
      if (ok) lines_.push_back({rva, file, number});
    } else if (kind == "E") {
      ok = ParseHex(a, &rva);
      if (ok) lines_.push_back({rva, -1, -1});
    } else {
      ok = false;
    }
  }
  for (const LineEntry& e : lines_) {
    if (e.fileIndex >= static_cast<int>(files_.size())) ok = false;
  }
  if (!ok) {
    procedures_.clear();
    files_.clear();
    lines_.clear();
    return false;
  }
  std::stable_sort(procedures_.begin(), procedures_.end(),
                   [](const Procedure& x, const Procedure& y) { return x.rva < y.rva; });
  // At one address an end of sequence yields to a line that starts there.
  std::stable_sort(lines_.begin(), lines_.end(), [](const LineEntry& x, const LineEntry& y) {
    if (x.rva != y.rva) return x.rva < y.rva;
    return (x.fileIndex >= 0) < (y.fileIndex >= 0);
  });
  hasDebugInfo_ = !procedures_.empty() || !lines_.empty();
  return true;
}

bool TModuleDebugInfo::HasDebugInfo() const {
  EnsureLoaded();
  return hasDebugInfo_;
}

int TModuleDebugInfo::ProcedureIndex(Address address, std::uint32_t* offset) const {
  EnsureLoaded();
  if (!Contains(address)) return -1;
  const std::uint32_t rva = address - handle_;
  auto it = std::upper_bound(procedures_.begin(), procedures_.end(), rva,
                             [](std::uint32_t v, const Procedure& p) { return v < p.rva; });
  if (it == procedures_.begin()) return -1;
  --it;
  if (offset) *offset = rva - it->rva;
  return static_cast<int>(it - procedures_.begin());
}

const std::string& TModuleDebugInfo::ProcedureName(int index) const {
  if (index < 0 || index >= static_cast<int>(procedures_.size())) return kEmpty;
  return procedures_[index].name;
}

SourcePosition TModuleDebugInfo::LineAt(Address address) const {
  EnsureLoaded();
  if (!Contains(address)) return {};
  const std::uint32_t rva = address - handle_;
  auto it = std::upper_bound(lines_.begin(), lines_.end(), rva,
                             [](std::uint32_t v, const LineEntry& e) { return v < e.rva; });
  if (it == lines_.begin()) return {};
  --it;
  if (it->fileIndex < 0) return {};
  return {it->fileIndex, it->line};
}

const std::string& TModuleDebugInfo::SourceFileName(int index) const {
  if (index < 0 || index >= static_cast<int>(files_.size())) return kEmpty;
  return files_[index];
}

}  // namespace vconfig
