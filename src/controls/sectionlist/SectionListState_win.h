// Private state of SectionList: GDI caches, the per-row mirror and the
// handlers of the list box's messages.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/WindowRouting_win.h"
#include "controls/sectionlist/SectionList_win.h"
#include "markup/GdiSurface_win.h"

namespace vconfig {

COLORREF ToColorRef(TColor c);

class SectionList::Impl {
 public:
  explicit Impl(SectionList& owner) : lb(owner) {}

  SectionList& lb;

  // Height handed to the list box's WM_MEASUREITEM for the row being inserted.
  int pendingHeight = 0;
  bool inserting = false;
  // Row widths for the horizontal extent (0 for rows that do not count), and the
  // heights the rows were given.
  std::vector<int> rowWidth;
  std::vector<int> rowHeight;
  int extent = 0;

  // The surface that measures markup rows while a batch of rows is inserted.
  std::unique_ptr<GdiSurface> measureSurface;
  HDC measureDc = nullptr;
  SectionListFont measureFont;
  void EndMeasuring() {
    measureSurface.reset();
    measureDc = nullptr;
  }

  UniqueBrush background;  // Color, or the wallpaper as a pattern brush
  std::map<std::string, UniqueFont> fonts;

  HFONT FontFor(const SectionListFont& f);
  const SectionListFont& HeaderFont(const ListSection& s) const;
  const SectionListFont& SubItemFont(const ListSection& s) const;
  int TextHeight(HDC dc);
  int ClientWidth() const;
  int ScrollBarWidth() const { return ::GetSystemMetrics(SM_CXVSCROLL); }

  // Heights and widths. Rows are measured in batches of one DC and font: what every
  // row of a batch shares (the wrap edge, the tab stops, the font's character widths)
  // is read once per batch (SectionListRows_win.cpp).
  struct RowMetrics;
  int MeasureSubItem(const RowMetrics& m, const ListSection& s, const std::string& text);
  int MeasureMarkup(HDC dc, const ListSection& s, const std::string& text);
  int RowExtent(const RowMetrics& m, const ListSection& s, const std::string& text, bool header);
  void InsertRow(int at, const std::string& text, bool header, int height, int width);
  void UpdateExtent();
  void RebuildBackground();

  // Painting (SectionListPaint_win.cpp).
  void DrawItem(const DRAWITEMSTRUCT& di);
  void PaintRow(HDC dc, int row, RECT rc, UINT state);
  struct RowPaint;
  void PaintOwnerDrawnRow(const RowPaint& p);
  void PaintRowBackground(RowPaint& p);
  void DrawRowControl(RowPaint& p);
  void DrawRowImage(RowPaint& p);
  int DrawMarkupRowText(const RowPaint& p);
  int DrawPlainRowText(const RowPaint& p);
  int DrawTabbedRowText(const RowPaint& p, const std::vector<int>& stops);
  int DrawWrappedRowText(const RowPaint& p);
  void DrawRowDecorations(const RowPaint& p);
  void DrawRowFocus(const RowPaint& p, int textRight);
  void DrawNode(HDC dc, const ListSection& s, const RECT& rc);
  void DrawSortMark(HDC dc, const ListSection& s, const RECT& rc);
  void DrawMarkup(HDC dc, const std::string& text, const RECT& rc, bool selected,
                  const FontSpec& font);

  // Input (SectionListInput_win.cpp).
  void LeftButtonDown(WPARAM wp, LPARAM lp);
  void RightButtonDown(int x, int y);
  void DoubleClick(bool right);
  bool KeyDown(WPARAM key);
  bool Char(WPARAM ch);
  void UserToggle(int section);
  bool ToggleCheck(int section, int subitem);
  bool ProbeAnchor(int row, int x, int y, std::string& href);
  void SelectionChanged();
  // The keys the list hands the program, and the context menu from the keyboard.
  bool ProgramKey(UINT msg, WPARAM key);
  // The hand cursor over anchors, and the anchor enter and exit events.
  bool SetCursorForPoint(int x, int y);
  int hoverRow = -1;
  std::string hoverAnchor;

  // Tooltips of rows too wide for the list (SectionListTips_win.cpp): one tool that
  // follows the row under the mouse.
  UniqueWindow tip;
  int tipRow = -1;
  std::string tipText;  // what the tool shows, kept while it shows it
  void RelayToTip(UINT msg, WPARAM wp, LPARAM lp);
  void FollowTipRow(int row);
  void ForgetTipRow();
  bool EnsureTip();
  bool RowOverflows(int row);

  // The list box's own messages, and those it sends its parent, which the parent's
  // routing hands back (SectionListMessages_win.cpp).
  LRESULT HandleList(UINT msg, WPARAM wp, LPARAM lp);
  bool HandleReflected(Reflected& message);
  // The system list box's procedure, behind the list's own class; registers that
  // class on first use (null when it cannot).
  static WNDPROC ListBoxProc();
  // The section list whose window is being created on this thread.
  static SectionList*& Creating();
  LRESULT CallList(UINT msg, WPARAM wp, LPARAM lp) {
    return ::CallWindowProcA(ListBoxProc(), lb.hwnd_, msg, wp, lp);
  }
};

}  // namespace vconfig
