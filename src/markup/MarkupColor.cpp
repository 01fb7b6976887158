#include "markup/MarkupColor.h"

#include <cstddef>

namespace vconfig {
namespace {

struct NamedColor {
  const char* name;
  TColor value;
};

constexpr NamedColor kNamedColors[] = {
    {"clred", clRed},
    {"clblack", clBlack},
    {"clblue", clBlue},
    {"clgreen", clGreen},
    {"claqua", clAqua},
    {"clyellow", clYellow},
    {"clfuchsia", clFuchsia},
    {"clwhite", clWhite},
    {"cllime", clLime},
    {"clsilver", clSilver},
    {"clgray", clGray},
    {"clolive", clOlive},
    {"clnavy", clNavy},
    {"clpurple", clPurple},
    {"clteal", clTeal},
    {"clmaroon", clMaroon},
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
};

// The markup's digit reader: "0"-"9" and "A"-"F" only (attribute texts arrive
// upper-cased); anything else reads as 0.
unsigned HexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  return 0;
}

unsigned HexPair(std::string_view text, std::size_t at) {
  unsigned hi = at < text.size() ? HexDigit(text[at]) : 0;
  unsigned lo = at + 1 < text.size() ? HexDigit(text[at + 1]) : 0;
  return hi * 16 + lo;
}

}  // namespace

TColor MarkupColorByName(std::string_view lowerName) {
  for (const NamedColor& c : kNamedColors) {
    if (lowerName == c.name) return c.value;
  }
  return clBlack;
}

TColor MarkupColorFromHex(std::string_view text) {
  // Characters 2-3 red, 4-5 green, 6-7 blue, after the "#".
  return RgbColor(HexPair(text, 1), HexPair(text, 3), HexPair(text, 5));
}

}  // namespace vconfig
