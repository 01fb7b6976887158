#include "config/TextLines.h"

#include "diagnostics/Errors.h"

namespace vconfig {

TextLines SplitTextLines(std::string_view bytes) {
  const size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  TextLines lines;
  size_t start = 0;
  size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(bytes.substr(start, i - start));
      i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string JoinTextLines(const TextLines& lines) {
  size_t size = 0;
  for (const auto& l : lines) size += l.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

TextLines ReadTextLines(FileSystem& fs, const std::string& path) {
  CheckShownFileSize(fs, path);
  auto content = fs.ReadBytes(path);
  if (!content) throw EFileOpenError(path);
  return SplitTextLines(*content);
}

namespace {

// Sets the attributes back and checks that the protecting ones hold again: a file
// system may accept the call and still drop them.
bool RestoreAttributes(FileSystem& fs, const std::string& path, uint32_t attrs) {
  constexpr uint32_t kProtecting = kAttrReadOnly | kAttrHidden | kAttrSystem;
  const bool set = fs.SetAttributes(path, attrs);
  if ((attrs & kProtecting) == 0) return true;
  const uint32_t now = fs.GetAttributes(path);
  return set && now != kInvalidAttributes && (now & kProtecting) == (attrs & kProtecting);
}

}  // namespace

void WriteTextFile(FileSystem& fs, const std::string& path, const std::string& content) {
  const uint32_t attrs = fs.GetAttributes(path);
  const bool exists = attrs != kInvalidAttributes;
  if (exists) {
    auto old = fs.ReadBytes(path);
    if (!old) throw EFileCreateError(path);
    if (old->find('\0') != std::string::npos) throw EBinaryFileError(path);
  }
  const uint32_t lifted = kAttrReadOnly | kAttrHidden | kAttrSystem;
  const bool lift = exists && (attrs & lifted) != 0;
  if (lift) fs.SetAttributes(path, attrs & ~lifted);
  const bool written = fs.ReplaceContent(path, content);
  // Set the attributes back in both cases: a replace may drop them.
  const bool restored = !exists || RestoreAttributes(fs, path, attrs);
  if (!written) throw EFileCreateError(path);
  if (!restored) throw EAttributesLostError(path);
}

void WriteTextLines(FileSystem& fs, const std::string& path, const TextLines& lines) {
  WriteTextFile(fs, path, JoinTextLines(lines));
}

}  // namespace vconfig
