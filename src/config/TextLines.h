// Configuration and report files as lists of 8-bit lines, without any code-page
// conversion. Reading splits at CR LF, CR or LF and stops at the first NUL; a final
// line break adds no row. Writing puts CR LF after every line and rewrites the
// whole file safely, with its attributes lifted for the write and set back after.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace vconfig {

using TextLines = std::vector<std::string>;

TextLines SplitTextLines(std::string_view bytes);
std::string JoinTextLines(const TextLines& lines);
// What JoinTextLines(SplitTextLines(bytes)) gives, in one pass: the text up to its
// first NUL with every line ended by CR LF.
std::string CrLfText(std::string_view bytes);

// Throws EFileOpenError when the file cannot be read, EFileTooLargeError (before
// reading) when it is larger than the program shows.
TextLines ReadTextLines(FileSystem& fs, const std::string& path);
// The file's text as CrLfText gives it; throws EFileOpenError when it cannot be read.
std::string ReadCrLfText(FileSystem& fs, const std::string& path);

// Rewrites (or creates) the file. Refuses with EBinaryFileError an existing file that
// holds a NUL byte, since its tail after the NUL was never shown. Throws
// EFileCreateError when the content cannot be put in place; the original file then
// stays as it was, attributes included. Throws EAttributesLostError when the content
// was written but a read-only, hidden or system attribute could not be set back.
void WriteTextLines(FileSystem& fs, const std::string& path, const TextLines& lines);

// Same safety rules for content that is already one block of text (the editor's save).
void WriteTextFile(FileSystem& fs, const std::string& path, const std::string& content);

}  // namespace vconfig
