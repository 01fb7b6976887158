// SectionList: sections of rows over an owner-drawn list box with variable row
// heights. Header rows carry item data 1, sub-item rows 0; LB_GETTEXT reads a row's
// text. Rows whose text holds "</" are drawn as item markup. The list box is a window
// class of this module's own, built on the system's list box under its name "ListBox". Its parent must
// be one of the program's windows (a form, a panel, a custom control): their routing
// hands back what the list box sends its parent (row heights, drawing, colours,
// notifications).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/sectionlist/SectionList.h"
#include "platform/Handles_win.h"

namespace vconfig {

class SectionList;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

struct SectionListArgs {
  int x = 0;
  int y = 0;
  int width = 200;
  int height = 200;
  int id = 0;
  bool multiSelect = false;
};

class SectionList : private SectionRowHost {
 public:
  using Sender = SectionList*;

  SectionList();
  ~SectionList() override;
  SectionList(const SectionList&) = delete;
  SectionList& operator=(const SectionList&) = delete;

  // Creates the list box as a child of parent. Sections may be added before or after.
  bool Create(HWND parent, const SectionListArgs& args);
  HWND hwnd() const { return hwnd_; }

  // ---- Properties (defaults as on creation) ----
  ListSectionCollection& Sections() { return sections_; }
  const ListSectionCollection& Sections() const { return sections_; }
  TabPositionCollection& TabPositions() { return tabs_; }
  UrlSettings& URLSettings() { return url_; }

  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);  // recomputes row heights
  int SubItemHeight() const { return subItemHeight_; }
  void SetSubItemHeight(int h);  // 13
  int SectionHeight() const { return sectionHeight_; }
  void SetSectionHeight(int h);  // 14
  HBITMAP Wallpaper() const { return wallpaper_; }
  void SetWallpaper(HBITMAP bmp);  // not owned; nullptr: none
  bool OneExpanded() const { return oneExpanded_; }
  void SetOneExpanded(bool on);  // on: expands the first section, contracts the rest
  TColor Color() const { return color_; }
  void SetColor(TColor c);  // clWindow
  const SectionListFont& Font() const { return font_; }
  void SetFont(const SectionListFont& f);
  const SectionListFont& SectionFont() const { return sectionFont_; }
  void SetSectionFont(const SectionListFont& f);
  TScrollStyle ScrollStyle() const { return scrollStyle_; }
  void SetScrollStyle(TScrollStyle s);  // slsNormal

  // Plain properties; changing one on a shown list takes effect at the next paint
  // (call Invalidate()).
  bool TabPosMove = false;
  bool FullFocus = true;
  short ImageSpacing = 0;
  int SectionIndent = 14;
  int SubItemIndent = 14;
  HIMAGELIST SectionImages = nullptr;  // not owned
  HIMAGELIST SubItemImages = nullptr;  // not owned
  bool Flat = false;
  bool ExpandDisable = false;
  bool ContractDisable = false;
  HBITMAP ExpandGlyph = nullptr;    // not owned
  HBITMAP ContractGlyph = nullptr;  // not owned
  TColor SectionColor = clBtnFace;
  TActiveSection ActiveSection = asFull;
  TNodeType NodeType = lnFlat;
  TSectionFocus SectionFocus = sfDash;
  bool ScrollTrack = true;
  TColor ScrollColor = clNone;
  int ScrollWidth = 0;  // 0: the system's scroll bar width
  TColor SelectionColor = clHighlight;
  TColor SelectionTextColor = clHighlightText;
  // Rows whose text does not fit the list show it whole in a tooltip while the mouse
  // rests on them (the text from OnRowTipText, else the row's own).
  bool RowTips = false;

  // ---- Events (the sender first; unassigned ones are skipped) ----
  std::function<void(Sender, int SectionIdx)> OnExpandSection;
  std::function<void(Sender, int SectionIdx)> OnContractSection;
  std::function<void(Sender, int SectionIdx)> OnSectionClick;
  std::function<void(Sender, int SectionIdx)> OnSectionRClick;
  std::function<void(Sender, int SectionIdx)> OnSectionDblClk;
  std::function<void(Sender, int SectionIdx, int subitemidx)> OnSubItemClick;
  std::function<void(Sender, int SectionIdx, int subitemidx)> OnSubItemRClick;
  std::function<void(Sender, int SectionIdx, int subitemidx)> OnSubItemDblClk;
  std::function<void(Sender, int SectionIdx, int subitemidx)> OnSubItemRDblClk;
  std::function<void(Sender, int SectionIdx, int subitemidx)> OnCheckBoxClick;
  std::function<void(Sender, int SectionIdx, int subitemidx)> OnRadioClick;
  std::function<void(Sender, int SectionIdx, int subitemidx)> OnChange;
  std::function<void(Sender, int SectionIdx, int subitemidx, std::string& subitem)> OnInsertSubItem;
  std::function<void(Sender, int SectionIdx, ListSection& section)> OnInsertSection;
  std::function<void(Sender, int SectionIdx, int subitemidx, bool& allow)> OnDeleteSubItem;
  std::function<void(Sender, int SectionIdx, bool& allow)> OnDeleteSection;
  std::function<void(Sender, ListSection& section, int SectionIdx, int subitemidx, HDC Canvas,
                     const RECT& arect, UINT astate)>
      OnDrawItem;
  std::function<void(Sender, ListSection& section, int SectionIdx, int subitemidx, HDC Canvas)>
      OnDrawItemProp;
  std::function<void(Sender, int index, const std::string& anchor)> OnAnchorClick;
  std::function<void(Sender, int index, const std::string& anchor)> OnAnchorEnter;
  std::function<void(Sender, int index, const std::string& anchor)> OnAnchorExit;
  // Keys the list leaves to the program (Space, Escape, Insert and Delete stay the
  // list's own): true when the handler took the key, which then goes no further.
  std::function<bool(Sender, WPARAM key)> OnKeyDown;
  // The context menu asked for from the keyboard: Shift+F10 or the menu key.
  std::function<void(Sender)> OnContextMenuKey;
  // The whole text of a row for its tooltip.
  std::function<std::string(Sender, int SectionIdx, int subitemidx)> OnRowTipText;
  // The standard mouse events, client coordinates.
  std::function<void(Sender, TMouseButton button, UINT keys, int x, int y)> OnMouseDown;
  std::function<void(Sender, TMouseButton button, UINT keys, int x, int y)> OnMouseUp;

  // ---- Operations ----
  void BeginUpdate() override;
  void EndUpdate() override;
  bool Updating() const { return updateCount_ > 0; }
  // The row under a client point as (SectionIdx, subitemidx); false on a miss, the
  // outputs then untouched.
  bool ItemAtPoint(int x, int y, int& SectionIdx, int& subitemidx) const;
  // The row under a client point, -1 on a miss (same rules as ItemAtPoint).
  int RowAtPoint(int x, int y) const;
  // The section of the selected row, nullptr when no row is selected.
  ListSection* SelectedSection() const;
  int SelectedSectionIndex() const;  // -1 when none
  void ContractAll();
  void ShowSectionAtTop(int SectionIdx);
  void ShowSectionAtTop(const ListSection& section) { ShowSectionAtTop(section.Index()); }
  void ExpandSection(int SectionIdx) { sections_[SectionIdx].SetState(lssExpanded); }
  void ContractSection(int SectionIdx) { sections_[SectionIdx].SetState(lssContracted); }
  int GetSubItemImageIndex(const ListSection& section, int subitem) const;
  void SetSubItemImageIndex(ListSection& section, int subitem, int image);
  bool GetSubItemChecked(const ListSection& section, int subitem) const;
  void SetSubItemChecked(ListSection& section, int subitem, bool checked);

  // The platform list: rows, selection, scrolling.
  int RowCount() const;
  bool MultiSelect() const;
  int ItemIndex() const;  // the selected row, -1 when none
  void SetItemIndex(int row);
  int TopIndex() const;
  void SetTopIndex(int row);  // clamped to the rows there are
  RECT RowRect(int row) const;
  std::string RowText(int row) const;
  void Invalidate();
  // The text a row's tooltip shows; empty when the row fits the list (or no tips).
  std::string RowTipText(int row);
  // Recomputes every row height (after font or layout changes).
  void RecomputeHeights();
  // Measures the sub-item rows again for a new width and sets the heights that changed
  // (a resize with word wrap on); the rows themselves stay.
  void ReflowHeights();
  // Paints one row into any DC (used by the list's own drawing; also for captures).
  void PaintRow(HDC dc, int row, const RECT& rc, UINT odsState);

 private:
  class Impl;
  template <class T>
  friend LRESULT RouteMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                              WNDPROC classProc) noexcept;
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  void SetTopRow(int row);
  // SectionRowHost
  void InsertSubItemRows(int at, const ListSection& section, int first, int count) override;
  void InsertHeaderRow(int at, const ListSection& section) override;
  void DeleteRows(int at, int count) override;
  void SetRowText(int row, const std::string& text, bool header,
                  const ListSection& section) override;
  void RepaintRow(int row) override;
  void Repaint() override;
  void SectionsChanged() override;

  friend class Impl;
  std::unique_ptr<Impl> impl_;
  HWND hwnd_ = nullptr;
  ListSectionCollection sections_;
  TabPositionCollection tabs_;
  UrlSettings url_;
  bool wordWrap_ = false;
  int subItemHeight_ = 13;
  int sectionHeight_ = 14;
  HBITMAP wallpaper_ = nullptr;
  bool oneExpanded_ = false;
  TColor color_ = clWindow;
  SectionListFont font_;
  SectionListFont sectionFont_;
  TScrollStyle scrollStyle_ = slsNormal;
  int updateCount_ = 0;
};

}  // namespace vconfig
