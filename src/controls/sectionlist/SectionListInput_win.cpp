// What the user's mouse and keyboard do in a section list.
#include <windowsx.h>

#include "controls/sectionlist/SectionListState_win.h"

namespace vconfig {

namespace {

int OuterWidth(HWND hwnd) {
  RECT rc{};
  ::GetWindowRect(hwnd, &rc);
  return rc.right - rc.left;
}

bool PointInRect(const RECT& rc, int x, int y) {
  return x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
}

}  // namespace

void SectionList::Impl::UserToggle(int section) {
  ListSection& s = lb.sections_[section];
  if (s.Fixed) return;
  if (s.Expanded() && lb.ContractDisable) return;
  if (!s.Expanded() && lb.ExpandDisable) return;
  if (s.Expanded() && !lb.oneExpanded_) {
    s.SetState(lssContracted);
    if (lb.OnContractSection) lb.OnContractSection(&lb, section);
    return;
  }
  lb.BeginUpdate();
  if (lb.oneExpanded_)
    for (int j = 0; j < lb.sections_.Count(); ++j)
      if (j != section) lb.sections_[j].SetState(lssContracted);
  s.SetState(lssExpanded);
  lb.EndUpdate();
  if (lb.OnExpandSection) lb.OnExpandSection(&lb, section);
}

// Toggles the check box or chooses the radio button of a sub-item; false when the
// section does not let the user change it.
bool SectionList::Impl::ToggleCheck(int section, int subitem) {
  ListSection& s = lb.sections_[section];
  if (s.ReadOnly || subitem < 0 || subitem >= s.SubItems.Count()) return false;
  lb.SetSubItemChecked(s, subitem, !lb.GetSubItemChecked(s, subitem));
  if (s.ControlType == scCheckbox) {
    if (lb.OnCheckBoxClick) lb.OnCheckBoxClick(&lb, section, subitem);
  } else if (s.ControlType == scRadiobutton) {
    s.RadioIndex = subitem;
    lb.Invalidate();
    if (lb.OnRadioClick) lb.OnRadioClick(&lb, section, subitem);
  }
  return true;
}

void SectionList::Impl::LeftButtonDown(WPARAM wp, LPARAM lp) {
  HWND hwnd = lb.hwnd_;
  const int x = GET_X_LPARAM(lp);
  const int y = GET_Y_LPARAM(lp);
  // 1. Only a press inside a row counts; elsewhere the selection is cleared.
  const int row = lb.RowAtPoint(x, y);
  if (row < 0 || !PointInRect(lb.RowRect(row), x, y)) {
    if (lb.MultiSelect())
      ::SendMessageA(hwnd, LB_SETSEL, FALSE, -1);
    else
      ::SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    return;
  }
  int section, subitem;
  lb.sections_.RowPosition(row, section, subitem);
  ListSection& s = lb.sections_[section];

  // 3. Anchors are reported to the program, never opened: rows show file and
  // registry data as stored, and one click must not start what they name.
  const std::string text = lb.RowText(row);
  if (IsMarkupRow(text)) {
    std::string href;
    if (ProbeAnchor(row, x, y, href)) {
      if (lb.OnAnchorClick) lb.OnAnchorClick(&lb, row, href);
      return;
    }
  }

  // 4. The check box column.
  const bool inCheckColumn = x > lb.SectionIndent && x < lb.SectionIndent + 15 && subitem >= 0;
  if (inCheckColumn) ToggleCheck(section, subitem);

  // 6. The list box selects the row and takes the focus.
  CallList(WM_LBUTTONDOWN, wp, lp);
  if (!lb.hwnd_) return;

  if (subitem < 0) {
    // 7. Header row.
    if (lb.OnSectionClick) lb.OnSectionClick(&lb, section);
    const int sortRight = OuterWidth(hwnd) - ::GetSystemMetrics(SM_CXVSCROLL) - 10;
    if (s.SortShow && x >= sortRight - 10 && x < sortRight) {
      lb.BeginUpdate();
      s.SetSortDirection(s.SortDirection() == sdAscending ? sdDescending : sdAscending);
      lb.EndUpdate();
      return;
    }
    if (lb.ActiveSection == asNodeOnly) {
      int node = 12;
      if (lb.NodeType == lnGlyph) {
        BITMAP bm{};
        HBITMAP glyph = s.Expanded() ? lb.ExpandGlyph : lb.ContractGlyph;
        if (glyph && ::GetObjectA(glyph, sizeof bm, &bm)) node = bm.bmWidth + 4;
      }
      if (x >= node) return;
    }
    UserToggle(section);
    return;
  }
  // 8. Sub-item row.
  if (s.ControlType == scCheckbox && inCheckColumn) lb.SetItemIndex(row);
  if (lb.OnSubItemClick) lb.OnSubItemClick(&lb, section, subitem);
}

bool SectionList::Impl::SetCursorForPoint(int x, int y) {
  const int row = lb.RowAtPoint(x, y);
  std::string href;
  const bool onAnchor = row >= 0 && PointInRect(lb.RowRect(row), x, y) &&
                        IsMarkupRow(lb.RowText(row)) && ProbeAnchor(row, x, y, href);
  if (hoverRow >= 0 && (!onAnchor || row != hoverRow || href != hoverAnchor)) {
    const int left = hoverRow;
    const std::string leftAnchor = hoverAnchor;
    hoverRow = -1;
    hoverAnchor.clear();
    if (lb.OnAnchorExit) lb.OnAnchorExit(&lb, left, leftAnchor);
  }
  if (!onAnchor) return false;
  if (hoverRow < 0) {
    hoverRow = row;
    hoverAnchor = href;
    if (lb.OnAnchorEnter) lb.OnAnchorEnter(&lb, row, href);
  }
  ::SetCursor(::LoadCursorA(nullptr, IDC_HAND));
  return true;
}

void SectionList::Impl::RightButtonDown(int x, int y) {
  const int row = lb.RowAtPoint(x, y);
  if (row < 0 || !PointInRect(lb.RowRect(row), x, y)) return;
  int section, subitem;
  lb.sections_.RowPosition(row, section, subitem);
  if (subitem < 0) {
    if (lb.OnSectionRClick) lb.OnSectionRClick(&lb, section);
  } else if (lb.OnSubItemRClick) {
    lb.OnSubItemRClick(&lb, section, subitem);
  }
}

void SectionList::Impl::DoubleClick(bool right) {
  const int row = lb.ItemIndex();
  if (row < 0) return;
  int section, subitem;
  lb.sections_.RowPosition(row, section, subitem);
  if (right) {
    if (subitem >= 0 && lb.OnSubItemRDblClk) lb.OnSubItemRDblClk(&lb, section, subitem);
    return;
  }
  if (subitem < 0) {
    if (lb.OnSectionDblClk) lb.OnSectionDblClk(&lb, section);
  } else if (lb.OnSubItemDblClk) {
    lb.OnSubItemDblClk(&lb, section, subitem);
  }
}

bool SectionList::Impl::KeyDown(WPARAM key) {
  if (key == VK_ESCAPE) {
    if (lb.MultiSelect())
      ::SendMessageA(lb.hwnd_, LB_SETSEL, FALSE, -1);
    else
      lb.SetItemIndex(-1);
    return true;
  }
  if (key != VK_INSERT && key != VK_DELETE) return false;
  const int row = lb.ItemIndex();
  if (row < 0) return true;
  int section, subitem;
  lb.sections_.RowPosition(row, section, subitem);
  ListSection& s = lb.sections_[section];
  if (key == VK_INSERT) {
    if (subitem < 0 && s.SubItems.Count() > 0) {
      // Only a window that handles new sections gets one.
      if (lb.OnInsertSection) lb.OnInsertSection(&lb, section, lb.sections_.Add());
      return true;
    }
    if (!lb.OnInsertSubItem) return true;
    std::string text;
    lb.OnInsertSubItem(&lb, section, subitem, text);
    if (text.empty()) return true;
    if (subitem < 0)
      s.SubItems.Add(text);
    else
      s.SubItems.Insert(subitem, text);
    lb.SetItemIndex(row);
    return true;
  }
  // Delete
  bool allow = false;
  if (subitem < 0) {
    if (lb.OnDeleteSection) lb.OnDeleteSection(&lb, section, allow);
    if (allow) lb.sections_.Delete(section);
  } else {
    if (lb.OnDeleteSubItem) lb.OnDeleteSubItem(&lb, section, subitem, allow);
    if (allow) s.SubItems.Delete(subitem);
  }
  return true;
}

// The menu key and Shift+F10 open the program's context menu; their key-up messages
// are taken too, so that the system's default handling makes no second one. Other
// keys go to the program first.
bool SectionList::Impl::ProgramKey(UINT msg, WPARAM key) {
  const bool shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
  const bool menuKey = key == VK_APPS || (key == VK_F10 && shift);
  if (menuKey && lb.OnContextMenuKey) {
    if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) lb.OnContextMenuKey(&lb);
    return true;
  }
  if (msg != WM_KEYDOWN || !lb.OnKeyDown) return false;
  return lb.OnKeyDown(&lb, key);
}

bool SectionList::Impl::Char(WPARAM ch) {
  if (ch != ' ') return false;
  const int row = lb.ItemIndex();
  if (row < 0) return true;
  int section, subitem;
  lb.sections_.RowPosition(row, section, subitem);
  if (subitem < 0) {
    UserToggle(section);
    return true;
  }
  const ListSection& s = lb.sections_[section];
  if (s.ControlType != scText && ToggleCheck(section, subitem)) lb.SetItemIndex(row);
  if (lb.OnSubItemClick) lb.OnSubItemClick(&lb, section, subitem);
  return true;
}

}  // namespace vconfig
