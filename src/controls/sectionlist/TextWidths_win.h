// Widths of plain text in the font selected into a DC, for measuring many rows at
// once: in a single-byte code page a run's width is the sum of its characters'
// advance widths, read once per font instead of asking GDI for every row.
#pragma once

#include <windows.h>

#include <string_view>

namespace vconfig {

class TextWidths {
 public:
  // Reads the advance widths of the DC's current font (when the code page allows).
  explicit TextWidths(HDC dc);

  // What GetTextExtentPoint32A gives as the width of the text.
  int Width(std::string_view text) const;
  // What GetTabbedTextExtentA gives as the width, with the tab stops given.
  int TabbedWidth(std::string_view text, const int* stops, int stopCount) const;
  // Whether widths are sums of the font's character widths (else GDI measures each).
  bool Summed() const { return summed_; }

 private:
  HDC dc_;  // not owned
  bool summed_ = false;
  int widths_[256] = {};
};

}  // namespace vconfig
