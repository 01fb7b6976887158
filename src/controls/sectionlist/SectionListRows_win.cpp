// The list box's rows mirror the sections: a header row per section and, while it
// is expanded, a row per sub-item, each measured as it is inserted (the list box
// never measures again), with the widths kept for the horizontal extent.
#include <algorithm>

#include "controls/sectionlist/SectionListState_win.h"
#include "controls/sectionlist/TextWidths_win.h"

namespace vconfig {

namespace {

// The list box keeps heights in a byte: taller rows are cut at 255 pixels.
constexpr int kMaxRowHeight = 255;

int ClampHeight(int h) { return std::max(1, std::min(h, kMaxRowHeight)); }

}  // namespace

struct SectionList::Impl::RowMetrics {
  RowMetrics(Impl& impl, HDC measuring)
      : dc(measuring), widths(measuring), stops(impl.lb.tabs_.PlatformStops()),
        right((impl.lb.hwnd_ ? impl.ClientWidth() : 0) - impl.ScrollBarWidth()) {}
  HDC dc;  // not owned; its font selected for the whole batch
  TextWidths widths;
  std::vector<int> stops;
  int right;  // where wrapped text ends: the client width less the vertical scroll bar
};

int SectionList::Impl::MeasureSubItem(const RowMetrics& m, const ListSection& s,
                                      const std::string& text) {
  // Rows that do not follow their text keep the section's line height.
  if (!s.AutoSize) return s.ItemHeight;
  if (IsMarkupRow(text)) return MeasureMarkup(m.dc, s, text);
  // A single line needs no measuring: this keeps filling long lists cheap.
  const bool breaks = text.find_first_of("\r\n") != std::string::npos;
  if (!lb.wordWrap_ && !breaks) return s.ItemHeight;
  const int right = m.right;
  if (lb.wordWrap_ && !breaks && m.widths.Width(text) <= right - lb.SubItemIndent)
    return s.ItemHeight;
  RECT rc{lb.SubItemIndent, 0, std::max(right, lb.SubItemIndent + 1), 0};
  UINT flags = DT_CALCRECT | DT_NOPREFIX;
  if (lb.wordWrap_) flags |= DT_WORDBREAK;
  const int measured = ::DrawTextA(m.dc, text.data(), static_cast<int>(text.size()), &rc, flags);
  const int lines = std::max(1, measured / TextHeight(m.dc));
  return lines * s.ItemHeight;
}

int SectionList::Impl::RowExtent(const RowMetrics& m, const ListSection& s,
                                 const std::string& text, bool header) {
  if (lb.wordWrap_) return 0;
  if (!header && (s.EndEllipsis || IsMarkupRow(text))) return 0;
  const size_t end = text.find('\r');
  const size_t len = end == std::string::npos ? text.size() : end;
  if (len == 0) return lb.SubItemIndent;
  return m.widths.TabbedWidth(std::string_view(text.data(), len), m.stops.data(),
                              static_cast<int>(m.stops.size())) +
         lb.SubItemIndent;
}

void SectionList::Impl::InsertRow(int at, const std::string& text, bool header, int height,
                                  int width) {
  pendingHeight = ClampHeight(height);
  // Straight to the system list box: the list's own procedure has nothing to add to
  // these, and long lists insert a row for every line.
  const LRESULT r =
      CallList(LB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text.c_str()));
  if (r == LB_ERR || r == LB_ERRSPACE) throw AppError("Out of system resources");
  // New rows carry item data 0, which marks a sub-item row.
  if (header) CallList(LB_SETITEMDATA, static_cast<WPARAM>(r), 1);
  rowWidth.insert(rowWidth.begin() + at, width);
  rowHeight.insert(rowHeight.begin() + at, pendingHeight);
  if (width > extent) extent = width;
}

void SectionList::RecomputeHeights() {
  if (!hwnd_) return;
  const int sel = ItemIndex();
  const int top = TopIndex();
  BeginUpdate();
  ::SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
  impl_->rowWidth.clear();
  impl_->rowHeight.clear();
  impl_->extent = 0;
  int row = 0;
  for (int j = 0; j < sections_.Count(); ++j) {
    const ListSection& s = sections_[j];
    InsertHeaderRow(row++, s);
    if (s.Expanded() && s.SubItems.Count() > 0) {
      InsertSubItemRows(row, s, 0, s.SubItems.Count());
      row += s.SubItems.Count();
    }
  }
  if (sel >= 0 && sel < row) SetItemIndex(sel);
  if (top < row) ::SendMessageA(hwnd_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  EndUpdate();
}

void SectionList::ReflowHeights() {
  if (!hwnd_) return;
  auto& heights = impl_->rowHeight;
  if (static_cast<int>(heights.size()) != RowCount()) {
    RecomputeHeights();
    return;
  }
  BeginUpdate();
  WindowDc dc(hwnd_);
  int row = 0;
  for (int j = 0; j < sections_.Count(); ++j) {
    const ListSection& s = sections_[j];
    ++row;  // header rows keep their height
    if (!s.Expanded() || s.SubItems.Count() == 0) continue;
    SelectObjectScope font(dc.get(), impl_->FontFor(impl_->SubItemFont(s)));
    const Impl::RowMetrics metrics(*impl_, dc.get());
    for (int i = 0; i < s.SubItems.Count(); ++i, ++row) {
      const int h = ClampHeight(impl_->MeasureSubItem(metrics, s, s.SubItems.Strings(i)));
      if (h == heights[static_cast<size_t>(row)]) continue;
      impl_->CallList(LB_SETITEMHEIGHT, static_cast<WPARAM>(row), static_cast<LPARAM>(h));
      heights[static_cast<size_t>(row)] = h;
    }
    impl_->EndMeasuring();
  }
  EndUpdate();
}

void SectionList::InsertHeaderRow(int at, const ListSection& section) {
  if (!hwnd_) return;
  WindowDc dc(hwnd_);
  SelectObjectScope font(dc.get(), impl_->FontFor(impl_->HeaderFont(section)));
  const Impl::RowMetrics metrics(*impl_, dc.get());
  const int width = impl_->RowExtent(metrics, section, section.Caption(), true);
  impl_->inserting = true;
  try {
    impl_->InsertRow(at, section.Caption(), true, sectionHeight_, width);
  } catch (...) {
    impl_->inserting = false;
    throw;
  }
  impl_->inserting = false;
}

void SectionList::InsertSubItemRows(int at, const ListSection& section, int first, int count) {
  if (!hwnd_ || count <= 0) return;
  WindowDc dc(hwnd_);
  SelectObjectScope font(dc.get(), impl_->FontFor(impl_->SubItemFont(section)));
  BeginUpdate();
  const Impl::RowMetrics metrics(*impl_, dc.get());
  impl_->inserting = true;
  impl_->rowWidth.reserve(impl_->rowWidth.size() + static_cast<size_t>(count));
  impl_->rowHeight.reserve(impl_->rowHeight.size() + static_cast<size_t>(count));
  // The system list box grows its own row table a few rows at a time otherwise.
  impl_->CallList(LB_INITSTORAGE, static_cast<WPARAM>(count), 0);
  const int top0 = TopIndex();
  int top = top0;
  try {
    for (int i = 0; i < count; ++i) {
      if (at + i - top > 256) {
        SetTopRow(at + i - 128);
        top = TopIndex();
      }
      const std::string& text = section.SubItems.Strings(first + i);
      impl_->InsertRow(at + i, text, false, impl_->MeasureSubItem(metrics, section, text),
                       impl_->RowExtent(metrics, section, text, false));
    }
  } catch (...) {
    impl_->EndMeasuring();
    impl_->inserting = false;
    if (top != top0) SetTopRow(top0);
    EndUpdate();
    throw;
  }
  impl_->EndMeasuring();
  impl_->inserting = false;
  if (top != top0) SetTopRow(top0);
  EndUpdate();
}

void SectionList::DeleteRows(int at, int count) {
  if (!hwnd_ || count <= 0) return;
  BeginUpdate();
  impl_->inserting = true;
  if (at == 0 && count >= RowCount()) {
    ::SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
  } else {
    const int top0 = TopIndex();
    int top = top0;
    if (top >= at) {
      top = std::max(0, at - 1);
      SetTopRow(top);
    }
    // From the last row back, so that the list moves as little as possible.
    for (int r = at + count - 1; r >= at; --r) {
      if (r <= top || r - top > 256) {
        top = std::max(std::max(0, at - 1), r - 128);
        SetTopRow(top);
        top = TopIndex();
      }
      impl_->CallList(LB_DELETESTRING, static_cast<WPARAM>(r), 0);
    }
    const int wanted = top0 < at ? top0 : top0 >= at + count ? top0 - count : at;
    if (wanted != TopIndex()) SetTopRow(std::min(wanted, std::max(0, RowCount() - 1)));
  }
  impl_->inserting = false;
  for (std::vector<int>* mirror : {&impl_->rowWidth, &impl_->rowHeight}) {
    const int end = std::min<int>(at + count, static_cast<int>(mirror->size()));
    if (at < end) mirror->erase(mirror->begin() + at, mirror->begin() + end);
  }
  EndUpdate();
}

void SectionList::SetRowText(int row, const std::string& text, bool header,
                             const ListSection& section) {
  if (!hwnd_ || row < 0 || row >= RowCount()) return;
  const int sel = ItemIndex();
  BeginUpdate();
  DeleteRows(row, 1);
  if (header) {
    InsertHeaderRow(row, section);
  } else {
    WindowDc dc(hwnd_);
    SelectObjectScope font(dc.get(), impl_->FontFor(impl_->SubItemFont(section)));
    impl_->inserting = true;
    const Impl::RowMetrics metrics(*impl_, dc.get());
    const int height = impl_->MeasureSubItem(metrics, section, text);
    impl_->EndMeasuring();
    impl_->InsertRow(row, text, false, height, impl_->RowExtent(metrics, section, text, false));
    impl_->inserting = false;
  }
  if (sel == row) ::SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
  EndUpdate();
}

void SectionList::RepaintRow(int row) {
  if (!hwnd_ || updateCount_ > 0) return;
  RECT rc{};
  if (::SendMessageA(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&rc)) != LB_ERR)
    ::InvalidateRect(hwnd_, &rc, TRUE);
}

void SectionList::Repaint() { Invalidate(); }

void SectionList::SectionsChanged() {
  impl_->UpdateExtent();
  // The rows under the mouse may be others now.
  impl_->ForgetTipRow();
}

void SectionList::Invalidate() {
  if (hwnd_ && updateCount_ == 0) ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void SectionList::BeginUpdate() {
  if (updateCount_++ == 0 && hwnd_) ::SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
}

void SectionList::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ > 0 || !hwnd_) return;
  ::SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
  ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
  impl_->UpdateExtent();
}

}  // namespace vconfig
