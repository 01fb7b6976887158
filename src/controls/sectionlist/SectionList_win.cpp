#include "controls/sectionlist/SectionList_win.h"

#include <algorithm>
#include <map>
#include <vector>

#include "controls/sectionlist/SectionListState_win.h"
#include "diagnostics/ErrorHandling_win.h"

namespace vconfig {

namespace {

// The list box keeps heights in a byte: taller rows are cut at 255 pixels.
constexpr int kMaxRowHeight = 255;
int nextControlId = 0x5C00;

int ClampHeight(int h) { return std::max(1, std::min(h, kMaxRowHeight)); }

std::string FontKey(const SectionListFont& f) {
  return f.Name + '|' + std::to_string(f.Size) + '|' + (f.Bold ? 'b' : '-') +
         (f.Italic ? 'i' : '-') + (f.Underline ? 'u' : '-') + (f.StrikeOut ? 's' : '-');
}

}  // namespace

COLORREF ToColorRef(TColor c) {
  if (c & kSystemColorFlag) return ::GetSysColor(static_cast<int>(c & 0xFF));
  return static_cast<COLORREF>(c & 0xFFFFFF);
}

// ---- Impl helpers ----

HFONT SectionList::Impl::FontFor(const SectionListFont& f) {
  const std::string key = FontKey(f);
  auto it = fonts.find(key);
  if (it != fonts.end()) return it->second.get();
  WindowDc screen(nullptr);
  LOGFONTA lf{};
  lf.lfHeight = -::MulDiv(f.Size, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  lf.lfWeight = f.Bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = f.Italic;
  lf.lfUnderline = f.Underline;
  lf.lfStrikeOut = f.StrikeOut;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, f.Name.c_str(), LF_FACESIZE);
  HFONT font = ::CreateFontIndirectA(&lf);
  if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  return fonts.emplace(key, UniqueFont(font)).first->second.get();
}

const SectionListFont& SectionList::Impl::HeaderFont(const ListSection& s) const {
  return (s.FontUsage == fuSection || s.FontUsage == fuBoth) ? s.Font : lb.sectionFont_;
}

const SectionListFont& SectionList::Impl::SubItemFont(const ListSection& s) const {
  return (s.FontUsage == fuSubItems || s.FontUsage == fuBoth) ? s.Font : lb.font_;
}

int SectionList::Impl::TextHeight(HDC dc) {
  SIZE sz{};
  ::GetTextExtentPoint32A(dc, "gh", 2, &sz);
  return std::max<int>(1, sz.cy);
}

int SectionList::Impl::ClientWidth() const {
  RECT rc{};
  ::GetClientRect(lb.hwnd_, &rc);
  return rc.right;
}

int SectionList::Impl::MeasureSubItem(HDC dc, const ListSection& s, const std::string& text) {
  // Rows that do not follow their text keep the section's line height.
  if (!s.AutoSize) return s.ItemHeight;
  if (IsMarkupRow(text)) return MeasureMarkup(dc, s, text);
  // A single line needs no measuring: this keeps filling long lists cheap.
  const bool breaks = text.find_first_of("\r\n") != std::string::npos;
  if (!lb.wordWrap_ && !breaks) return s.ItemHeight;
  const int right = (lb.hwnd_ ? ClientWidth() : 0) - ScrollBarWidth();
  if (lb.wordWrap_ && !breaks) {
    SIZE sz{};
    ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &sz);
    if (sz.cx <= right - lb.SubItemIndent) return s.ItemHeight;
  }
  RECT rc{lb.SubItemIndent, 0, std::max(right, lb.SubItemIndent + 1), 0};
  UINT flags = DT_CALCRECT | DT_NOPREFIX;
  if (lb.wordWrap_) flags |= DT_WORDBREAK;
  const int measured = ::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &rc, flags);
  const int lines = std::max(1, measured / TextHeight(dc));
  return lines * s.ItemHeight;
}

int SectionList::Impl::RowExtent(HDC dc, const ListSection& s, const std::string& text,
                                     bool header) {
  if (lb.wordWrap_) return 0;
  if (!header && (s.EndEllipsis || IsMarkupRow(text))) return 0;
  const size_t end = text.find('\r');
  const int len = static_cast<int>(end == std::string::npos ? text.size() : end);
  if (len == 0) return lb.SubItemIndent;
  const auto stops = lb.tabs_.PlatformStops();
  const DWORD ext = ::GetTabbedTextExtentA(dc, text.data(), len, static_cast<int>(stops.size()),
                                           stops.empty() ? nullptr : stops.data());
  return LOWORD(ext) + lb.SubItemIndent;
}

void SectionList::Impl::InsertRow(int at, const std::string& text, bool header, int height,
                                      int width) {
  pendingHeight = ClampHeight(height);
  const LRESULT r =
      ::SendMessageA(lb.hwnd_, LB_INSERTSTRING, static_cast<WPARAM>(at),
                     reinterpret_cast<LPARAM>(text.c_str()));
  if (r == LB_ERR || r == LB_ERRSPACE) throw AppError("Out of system resources");
  // New rows carry item data 0, which marks a sub-item row.
  if (header) ::SendMessageA(lb.hwnd_, LB_SETITEMDATA, static_cast<WPARAM>(r), 1);
  rowWidth.insert(rowWidth.begin() + at, width);
  if (width > extent) extent = width;
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

void SectionList::Impl::RebuildBackground() {
  if (lb.wallpaper_)
    background.reset(::CreatePatternBrush(lb.wallpaper_));
  else
    background.reset(::CreateSolidBrush(ToColorRef(lb.color_)));
}

// ---- SectionList ----

SectionList::SectionList() : impl_(std::make_unique<Impl>(*this)), sections_(this) {
  tabs_.OnChange = [this] { Invalidate(); };
  url_.OnChange = [this] { Invalidate(); };
  sections_.DefaultColor = color_;
  sections_.DefaultItemHeight = subItemHeight_;
}

SectionList::~SectionList() {
  if (hwnd_) {
    ::SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(impl_->listPrev));
    ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
  if (impl_->parent) Impl::UnhookParent(impl_->parent, impl_.get());
}

bool SectionList::Create(HWND parent, const SectionListArgs& args) {
  impl_->ctlId = args.id ? args.id : nextControlId++;
  impl_->parent = parent;
  // The parent receives the list's measure, draw, colour and notification messages.
  Impl::HookParent(parent, impl_.get());
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (args.multiSelect) style |= LBS_EXTENDEDSEL;
  hwnd_ = ::CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", style, args.x, args.y, args.width,
                            args.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(impl_->ctlId)),
                            ::GetModuleHandleA(nullptr), nullptr);
  if (!hwnd_) {
    Impl::UnhookParent(parent, impl_.get());
    impl_->parent = nullptr;
    return false;
  }
  ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(impl_.get()));
  impl_->listPrev = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
      hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Impl::ListProc)));
  ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(impl_->FontFor(font_)), FALSE);
  impl_->RebuildBackground();
  // Sections added before the window existed get their rows now.
  RecomputeHeights();
  SetScrollStyle(scrollStyle_);
  return true;
}

void SectionList::RecomputeHeights() {
  if (!hwnd_) return;
  const int sel = ItemIndex();
  const int top = TopIndex();
  BeginUpdate();
  ::SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
  impl_->rowWidth.clear();
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

// The list box finds a row's rectangle by adding up the heights from its top row on
// every insertion and deletion, so changing many rows far below the top costs time
// quadratic in their number; it also leaves its top row alone when rows before it are
// deleted, and then reads past its rows. So while rows change, the top row is kept a
// little before the change, and put back afterwards.
void SectionList::SetTopRow(int row) {
  ::SendMessageA(hwnd_, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, row)), 0);
}

void SectionList::InsertHeaderRow(int at, const ListSection& section) {
  if (!hwnd_) return;
  WindowDc dc(hwnd_);
  SelectObjectScope font(dc.get(), impl_->FontFor(impl_->HeaderFont(section)));
  const int width = impl_->RowExtent(dc.get(), section, section.Caption(), true);
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
  impl_->inserting = true;
  impl_->rowWidth.reserve(impl_->rowWidth.size() + static_cast<size_t>(count));
  const int top0 = TopIndex();
  int top = top0;
  try {
    for (int i = 0; i < count; ++i) {
      if (at + i - top > 256) {
        SetTopRow(at + i - 128);
        top = TopIndex();
      }
      const std::string& text = section.SubItems.Strings(first + i);
      impl_->InsertRow(at + i, text, false, impl_->MeasureSubItem(dc.get(), section, text),
                       impl_->RowExtent(dc.get(), section, text, false));
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
      ::SendMessageA(hwnd_, LB_DELETESTRING, static_cast<WPARAM>(r), 0);
    }
    const int wanted = top0 < at ? top0 : top0 >= at + count ? top0 - count : at;
    if (wanted != TopIndex()) SetTopRow(std::min(wanted, std::max(0, RowCount() - 1)));
  }
  impl_->inserting = false;
  auto& widths = impl_->rowWidth;
  const int end = std::min<int>(at + count, static_cast<int>(widths.size()));
  if (at < end) widths.erase(widths.begin() + at, widths.begin() + end);
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
    const int height = impl_->MeasureSubItem(dc.get(), section, text);
    impl_->EndMeasuring();
    impl_->InsertRow(row, text, false, height, impl_->RowExtent(dc.get(), section, text, false));
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

void SectionList::SectionsChanged() { impl_->UpdateExtent(); }

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
  ::RedrawWindow(hwnd_, nullptr, nullptr,
                 RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
  impl_->UpdateExtent();
}

// ---- properties with effects ----

void SectionList::SetWordWrap(bool on) {
  if (wordWrap_ == on) return;
  wordWrap_ = on;
  RecomputeHeights();
}

void SectionList::SetSubItemHeight(int h) {
  if (subItemHeight_ == h) return;
  subItemHeight_ = h;
  sections_.DefaultItemHeight = h;
  RecomputeHeights();
}

void SectionList::SetSectionHeight(int h) {
  if (sectionHeight_ == h) return;
  sectionHeight_ = h;
  RecomputeHeights();
}

void SectionList::SetWallpaper(HBITMAP bmp) {
  wallpaper_ = bmp;
  if (hwnd_) {
    impl_->RebuildBackground();
    Invalidate();
  }
}

void SectionList::SetColor(TColor c) {
  color_ = c;
  sections_.DefaultColor = c;
  if (hwnd_) {
    impl_->RebuildBackground();
    Invalidate();
  }
}

void SectionList::SetFont(const SectionListFont& f) {
  font_ = f;
  if (hwnd_) {
    ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(impl_->FontFor(font_)), FALSE);
    RecomputeHeights();
  }
}

void SectionList::SetSectionFont(const SectionListFont& f) {
  sectionFont_ = f;
  RecomputeHeights();
}

void SectionList::SetOneExpanded(bool on) {
  oneExpanded_ = on;
  if (!on || sections_.Count() == 0) return;
  BeginUpdate();
  for (int i = sections_.Count() - 1; i >= 1; --i) sections_[i].SetState(lssContracted);
  sections_[0].SetState(lssExpanded);
  EndUpdate();
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

// ---- operations ----

int SectionList::RowCount() const {
  return hwnd_ ? static_cast<int>(::SendMessageA(hwnd_, LB_GETCOUNT, 0, 0)) : 0;
}

bool SectionList::MultiSelect() const {
  return hwnd_ && (::GetWindowLongA(hwnd_, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
}

void SectionList::PaintRow(HDC dc, int row, const RECT& rc, UINT odsState) {
  impl_->PaintRow(dc, row, rc, odsState);
}

int SectionList::ItemIndex() const {
  if (!hwnd_) return -1;
  const LRESULT r = ::SendMessageA(hwnd_, LB_GETCURSEL, 0, 0);
  return r == LB_ERR ? -1 : static_cast<int>(r);
}

void SectionList::SetItemIndex(int row) {
  if (hwnd_) ::SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

int SectionList::TopIndex() const {
  return hwnd_ ? static_cast<int>(::SendMessageA(hwnd_, LB_GETTOPINDEX, 0, 0)) : 0;
}

RECT SectionList::RowRect(int row) const {
  RECT rc{};
  if (hwnd_)
    ::SendMessageA(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc));
  return rc;
}

std::string SectionList::RowText(int row) const {
  if (!hwnd_) return {};
  const LRESULT len = ::SendMessageA(hwnd_, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (len == LB_ERR) return {};
  std::string text(static_cast<size_t>(len) + 1, '\0');
  ::SendMessageA(hwnd_, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(len));
  return text;
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

ListSection* SectionList::SelectedSection() const {
  const int s = SelectedSectionIndex();
  return s < 0 ? nullptr : &sections_[s];
}

int SectionList::SelectedSectionIndex() const {
  const int row = ItemIndex();
  return row < 0 ? -1 : sections_.SectionOfRow(row);
}

void SectionList::ContractAll() {
  BeginUpdate();
  SetItemIndex(0);
  for (int i = 0; i < sections_.Count(); ++i) sections_[i].SetState(lssContracted);
  EndUpdate();
}

void SectionList::ShowSectionAtTop(int SectionIdx) {
  if (!hwnd_ || SectionIdx < 0 || SectionIdx >= sections_.Count()) return;
  ::SendMessageA(hwnd_, LB_SETTOPINDEX, static_cast<WPARAM>(sections_.HeaderRow(SectionIdx)), 0);
}

int SectionList::GetSubItemImageIndex(const ListSection& section, int subitem) const {
  if (subitem < 0 || subitem >= section.SubItems.Count()) return -1;
  return subitemdata::ImageIndex(section.SubItems.Data(subitem));
}

void SectionList::SetSubItemImageIndex(ListSection& section, int subitem, int image) {
  if (subitem < 0 || subitem >= section.SubItems.Count()) throw ESectionListBoxError();
  section.SubItems.SetData(subitem,
                           subitemdata::WithImageIndex(section.SubItems.Data(subitem), image));
  if (section.Expanded()) RepaintRow(sections_.SubItemRow(section.Index(), subitem));
}

bool SectionList::GetSubItemChecked(const ListSection& section, int subitem) const {
  if (subitem < 0 || subitem >= section.SubItems.Count()) return false;
  return subitemdata::Checked(section.SubItems.Data(subitem));
}

void SectionList::SetSubItemChecked(ListSection& section, int subitem, bool checked) {
  if (subitem < 0 || subitem >= section.SubItems.Count()) throw ESectionListBoxError();
  section.SubItems.SetData(subitem,
                           subitemdata::WithChecked(section.SubItems.Data(subitem), checked));
  if (section.Expanded()) RepaintRow(sections_.SubItemRow(section.Index(), subitem));
}

// ---- message routing ----

std::map<HWND, SectionList::Impl::ParentHook>& SectionList::Impl::ParentHooks() {
  static std::map<HWND, ParentHook> hooks;
  return hooks;
}

void SectionList::Impl::HookParent(HWND parent, Impl* impl) {
  auto& hooks = ParentHooks();
  auto it = hooks.find(parent);
  if (it == hooks.end()) {
    ParentHook hook;
    hook.prev = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Impl::ParentProc)));
    it = hooks.emplace(parent, hook).first;
  }
  it->second.lists.push_back(impl);
}

void SectionList::Impl::UnhookParent(HWND parent, Impl* impl) {
  auto& hooks = ParentHooks();
  auto it = hooks.find(parent);
  if (it == hooks.end()) return;
  auto& lists = it->second.lists;
  lists.erase(std::remove(lists.begin(), lists.end(), impl), lists.end());
  // Put the parent's procedure back unless someone replaced it after us; then the
  // empty hook just passes messages on.
  if (lists.empty() && ::GetWindowLongPtrA(parent, GWLP_WNDPROC) ==
                           reinterpret_cast<LONG_PTR>(&Impl::ParentProc)) {
    ::SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.prev));
    hooks.erase(it);
  }
}

LRESULT CALLBACK SectionList::Impl::ListProc(HWND hwnd, UINT msg, WPARAM wp,
                                                 LPARAM lp) noexcept {
  auto* self = reinterpret_cast<Impl*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcA(hwnd, msg, wp, lp);
  try {
    return self->HandleList(hwnd, msg, wp, lp);
  } catch (...) {
    HandleApplicationException();
    return 0;
  }
}

LRESULT CALLBACK SectionList::Impl::ParentProc(HWND hwnd, UINT msg, WPARAM wp,
                                                   LPARAM lp) noexcept {
  auto& hooks = ParentHooks();
  auto it = hooks.find(hwnd);
  if (it == hooks.end()) return ::DefWindowProcA(hwnd, msg, wp, lp);
  const WNDPROC prev = it->second.prev;
  try {
    // A copy: a handler may create or destroy lists on this parent.
    const std::vector<Impl*> lists = it->second.lists;
    for (Impl* impl : lists) {
      LRESULT result = 0;
      if (impl->HandleParent(msg, wp, lp, result)) return result;
    }
  } catch (...) {
    HandleApplicationException();
    return 0;
  }
  if (msg == WM_NCDESTROY) {
    for (Impl* impl : it->second.lists) impl->parent = nullptr;
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev));
    hooks.erase(it);
  }
  return ::CallWindowProcA(prev, hwnd, msg, wp, lp);
}

bool SectionList::Impl::HandleParent(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_MEASUREITEM: {
      auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (mi->CtlType != ODT_LISTBOX || static_cast<int>(mi->CtlID) != ctlId) return false;
      mi->itemHeight = static_cast<UINT>(pendingHeight > 0 ? pendingHeight : lb.subItemHeight_);
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      if (di->hwndItem != lb.hwnd_) return false;
      DrawItem(*di);
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORLISTBOX:
      if (reinterpret_cast<HWND>(lp) != lb.hwnd_) return false;
      if (!background) RebuildBackground();
      result = reinterpret_cast<LRESULT>(background.get());
      return true;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lp) != lb.hwnd_) return false;
      if (HIWORD(wp) == LBN_SELCHANGE) SelectionChanged();
      return false;  // the parent may want the notification too
    default:
      return false;
  }
}

LRESULT SectionList::Impl::HandleList(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  const int x = static_cast<short>(LOWORD(lp));
  const int y = static_cast<short>(HIWORD(lp));
  switch (msg) {
    case WM_ERASEBKGND:
      // While updating, a plain background is left alone so the list does not flicker.
      if (lb.updateCount_ > 0 && !lb.wallpaper_) return 1;
      break;
    case WM_LBUTTONDOWN:
      if (lb.OnMouseDown) lb.OnMouseDown(&lb, mbLeft, static_cast<UINT>(wp), x, y);
      LeftButtonDown(hwnd, wp, lp);
      return 0;
    case WM_LBUTTONDBLCLK: {
      // The list box treats a double click as a press; the toggle happened on the
      // first press, so only the double-click event is raised here.
      const LRESULT r = CallList(hwnd, msg, wp, lp);
      DoubleClick(false);
      return r;
    }
    case WM_RBUTTONDOWN:
      if (lb.OnMouseDown) lb.OnMouseDown(&lb, mbRight, static_cast<UINT>(wp), x, y);
      RightButtonDown(x, y);
      break;
    case WM_RBUTTONDBLCLK:
      DoubleClick(true);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const LRESULT r = CallList(hwnd, msg, wp, lp);
      const TMouseButton b = msg == WM_LBUTTONUP ? mbLeft : msg == WM_RBUTTONUP ? mbRight : mbMiddle;
      if (lb.OnMouseUp) lb.OnMouseUp(&lb, b, static_cast<UINT>(wp), x, y);
      return r;
    }
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT) {
        POINT pt{};
        ::GetCursorPos(&pt);
        ::ScreenToClient(hwnd, &pt);
        if (SetCursorForPoint(pt.x, pt.y)) return TRUE;
      }
      break;
    case WM_KEYDOWN:
      if (KeyDown(wp)) return 0;
      break;
    case WM_CHAR:
      if (Char(wp)) return 0;
      break;
    case WM_VSCROLL:
      if (LOWORD(wp) == SB_THUMBTRACK && !lb.ScrollTrack) return 0;
      if (lb.wallpaper_) {
        // The list scrolls its pixels; the tiled wallpaper must stay put.
        const LRESULT r = CallList(hwnd, msg, wp, lp);
        ::InvalidateRect(hwnd, nullptr, TRUE);
        return r;
      }
      break;
    case WM_MOUSEWHEEL:
      if (lb.wallpaper_) {
        const LRESULT r = CallList(hwnd, msg, wp, lp);
        ::InvalidateRect(hwnd, nullptr, TRUE);
        return r;
      }
      break;
    case WM_SIZE:
      if (lb.wordWrap_) {
        const LRESULT r = CallList(hwnd, msg, wp, lp);
        lb.RecomputeHeights();
        return r;
      }
      break;
    case WM_NCDESTROY: {
      const WNDPROC prev = listPrev;
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev));
      ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      lb.hwnd_ = nullptr;
      return ::CallWindowProcA(prev, hwnd, msg, wp, lp);
    }
    default:
      break;
  }
  return CallList(hwnd, msg, wp, lp);
}

void SectionList::Impl::SelectionChanged() {
  if (lb.updateCount_ > 0 || inserting || !lb.OnChange) return;
  const int row = lb.ItemIndex();
  if (row < 0) return;
  int section, subitem;
  lb.sections_.RowPosition(row, section, subitem);
  lb.OnChange(&lb, section, subitem);
}

}  // namespace vconfig
