#include "config/LineEditing.h"

#include "diagnostics/Errors.h"

namespace vconfig {

TextLines ReadLinesForChange(FileSystem& fs, const std::string& path) {
  if (!fs.FileExists(path)) return {};
  const auto content = fs.ReadBytes(path);
  if (!content) throw EFileOpenError(path);
  if (content->find('\0') != std::string::npos) throw EBinaryFileError(path);
  return SplitTextLines(*content);
}

void ApplyLineChange(TextLines& lines, LineEditMode mode, int index, const std::string& text) {
  const long count = static_cast<long>(lines.size());
  if (mode == LineEditMode::New) {
    if (lines.empty() || index < 0) {
      lines.push_back(text);
      return;
    }
    // Inserting at the very end is still an insertion before "nothing".
    if (index > count) throw EListIndexError(index);
    lines.insert(lines.begin() + index, text);
    return;
  }
  if (index < 0) {
    lines.push_back(text);
    return;
  }
  if (index >= count) throw EListIndexError(index);
  lines[index] = text;
}

TextLines PrepareLineChange(FileSystem& fs, const std::string& path, LineEditMode mode, int index,
                            const std::string& text) {
  TextLines lines = ReadLinesForChange(fs, path);
  ApplyLineChange(lines, mode, index, text);
  return lines;
}

std::optional<std::string> LineForEditing(FileSystem& fs, const std::string& path, int index) {
  const TextLines lines = ReadLinesForChange(fs, path);
  if (lines.empty()) return std::nullopt;
  if (index < 0 || index >= static_cast<long>(lines.size())) throw EListIndexError(index);
  return lines[index];
}

bool RemoveLine(FileSystem& fs, const std::string& path, int index,
                const std::function<bool(const std::string& line)>& agree) {
  TextLines lines = ReadLinesForChange(fs, path);
  if (index < 0 || index >= static_cast<long>(lines.size())) return false;
  if (!agree(lines[index])) return false;
  lines.erase(lines.begin() + index);
  WriteTextLines(fs, path, lines);
  return true;
}

}  // namespace vconfig
