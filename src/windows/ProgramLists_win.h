// The settings of the program's three section lists (the source tree, the content
// list and the report window's list), in one place so that the windows and the tests
// that stand in for them set up the same lists.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "controls/sectionlist/SectionList_win.h"

namespace vconfig {

// The bitmaps and images a list shows; not owned, they must outlive the list.
struct ListArtwork {
  HBITMAP wallpaper = nullptr;
  HBITMAP expandGlyph = nullptr;
  HBITMAP contractGlyph = nullptr;
  HIMAGELIST sectionImages = nullptr;
  HIMAGELIST subItemImages = nullptr;
};

// Each applies to a created list, before its sections are added.
void ApplySourceTreeSettings(SectionList& list, const ListArtwork& art);
void ApplyContentListSettings(SectionList& list, const ListArtwork& art);
void ApplyReportListSettings(SectionList& list, const ListArtwork& art);

}  // namespace vconfig
