// Enumerations, colours and fonts of the section list, shared by its portable row
// model and its window.
#pragma once

#include <cstdint>
#include <string>

namespace vconfig {

// RGB with red in the low byte, or 0x80000000 plus a system colour index.
using TColor = std::uint32_t;

namespace sl {
constexpr TColor kSystemColor = 0x80000000u;
constexpr TColor kNone = 0x1FFFFFFFu;
constexpr TColor kBlue = 0xFF0000u;
constexpr TColor kNavy = 0x800000u;
constexpr TColor kGray = 0x808080u;
constexpr TColor kWhite = 0xFFFFFFu;
constexpr TColor kBlack = 0x000000u;
constexpr TColor kWindow = kSystemColor + 5;
constexpr TColor kWindowText = kSystemColor + 8;
constexpr TColor kHighlight = kSystemColor + 13;
constexpr TColor kHighlightText = kSystemColor + 14;
constexpr TColor kBtnFace = kSystemColor + 15;
constexpr TColor kInfoBk = kSystemColor + 24;
}  // namespace sl

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
  TColor Color = sl::kWindowText;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  bool operator==(const SectionListFont& o) const {
    return Name == o.Name && Size == o.Size && Color == o.Color && Bold == o.Bold &&
           Italic == o.Italic && Underline == o.Underline && StrikeOut == o.StrikeOut;
  }
  bool operator!=(const SectionListFont& o) const { return !(*this == o); }
};

}  // namespace vconfig
