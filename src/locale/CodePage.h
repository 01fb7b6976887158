// Conversions between Unicode and the 8-bit Windows code pages the program's texts
// and the configuration files are written in (1250, 1251, 1252), without the system.
#pragma once

#include <string>
#include <string_view>

namespace vconfig {

// True for the code pages these conversions know.
bool IsKnownCodePage(int codePage);

// UTF-16 little-endian bytes (an odd last byte is ignored; a NUL ends the text) to
// the code page. Characters it lacks become '?', as the system's conversion does.
std::string Utf16LeToCodePage(std::string_view bytes, int codePage);
std::string Utf8ToCodePage(std::string_view utf8, int codePage);
// 8-bit text to UTF-8; bytes the code page leaves undefined become U+FFFD.
std::string CodePageToUtf8(std::string_view text, int codePage);

}  // namespace vconfig
