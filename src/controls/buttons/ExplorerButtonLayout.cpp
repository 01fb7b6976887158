#include "controls/buttons/ExplorerButtonLayout.h"

#include <cctype>

namespace vconfig {

BtnPlacement PlaceGlyphAndText(const BtnPlacementInput& in) {
  const int a = in.usableWidth;
  const int h = in.height;
  const int gap = in.gap;
  int tw = in.textWidth;
  const int th = in.textHeight;
  const int gw = in.hasGlyph ? in.glyphWidth : 0;
  const int gh = in.hasGlyph ? in.glyphHeight : 0;
  BtnPlacement p;
  int textLeft = 0;
  int textTop = 0;

  if (!in.hasGlyph) {
    textTop = (h - th) / 2;
    switch (in.alignment) {
      case TExplBtnAlignment::taLeftJustify: textLeft = 3; break;
      case TExplBtnAlignment::taRightJustify: textLeft = a - tw - 3; break;
      case TExplBtnAlignment::taCenter: textLeft = (a - tw) / 2; break;
    }
  } else if (in.layout == TExplBtnLayout::blBitmapLeft ||
             in.layout == TExplBtnLayout::blBitmapRight) {
    if (a - 4 < gw + tw + gap) tw = a - 4 - gap - gw;
    if (tw < 0) tw = 0;
    p.glyphTop = (h - gh) / 2;
    textTop = (h - th) / 2;
    const bool left = in.layout == TExplBtnLayout::blBitmapLeft;
    switch (in.alignment) {
      case TExplBtnAlignment::taLeftJustify:
        if (left) {
          p.glyphLeft = 3;
          textLeft = 3 + gw + gap;
        } else {
          textLeft = 3;
          p.glyphLeft = tw + gap + 3;
        }
        break;
      case TExplBtnAlignment::taRightJustify:
        if (left) {
          textLeft = a - tw - 3;
          p.glyphLeft = textLeft - gw - gap;
        } else {
          p.glyphLeft = a - gw - 3;
          textLeft = p.glyphLeft - gap - tw;
        }
        break;
      case TExplBtnAlignment::taCenter:
        if (left) {
          p.glyphLeft = (a - (gw + tw + gap)) / 2;
          textLeft = p.glyphLeft + gw + gap;
        } else {
          textLeft = (a - (gw + tw + gap)) / 2;
          p.glyphLeft = textLeft + tw + gap;
        }
        break;
    }
  } else {
    const int f = h - th - gh - gap;
    if (in.layout == TExplBtnLayout::blBitmapTop) {
      p.glyphTop = f / 2;
      textTop = f / 2 + gh + gap;
    } else {
      textTop = f / 2;
      p.glyphTop = f / 2 + th + gap;
    }
    switch (in.alignment) {
      case TExplBtnAlignment::taLeftJustify:
        textLeft = 3;
        p.glyphLeft = 3;
        break;
      case TExplBtnAlignment::taRightJustify:
        textLeft = a - tw - 3;
        p.glyphLeft = a - gw - 3;
        break;
      case TExplBtnAlignment::taCenter:
        textLeft = (a - tw) / 2;
        p.glyphLeft = (a - gw) / 2;
        break;
    }
  }
  // Wrapped text must end at least 5 pixels before the usable width.
  if (in.wordWrap && textLeft + tw > a - 5) tw = a - 5 - textLeft;
  if (tw < 0) tw = 0;
  p.text = {textLeft, textTop, textLeft + tw, textTop + th};
  return p;
}

InactiveShade InactiveShadeFor(TExplBtnShadingType type, int red, int green, int blue) {
  struct Thresholds {
    int white, highlight, shadow;
  };
  static constexpr Thresholds kRows[] = {
      {205, 127, 68},   // stLight
      {553, 231, 57},   // stMedium
      {335, 274, 175},  // stDark
  };
  const Thresholds& t = kRows[static_cast<int>(type)];
  const int sum = red + green + blue;
  if (sum > t.white) return InactiveShade::kWhite;
  if (sum > t.highlight) return InactiveShade::kHighlight;
  if (sum > t.shadow) return InactiveShade::kShadow;
  return InactiveShade::kBlack;
}

char CaptionAccelerator(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;  // "&&" is a literal ampersand
      continue;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}

}  // namespace vconfig
