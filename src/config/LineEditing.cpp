#include "config/LineEditing.h"

#include "config/ContentReaders.h"
#include "diagnostics/Errors.h"

namespace vconfig {
namespace {

// Whether the lines give exactly the rows shown: the list shows a line holding "</"
// escaped, every other line as it is.
bool ShowsAs(const TextLines& lines, const TextLines& shown) {
  if (lines.size() != shown.size()) return false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const bool plain = line.find("</") == std::string_view::npos;
    if (plain ? line != shown[i] : PlainTextRow(line) != shown[i]) return false;
  }
  return true;
}

}  // namespace

TextLines ReadLinesForChange(FileSystem& fs, const std::string& path) {
  if (!fs.FileExists(path)) return {};
  CheckShownFileSize(fs, path);
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
    lines.insert(static_cast<size_t>(index), text);
    return;
  }
  if (index < 0) {
    lines.push_back(text);
    return;
  }
  if (index >= count) throw EListIndexError(index);
  lines.replace(static_cast<size_t>(index), text);
}

TextLines ReadShownLines(FileSystem& fs, const std::string& path, const TextLines& shown) {
  TextLines lines = ReadLinesForChange(fs, path);
  if (!ShowsAs(lines, shown)) throw EFileChangedError(path);
  return lines;
}

TextLines PrepareLineChange(FileSystem& fs, const std::string& path, const TextLines& shown,
                            LineEditMode mode, int index, const std::string& text) {
  TextLines lines = ReadShownLines(fs, path, shown);
  ApplyLineChange(lines, mode, index, text);
  return lines;
}

std::optional<std::string> LineForEditing(FileSystem& fs, const std::string& path,
                                          const TextLines& shown, int index) {
  const TextLines lines = ReadShownLines(fs, path, shown);
  if (lines.empty()) return std::nullopt;
  if (index < 0 || index >= static_cast<long>(lines.size())) throw EListIndexError(index);
  return std::string(lines[static_cast<size_t>(index)]);
}

bool RemoveLine(FileSystem& fs, const std::string& path, const TextLines& shown, int index,
                const std::function<bool(const std::string& line)>& agree) {
  TextLines lines = ReadShownLines(fs, path, shown);
  if (index < 0 || index >= static_cast<long>(lines.size())) return false;
  if (!agree(std::string(lines[static_cast<size_t>(index)]))) return false;
  lines = ReadShownLines(fs, path, shown);
  lines.erase(static_cast<size_t>(index));
  WriteTextLines(fs, path, lines);
  return true;
}

}  // namespace vconfig
