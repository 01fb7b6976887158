// Enumerations, colours and fonts of the section list, shared by its portable row
// model and its window.
#pragma once

#include <string>

#include "markup/Color.h"
#include "markup/Surface.h"

namespace vconfig {

enum TListSectionState { lssExpanded, lssContracted };
enum TSectionAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVAlignment { vtaCenter, vtaTop, vtaBottom };
enum TSectionLines { slNone, slVertical, slHorizontal, slBoth };
enum TFontUsage { fuSubItems, fuSection, fuBoth };
enum TSectionControlType { scText, scCheckbox, scRadiobutton };
enum TSortDirection { sdNone, sdAscending, sdDescending };
enum TActiveSection { asFull, asNodeOnly };
enum TNodeType { lnFlat, ln3D, lnGlyph };
enum TSectionFocus { sfDash, sf3D, sfNone };
enum TScrollStyle { slsNormal, slsFlat, slsEncarta };
enum TTabType { tableft, tabright };

// A font as the list's properties describe it; the window makes the GDI font.
struct SectionListFont {
  std::string Name = "MS Sans Serif";
  int Size = 8;  // points
  TColor Color = clWindowText;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  bool operator==(const SectionListFont& o) const {
    return Name == o.Name && Size == o.Size && Color == o.Color && Bold == o.Bold &&
           Italic == o.Italic && Underline == o.Underline && StrikeOut == o.StrikeOut;
  }
  bool operator!=(const SectionListFont& o) const { return !(*this == o); }

  FontSpec ToFontSpec() const {
    FontSpec f;
    f.face = Name;
    f.size = Size;
    f.color = Color;
    f.style = (Bold ? kFontBold : 0u) | (Italic ? kFontItalic : 0u) |
              (Underline ? kFontUnderline : 0u) | (StrikeOut ? kFontStrikeOut : 0u);
    return f;
  }
};

}  // namespace vconfig
