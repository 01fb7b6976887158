// The section list object: creating its list box, its fonts and brushes, the
// properties whose change shows at once, and what the program asks of its rows.
#include "controls/sectionlist/SectionList_win.h"

#include "controls/sectionlist/SectionListState_win.h"
#include "controls/WindowRouting_win.h"

namespace vconfig {

namespace {

int nextControlId = 0x5C00;

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

SectionList::~SectionList() { DestroyDetachedWindow(hwnd_); }

bool SectionList::Create(HWND parent, const SectionListArgs& args) {
  if (!Impl::ListBoxProc()) return false;
  const int id = args.id ? args.id : nextControlId++;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (args.multiSelect) style |= LBS_EXTENDEDSEL;
  SectionList*& creating = Impl::Creating();
  SectionList* const outer = creating;
  creating = this;
  hwnd_ = ::CreateWindowExA(WS_EX_CLIENTEDGE, "ListBox", "", style, args.x, args.y,
                            args.width, args.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            ::GetModuleHandleA(nullptr), this);
  creating = outer;
  if (!hwnd_) return false;
  ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(impl_->FontFor(font_)), FALSE);
  impl_->RebuildBackground();
  // Sections added before the window existed get their rows now.
  RecomputeHeights();
  SetScrollStyle(scrollStyle_);
  return true;
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

std::string SectionList::RowText(int row) const {
  if (!hwnd_) return {};
  const LRESULT len = ::SendMessageA(hwnd_, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (len == LB_ERR) return {};
  std::string text(static_cast<size_t>(len) + 1, '\0');
  ::SendMessageA(hwnd_, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(len));
  return text;
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

}  // namespace vconfig
