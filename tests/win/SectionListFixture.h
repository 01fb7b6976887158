// A test form holding one section list, set up as one of the program's three lists,
// with simple bitmaps for glyphs and wallpaper.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/Form_win.h"
#include "controls/sectionlist/SectionList_win.h"
#include "platform/Handles_win.h"

namespace vtest {

enum class ListConfig { Sources, Content, Report };

// A bitmap of one colour with an optional triangle in another (glyphs, wallpaper).
vconfig::UniqueBitmap MakeBitmap(int w, int h, COLORREF ground, COLORREF mark, bool pointDown);

// A form of the program's kind: its routing hands the list its notifications.
class ListHostForm : public vconfig::Form {
 public:
  bool Open(int width, int height, bool visible);
};

class SectionListHost {
 public:
  // Hidden unless shown: hiding a shown window costs Wine seconds without a window manager.
  explicit SectionListHost(ListConfig config, int width = 300, int height = 260,
                           bool visible = false);
  ~SectionListHost();
  SectionListHost(const SectionListHost&) = delete;
  SectionListHost& operator=(const SectionListHost&) = delete;

  vconfig::SectionList& list() { return *list_; }
  HWND window() const { return window_.hwnd(); }
  std::vector<std::string>& events() { return events_; }
  // Records every event the control raises, as "Name(s,i)".
  void RecordEvents();

  void Click(int x, int y, bool right = false);
  void ClickRow(int row, int x = 60);
  void Key(WPARAM vk);
  void Char(char ch);
  // Paints one row into a memory DC and returns the colour at (x, y) of the row.
  COLORREF RowPixel(int row, int x, int y, UINT state);

 private:
  ListHostForm window_;
  std::unique_ptr<vconfig::SectionList> list_;
  vconfig::UniqueBitmap expandGlyph_, contractGlyph_, wallpaper_;
  std::vector<std::string> events_;
};

}  // namespace vtest
