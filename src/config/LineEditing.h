// Line-wise changes to a configuration file. Every change reads the file afresh,
// changes one line in memory and rewrites the whole file safely; nothing is written
// unless the change is complete and the user agreed to it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "config/TextLines.h"
#include "platform/FileSystem.h"

namespace vconfig {

enum class LineEditMode { New, Edit };

// The file's current lines, empty when there is no file. Throws EFileOpenError when
// it cannot be read, EFileTooLargeError when it is larger than the program shows and
// EBinaryFileError when it holds a NUL byte: its lines end at
// that byte, so any rewrite would lose the rest.
TextLines ReadLinesForChange(FileSystem& fs, const std::string& path);

// New: the text goes before line `index`, or at the end when the file has no lines
// or the index is -1 (a section's title row). Edit: the text replaces line `index`,
// or goes at the end when the index is -1. Throws EListIndexError when the index
// lies beyond the lines, as happens when the file changed behind the list.
void ApplyLineChange(TextLines& lines, LineEditMode mode, int index, const std::string& text);

// The file's current lines, checked against the rows the list shows for it
// (PlainTextRow of each line): a command writes only over the lines the user saw. Throws EFileChangedError when they
// differ (the file was changed behind the list), besides the errors of
// ReadLinesForChange.
TextLines ReadShownLines(FileSystem& fs, const std::string& path, const TextLines& shown);

// Reads the file, checks it against the lines shown and applies the change; the
// caller writes the result with WriteTextLines.
TextLines PrepareLineChange(FileSystem& fs, const std::string& path, const TextLines& shown,
                            LineEditMode mode, int index, const std::string& text);

// The line an edit starts from: none when the file is missing or has no lines.
// Throws EFileChangedError as ReadShownLines, and EListIndexError when the file has
// lines but not this one.
std::optional<std::string> LineForEditing(FileSystem& fs, const std::string& path,
                                          const TextLines& shown, int index);

// Removes line `index` when `agree` accepts its text. Nothing is written when there is
// no such line or the answer is no. The file is checked against the lines shown before
// the question and again before the write (it may change while the question waits).
// Returns whether the file was rewritten.
bool RemoveLine(FileSystem& fs, const std::string& path, const TextLines& shown, int index,
                const std::function<bool(const std::string& line)>& agree);

}  // namespace vconfig
