// The explorer-style button's placement of glyph and caption, and the colour rule
// of its inactive (gray) glyph copy. Portable, so every layout can be checked exactly.
#pragma once

#include <cstdint>
#include <string>

namespace vconfig {

enum class TExplBtnLayout { blBitmapTop, blBitmapBottom, blBitmapLeft, blBitmapRight };
enum class TExplBtnAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TExplBtnShadingType { stLight, stMedium, stDark };

struct BtnRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const BtnRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

struct BtnPlacementInput {
  int usableWidth = 0;  // A: the button width (less 11 with the office drop-down style)
  int height = 0;       // H
  int textWidth = 0;    // TW as measured, already limited to A - 4; 0 without text
  int textHeight = 0;   // TH; 0 without text
  int gap = 0;          // 2 with text, else 0
  bool hasGlyph = false;
  int glyphWidth = 0;  // GW
  int glyphHeight = 0;  // GH
  TExplBtnLayout layout = TExplBtnLayout::blBitmapTop;
  TExplBtnAlignment alignment = TExplBtnAlignment::taCenter;
  bool wordWrap = false;
};

struct BtnPlacement {
  int glyphLeft = 0;
  int glyphTop = 0;
  BtnRect text;  // (text left, text top, text left + TW, text top + TH)
};

BtnPlacement PlaceGlyphAndText(const BtnPlacementInput& in);

// Which colour a pixel of the inactive copy takes.
enum class InactiveShade { kWhite, kHighlight, kShadow, kBlack };
InactiveShade InactiveShadeFor(TExplBtnShadingType type, int red, int green, int blue);

// Is the 8 x 8 down-pattern pixel at (x, y) the highlight colour (else button face)?
inline bool DownPatternIsHighlight(int x, int y) { return (x & 1) == (y & 1); }

// The letter after a single "&" in a caption, upper-cased; 0 when there is none.
char CaptionAccelerator(const std::string& caption);

}  // namespace vconfig
