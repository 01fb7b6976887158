#include "windows/ProgramLists_win.h"

namespace vconfig {
namespace {

constexpr TColor kTreeSectionColor = 9621720;       // #D8D092
constexpr TColor kContentSectionColor = 14408667;  // #DBDBDB

// What all three share: full-row focus, dashed section focus, glyph nodes, normal
// scroll bars, no address detection, navy text on a selected row.
void ApplyCommonSettings(SectionList& list, const ListArtwork& art) {
  list.FullFocus = true;
  list.SectionFocus = sfDash;
  list.ActiveSection = asFull;
  list.NodeType = lnGlyph;
  list.ExpandGlyph = art.expandGlyph;
  list.ContractGlyph = art.contractGlyph;
  list.SetScrollStyle(slsNormal);
  list.URLSettings().SetURLAware(false);
  list.SelectionColor = clHighlight;
  // Over the wallpaper a selected row is not filled: only this colour shows it.
  list.SelectionTextColor = clNavy;
  list.SectionImages = art.sectionImages;
  list.SubItemImages = art.subItemImages;
  list.SetSectionHeight(20);
  list.SetSubItemHeight(20);
  list.SectionIndent = 14;
  list.SubItemIndent = 14;
}

}  // namespace

void ApplySourceTreeSettings(SectionList& list, const ListArtwork& art) {
  ApplyCommonSettings(list, art);
  list.SetColor(clInfoBk);
  list.SectionColor = kTreeSectionColor;
  list.SetWallpaper(art.wallpaper);
  list.TabPositions().Add(80, tableft);
  list.SetWordWrap(false);
  list.SetOneExpanded(false);
  list.ScrollWidth = 16;
  SectionListFont sectionFont = list.SectionFont();
  sectionFont.Color = clBackground;
  list.SetSectionFont(sectionFont);
}

void ApplyContentListSettings(SectionList& list, const ListArtwork& art) {
  ApplyCommonSettings(list, art);
  list.SetWordWrap(true);
  list.SetWallpaper(art.wallpaper);
  list.SectionColor = kContentSectionColor;
  list.ExpandDisable = true;
  list.ContractDisable = true;
  list.ScrollWidth = 10;
}

void ApplyReportListSettings(SectionList& list, const ListArtwork& art) {
  ApplyCommonSettings(list, art);
  list.SetColor(clInfoBk);
  SectionListFont font = list.Font();
  font.Bold = true;
  list.SetFont(font);
  list.SetSectionFont(font);
  list.TabPositions().Add(80, tableft);
  list.SectionColor = RgbColor(216, 208, 146);
  list.ScrollWidth = 16;
  list.SetWallpaper(art.wallpaper);
  list.SetWordWrap(false);
  list.SetOneExpanded(false);
}

}  // namespace vconfig
