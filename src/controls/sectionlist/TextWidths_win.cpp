#include "controls/sectionlist/TextWidths_win.h"

#include <cstring>

namespace vconfig {
namespace {

// GDI adds nothing to the advance widths unless character spacing or justification is
// set, or the code page pairs bytes into one character.
bool WidthsAddUp(HDC dc) {
  CPINFO cp{};
  if (!::GetCPInfo(CP_ACP, &cp) || cp.MaxCharSize != 1) return false;
  return ::GetTextCharacterExtra(dc) == 0;
}

}  // namespace

TextWidths::TextWidths(HDC dc) : dc_(dc) {
  summed_ = WidthsAddUp(dc) && ::GetCharWidth32A(dc, 0, 255, widths_);
}

int TextWidths::Width(std::string_view text) const {
  if (summed_) {
    int width = 0;
    for (unsigned char c : text) width += widths_[c];
    return width;
  }
  SIZE size{};
  ::GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int TextWidths::TabbedWidth(std::string_view text, const int* stops, int stopCount) const {
  if (summed_ && std::memchr(text.data(), '\t', text.size()) == nullptr) return Width(text);
  const DWORD extent = ::GetTabbedTextExtentA(dc_, text.data(), static_cast<int>(text.size()),
                                              stopCount, const_cast<int*>(stops));
  return LOWORD(extent);
}

}  // namespace vconfig
