// The clipboard, for copying text out of the program.
#pragma once

#include <windows.h>

#include <string>

namespace vconfig {

// Puts 8-bit text of the ANSI code page on the clipboard as it is (CF_TEXT) and
// converted from that code page (CF_UNICODETEXT), replacing what was there. False
// when the clipboard cannot be had or filled; it then holds what it held before or
// nothing.
bool PutTextOnClipboard(HWND owner, const std::string& text);

}  // namespace vconfig
