// Where the rows show: the list's top row, the horizontal extent, the scroll bars'
// style, and the row under a point.
#include <algorithm>

#include "controls/sectionlist/SectionListState_win.h"

namespace vconfig {

// The list box finds a row's rectangle by adding up the heights from its top row on
// every insertion and deletion, so changing many rows far below the top costs time
// quadratic in their number; it also leaves its top row alone when rows before it are
// deleted, and then reads past its rows. So while rows change, the top row is kept a
// little before the change, and put back afterwards.
void SectionList::SetTopRow(int row) {
  ::SendMessageA(hwnd_, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, row)), 0);
}

int SectionList::TopIndex() const {
  return hwnd_ ? static_cast<int>(::SendMessageA(hwnd_, LB_GETTOPINDEX, 0, 0)) : 0;
}

void SectionList::SetTopIndex(int row) {
  if (!hwnd_ || RowCount() == 0) return;
  SetTopRow(std::min(row, RowCount() - 1));
}

void SectionList::ShowSectionAtTop(int SectionIdx) {
  if (!hwnd_ || SectionIdx < 0 || SectionIdx >= sections_.Count()) return;
  ::SendMessageA(hwnd_, LB_SETTOPINDEX, static_cast<WPARAM>(sections_.HeaderRow(SectionIdx)), 0);
}

void SectionList::Impl::UpdateExtent() {
  if (!lb.hwnd_ || lb.updateCount_ > 0) return;
  int widest = 0;
  if (!lb.wordWrap_)
    for (int w : rowWidth) widest = std::max(widest, w);
  extent = widest;
  const int shown = widest > ClientWidth() ? widest : 0;
  ::SendMessageA(lb.hwnd_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(shown), 0);
}

namespace {

// The flat scroll bar functions, when comctl32 has them.
struct FlatScrollBars {
  using InitFn = BOOL(WINAPI*)(HWND);
  using UninitFn = HRESULT(WINAPI*)(HWND);
  using PropFn = BOOL(WINAPI*)(HWND, UINT, INT_PTR, BOOL);
  InitFn init = nullptr;
  UninitFn uninit = nullptr;
  PropFn prop = nullptr;
  FlatScrollBars() {
    HMODULE comctl = ::GetModuleHandleA("comctl32.dll");
    if (!comctl) return;
    init = reinterpret_cast<InitFn>(
        reinterpret_cast<void*>(::GetProcAddress(comctl, "InitializeFlatSB")));
    uninit = reinterpret_cast<UninitFn>(
        reinterpret_cast<void*>(::GetProcAddress(comctl, "UninitializeFlatSB")));
    prop = reinterpret_cast<PropFn>(
        reinterpret_cast<void*>(::GetProcAddress(comctl, "FlatSB_SetScrollProp")));
  }
  bool available() const { return init && uninit && prop; }
};

}  // namespace

void SectionList::SetScrollStyle(TScrollStyle s) {
  const TScrollStyle before = scrollStyle_;
  scrollStyle_ = s;
  if (!hwnd_) return;
  static const FlatScrollBars flat;
  if (!flat.available()) return;  // the normal scroll bars stay
  if (s == slsNormal) {
    if (before != slsNormal) flat.uninit(hwnd_);
    return;
  }
  flat.init(hwnd_);
  const INT_PTR mode = s == slsFlat ? FSB_FLAT_MODE : FSB_ENCARTA_MODE;
  flat.prop(hwnd_, WSB_PROP_VSTYLE, mode, FALSE);
  flat.prop(hwnd_, WSB_PROP_HSTYLE, mode, FALSE);
  if (ScrollColor != clNone) {
    flat.prop(hwnd_, WSB_PROP_VBKGCOLOR, static_cast<INT_PTR>(ToColorRef(ScrollColor)), FALSE);
    flat.prop(hwnd_, WSB_PROP_HBKGCOLOR, static_cast<INT_PTR>(ToColorRef(ScrollColor)), FALSE);
  }
  if (ScrollWidth > 0) flat.prop(hwnd_, WSB_PROP_CXVSCROLL, ScrollWidth, FALSE);
  flat.prop(hwnd_, WSB_PROP_VSTYLE, mode, TRUE);
}

RECT SectionList::RowRect(int row) const {
  RECT rc{};
  if (hwnd_)
    ::SendMessageA(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc));
  return rc;
}

int SectionList::RowAtPoint(int x, int y) const {
  // LB_ITEMFROMPOINT answers in 16 bits and differs between Windows and Wine below
  // the last row, so the row is found from the top index and the rows' rectangles.
  const int count = RowCount();
  if (count == 0) return -1;
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  if (x < client.left || x >= client.right || y < client.top || y >= client.bottom) return -1;
  for (int r = TopIndex(); r < count; ++r) {
    const RECT rc = RowRect(r);
    if (y < rc.bottom) return r;
    if (rc.top >= client.bottom) break;
  }
  return count - 1;
}

bool SectionList::ItemAtPoint(int x, int y, int& SectionIdx, int& subitemidx) const {
  const int row = RowAtPoint(x, y);
  if (row < 0) return false;
  sections_.RowPosition(row, SectionIdx, subitemidx);
  return SectionIdx >= 0;
}

}  // namespace vconfig
