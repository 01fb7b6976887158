#include "diagnostics/ModuleDebugInfo.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace vconfig {
namespace {

const std::string kEmpty;

// A cursor over one line of the side file.
class Fields {
 public:
  Fields(const char* begin, const char* end) : at_(begin), end_(end) {}
  // The next blank-separated word.
  std::string_view Word() {
    while (at_ < end_ && *at_ == ' ') ++at_;
    const char* start = at_;
    while (at_ < end_ && *at_ != ' ') ++at_;
    return std::string_view(start, static_cast<std::size_t>(at_ - start));
  }
  // The rest of the line after one blank.
  std::string_view Rest() {
    if (at_ < end_ && *at_ == ' ') ++at_;
    std::string_view rest(at_, static_cast<std::size_t>(end_ - at_));
    at_ = end_;
    return rest;
  }

 private:
  const char* at_;
  const char* end_;
};

bool ParseNumber(std::string_view s, int base, std::uint32_t* out) {
  if (s.empty() || s.size() > 10) return false;
  std::uint64_t v = 0;
  for (char ch : s) {
    int digit = -1;
    if (ch >= '0' && ch <= '9') digit = ch - '0';
    else if (base == 16 && ch >= 'a' && ch <= 'f') digit = ch - 'a' + 10;
    else if (base == 16 && ch >= 'A' && ch <= 'F') digit = ch - 'A' + 10;
    if (digit < 0) return false;
    v = v * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
  }
  if (v > 0xFFFFFFFFu) return false;
  *out = static_cast<std::uint32_t>(v);
  return true;
}

}  // namespace

ModuleDebugInfo::ModuleDebugInfo(std::string fileName, Address handle, std::uint32_t size,
                                   SideFileReader reader)
    : fileName_(std::move(fileName)), handle_(handle), size_(size), reader_(std::move(reader)) {}

void ModuleDebugInfo::EnsureLoaded() const {
  if (loaded_) return;
  loaded_ = true;
  std::string text;
  if (reader_ && reader_(text)) const_cast<ModuleDebugInfo*>(this)->Load(text);
}

bool ModuleDebugInfo::Load(const std::string& text) {
  loaded_ = true;
  procedures_.clear();
  files_.clear();
  lines_.clear();
  hasDebugInfo_ = false;
  const char* at = text.data();
  const char* const end = at + text.size();
  bool ok = text.rfind("DSI 1", 0) == 0;
  bool header = true;
  while (ok && at < end) {
    const char* eol = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
    if (!eol) eol = end;
    const char* lineEnd = eol > at && eol[-1] == '\r' ? eol - 1 : eol;
    Fields fields(at, lineEnd);
    at = eol + (eol < end ? 1 : 0);
    if (header) {
      header = false;
      continue;
    }
    const std::string_view kind = fields.Word();
    std::uint32_t a = 0, b = 0, c = 0;
    if (kind.empty()) {
      continue;
    } else if (kind == "P") {
      ok = ParseNumber(fields.Word(), 16, &a);
      const std::string_view name = fields.Rest();
      ok = ok && !name.empty();
      if (ok) procedures_.push_back({a, std::string(name)});
    } else if (kind == "F") {
      ok = ParseNumber(fields.Word(), 10, &a) && a < 100000;
      const std::string_view name = fields.Rest();
      ok = ok && !name.empty();
      if (ok) {
        if (files_.size() <= a) files_.resize(a + 1);
        files_[a] = std::string(name);
      }
    } else if (kind == "L") {
      ok = ParseNumber(fields.Word(), 16, &a) && ParseNumber(fields.Word(), 10, &b) &&
           ParseNumber(fields.Word(), 10, &c) && b < 100000 && c <= 0x7FFFFFFF;
      if (ok) lines_.push_back({a, static_cast<int>(b), static_cast<int>(c)});
    } else if (kind == "E") {
      ok = ParseNumber(fields.Word(), 16, &a);
      if (ok) lines_.push_back({a, -1, -1});
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

bool ModuleDebugInfo::HasDebugInfo() const {
  EnsureLoaded();
  return hasDebugInfo_;
}

int ModuleDebugInfo::ProcedureIndex(Address address, std::uint32_t* offset) const {
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

const std::string& ModuleDebugInfo::ProcedureName(int index) const {
  if (index < 0 || index >= static_cast<int>(procedures_.size())) return kEmpty;
  return procedures_[index].name;
}

SourcePosition ModuleDebugInfo::LineAt(Address address) const {
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

const std::string& ModuleDebugInfo::SourceFileName(int index) const {
  if (index < 0 || index >= static_cast<int>(files_.size())) return kEmpty;
  return files_[index];
}

}  // namespace vconfig
