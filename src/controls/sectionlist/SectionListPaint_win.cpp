// Painting the rows of a section list.
#include <algorithm>

#include "markup/GdiSurface_win.h"
#include "markup/Markup.h"
#include "controls/sectionlist/SectionListState_win.h"

namespace vconfig {

namespace {

constexpr COLORREF kShadow = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kLight = RGB(0xFF, 0xFF, 0xFF);

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
  UniquePen pen(::CreatePen(PS_SOLID, 1, color));
  SelectObjectScope sel(dc, pen.get());
  ::MoveToEx(dc, x1, y1, nullptr);
  ::LineTo(dc, x2, y2);
}

void Fill(HDC dc, const RECT& rc, COLORREF color) {
  UniqueBrush brush(::CreateSolidBrush(color));
  ::FillRect(dc, &rc, brush.get());
}

int OuterWidth(HWND hwnd) {
  RECT rc{};
  ::GetWindowRect(hwnd, &rc);
  return rc.right - rc.left;
}

bool HasVerticalLines(TSectionLines l) { return l == slVertical || l == slBoth; }
bool HasHorizontalLines(TSectionLines l) { return l == slHorizontal || l == slBoth; }

}  // namespace

void SectionList::Impl::DrawItem(const DRAWITEMSTRUCT& di) {
  // Nothing is painted while the rows are being changed; the update's end redraws.
  if (lb.updateCount_ > 0 || inserting) return;
  if (di.itemID == static_cast<UINT>(-1)) return;
  PaintRow(di.hDC, static_cast<int>(di.itemID), di.rcItem, di.itemState);
}

void SectionList::Impl::DrawMarkup(HDC dc, const std::string& text, const RECT& rc, bool selected,
                                   const FontSpec& font) {
  GdiSurface surface(dc, &font);
  MarkupRequest req;
  req.text = text;
  req.rect = Rect{rc.left, rc.top, rc.right, rc.bottom};
  req.images = lb.SubItemImages;
  req.selected = selected;
  req.wordWrap = lb.wordWrap_;
  MarkupResult result;
  RenderMarkup(surface, req, result);
}

int SectionList::Impl::MeasureMarkup(HDC dc, const ListSection& s, const std::string& text) {
  RECT first{0, 0, lb.hwnd_ ? ClientWidth() : 0, 0};
  first.left += lb.SubItemIndent;
  const FontSpec spec = SubItemFont(s).ToFontSpec();
  // One surface serves a whole batch of rows in one DC and font: making one per row
  // made expanding a section of markup rows several times slower.
  if (!measureSurface || measureDc != dc || measureFont != SubItemFont(s)) {
    measureSurface.reset();
    measureSurface = std::make_unique<GdiSurface>(dc, &spec);
    measureDc = dc;
    measureFont = SubItemFont(s);
  } else {
    measureSurface->SetFont(spec);
  }
  MarkupRequest req;
  req.text = text;
  req.rect = Rect{first.left, 0, std::max(first.right, first.left + 1), 0x7FFF};
  req.images = lb.SubItemImages;
  req.measureOnly = true;
  req.selected = true;
  req.wordWrap = lb.wordWrap_;
  MarkupResult result;
  RenderMarkup(*measureSurface, req, result);
  return result.height + 2;
}

bool SectionList::Impl::ProbeAnchor(int row, int x, int y, std::string& href) {
  int section, subitem;
  lb.sections_.RowPosition(row, section, subitem);
  const ListSection& s = lb.sections_[section];
  const std::string text = lb.RowText(row);
  RECT rc = lb.RowRect(row);
  rc.left += lb.SubItemIndent;
  WindowDc dc(lb.hwnd_);
  const FontSpec spec = (subitem < 0 ? HeaderFont(s) : SubItemFont(s)).ToFontSpec();
  GdiSurface surface(dc.get(), &spec);
  MarkupRequest req;
  req.text = text;
  req.rect = Rect{rc.left, rc.top, rc.right, rc.bottom};
  req.images = lb.SubItemImages;
  req.probe = Point{x, y};
  req.probeOnly = true;
  req.selected = true;
  req.wordWrap = lb.wordWrap_;
  MarkupResult result;
  if (!RenderMarkup(surface, req, result)) return false;
  href = result.anchor;
  return true;
}

void SectionList::Impl::DrawNode(HDC dc, const ListSection& s, const RECT& rc) {
  const bool hasItems = s.SubItems.Count() > 0;
  const int bx = rc.left + 4;
  const int by = rc.top + (lb.sectionHeight_ - 8) / 2;
  switch (lb.NodeType) {
    case lnFlat: {
      const COLORREF c = hasItems ? RGB(0, 0, 0) : kShadow;
      Line(dc, bx, by, bx + 8, by, c);
      Line(dc, bx + 8, by, bx + 8, by + 8, c);
      Line(dc, bx + 8, by + 8, bx, by + 8, c);
      Line(dc, bx, by + 8, bx, by, c);
      if (hasItems) {
        Line(dc, bx + 2, by + 4, bx + 7, by + 4, c);
        if (!s.Expanded()) Line(dc, bx + 4, by + 2, bx + 4, by + 7, c);
      }
      break;
    }
    case ln3D: {
      RECT box{bx, by, bx + 8, by + 8};
      const UINT edge = !hasItems ? EDGE_ETCHED : s.Expanded() ? EDGE_SUNKEN : EDGE_RAISED;
      ::DrawEdge(dc, &box, edge, BF_RECT | BF_SOFT | BF_MIDDLE);
      break;
    }
    case lnGlyph: {
      HBITMAP glyph = s.Expanded() ? lb.ExpandGlyph : lb.ContractGlyph;
      BITMAP bm{};
      if (!glyph || !::GetObjectA(glyph, sizeof bm, &bm)) break;
      UniqueMemDc mem(::CreateCompatibleDC(dc));
      SelectObjectScope sel(mem.get(), glyph);
      // The glyph's ground (its top-left colour) takes the header's colour.
      const COLORREF ground = ::GetPixel(mem.get(), 0, 0);
      const int gx = rc.left + 3;
      const int gy = rc.top + (rc.bottom - rc.top - bm.bmHeight) / 2;
      RECT area{gx, gy, gx + bm.bmWidth, gy + bm.bmHeight};
      Fill(dc, area, ToColorRef(lb.SectionColor));
      ::TransparentBlt(dc, gx, gy, bm.bmWidth, bm.bmHeight, mem.get(), 0, 0, bm.bmWidth,
                       bm.bmHeight, ground);
      break;
    }
  }
}

void SectionList::Impl::DrawSortMark(HDC dc, const ListSection& s, const RECT& rc) {
  const int r = OuterWidth(lb.hwnd_) - ScrollBarWidth() - 10;
  const int l = r - 10, right = r - 2;
  const int top = rc.top + (rc.bottom - rc.top - 8) / 2, bottom = top + 8;
  const int mid = (l + right) / 2;
  switch (s.SortDirection()) {
    case sdNone:
      Line(dc, l, bottom, l, top, kLight);
      Line(dc, l, top, right, top, kLight);
      Line(dc, right, top, right, bottom, kShadow);
      Line(dc, right, bottom, l, bottom, kShadow);
      break;
    case sdAscending:
      Line(dc, l, bottom, mid, top, kLight);
      Line(dc, mid, top, right, bottom, kShadow);
      Line(dc, right, bottom, l, bottom, kShadow);
      break;
    case sdDescending:
      Line(dc, l, top, right, top, kLight);
      Line(dc, l, top, mid, bottom, kLight);
      Line(dc, right, top, mid, bottom, kShadow);
      break;
  }
}

// What the steps that paint one row share. The content rectangle's left edge moves
// right past the indent, the check box and the image as they are drawn.
struct SectionList::Impl::RowPaint {
  HDC dc;
  ListSection& s;
  int section;
  int subitem;  // -1 for the header row
  const std::string& text;
  UINT state;
  RECT whole;    // the row
  RECT content;  // what is left of it for the content
  const SectionListFont* font = nullptr;
  TColor textColor = clWindowText;

  bool header() const { return subitem < 0; }
  bool selected() const { return (state & ODS_SELECTED) != 0; }
  bool focused() const { return (state & ODS_FOCUS) != 0; }
};

void SectionList::Impl::PaintRow(HDC dc, int row, RECT rc, UINT state) {
  int section, subitem;
  lb.sections_.RowPosition(row, section, subitem);
  if (section < 0 || row >= static_cast<int>(rowWidth.size())) return;
  ListSection& s = lb.sections_[section];
  const bool header = subitem < 0;
  if (!header && subitem >= s.SubItems.Count()) return;
  RowPaint p{dc, s, section, subitem, header ? s.Caption() : s.SubItems.Strings(subitem),
             state, rc, rc};
  SavedDcState saved(dc);
  if (!header && s.OwnerDraw && lb.OnDrawItem) {
    PaintOwnerDrawnRow(p);
    return;
  }
  PaintRowBackground(p);
  p.content.left += header ? (s.Fixed ? lb.SubItemIndent : lb.SectionIndent) : lb.SubItemIndent;
  if (!header && (s.ControlType == scCheckbox || s.ControlType == scRadiobutton))
    DrawRowControl(p);
  DrawRowImage(p);
  const int textRight = IsMarkupRow(p.text) ? DrawMarkupRowText(p) : DrawPlainRowText(p);
  DrawRowDecorations(p);
  if (!lb.wallpaper_ && p.focused() && (!header || (!s.Fixed && lb.SectionFocus == sfDash)))
    DrawRowFocus(p, textRight);
}

// The program paints the row; the list prepares its colours and font.
void SectionList::Impl::PaintOwnerDrawnRow(const RowPaint& p) {
  const bool selected = p.selected();
  Fill(p.dc, p.whole, ToColorRef(selected ? lb.SelectionColor : p.s.Color));
  ::SetTextColor(p.dc, ToColorRef(selected ? lb.SelectionTextColor : SubItemFont(p.s).Color));
  ::SelectObject(p.dc, FontFor(SubItemFont(p.s)));
  lb.OnDrawItem(&lb, p.s, p.section, p.subitem, p.dc, p.whole, p.state);
}

// Font and colours, then the background: over a wallpaper, sub-item rows show the
// wallpaper, selected or not.
void SectionList::Impl::PaintRowBackground(RowPaint& p) {
  const bool header = p.header();
  p.font = header ? &HeaderFont(p.s) : &SubItemFont(p.s);
  ::SelectObject(p.dc, FontFor(*p.font));
  p.textColor = p.font->Color;
  TColor back = header ? lb.SectionColor : p.s.Color;
  if (!header && p.selected()) {
    p.textColor = lb.SelectionTextColor;
    back = lb.FullFocus ? lb.SelectionColor : lb.color_;
  }
  ::SetTextColor(p.dc, ToColorRef(p.textColor));
  ::SetBkMode(p.dc, TRANSPARENT);
  if (!lb.wallpaper_ || header) {
    Fill(p.dc, p.whole, ToColorRef(back));
  } else {
    if (!background) RebuildBackground();
    ::SetBrushOrgEx(p.dc, 0, 0, nullptr);
    ::FillRect(p.dc, &p.whole, background.get());
  }
}

// A sub-item's check box or radio button.
void SectionList::Impl::DrawRowControl(RowPaint& p) {
  const ListSection& s = p.s;
  const bool box = s.ControlType == scCheckbox;
  const int size = box ? 14 : 10;
  const RECT& rc = p.content;
  int top;
  switch (s.VAlignment) {
    case vtaTop: top = rc.top + (box ? 1 : 2); break;
    case vtaBottom: top = rc.bottom - size; break;
    default: top = rc.top + (p.whole.bottom - p.whole.top - (box ? 12 : 10)) / 2; break;
  }
  RECT fr{rc.left, top, rc.left + size, top + size};
  UINT flags = box ? DFCS_BUTTONCHECK : DFCS_BUTTONRADIO;
  if (lb.Flat) flags |= DFCS_FLAT;
  if (s.ReadOnly) flags |= DFCS_INACTIVE;
  if (box ? subitemdata::Checked(s.SubItems.Data(p.subitem)) : s.RadioIndex == p.subitem)
    flags |= DFCS_CHECKED;
  ::DrawFrameControl(p.dc, &fr, DFC_BUTTON, flags);
  p.content.left += 16;
}

void SectionList::Impl::DrawRowImage(RowPaint& p) {
  const bool header = p.header();
  HIMAGELIST images = header ? lb.SectionImages : lb.SubItemImages;
  const int image =
      header ? p.s.ImageIndex : subitemdata::ImageIndex(p.s.SubItems.Data(p.subitem));
  if (!images || image < 0) return;
  int iw = 0, ih = 0;
  ::ImageList_GetIconSize(images, &iw, &ih);
  int top = p.content.top;
  if (p.s.VAlignment == vtaBottom) top = p.content.bottom - ih;
  if (p.s.VAlignment == vtaCenter) top = p.content.top + (p.whole.bottom - p.whole.top - ih) / 2;
  ::ImageList_Draw(images, image, p.dc, p.content.left, top, ILD_TRANSPARENT);
  p.content.left += iw + lb.ImageSpacing;
}

// Returns the right end of the text (for the focus rectangle).
int SectionList::Impl::DrawMarkupRowText(const RowPaint& p) {
  FontSpec spec = p.font->ToFontSpec();
  spec.color = p.textColor;
  DrawMarkup(p.dc, p.text, p.content, p.selected() && !p.header(), spec);
  return p.content.right;
}

// Returns the right end of the text (for the focus rectangle).
int SectionList::Impl::DrawPlainRowText(const RowPaint& p) {
  const bool header = p.header();
  const ListSection& s = p.s;
  if (lb.OnDrawItemProp) lb.OnDrawItemProp(&lb, p.s, p.section, p.subitem, p.dc);
  if (!header && p.selected() && !lb.FullFocus && !lb.wallpaper_) {
    ::SetBkMode(p.dc, OPAQUE);
    ::SetBkColor(p.dc, ToColorRef(lb.SelectionColor));
  }
  const auto stops = lb.tabs_.PlatformStops();
  const int textRight = header || p.text.find('\t') != std::string::npos
                            ? DrawTabbedRowText(p, stops)
                            : DrawWrappedRowText(p);
  if ((!header && HasVerticalLines(s.Lines)) || (lb.TabPosMove && s.Expanded())) {
    for (int stop : stops) {
      const int x = p.whole.left + (stop < 0 ? -stop + 2 : stop - 2);
      Line(p.dc, x, p.whole.top, x, p.whole.bottom, RGB(0, 0, 0));
      Line(p.dc, x + 1, p.whole.top, x + 1, p.whole.bottom, kLight);
    }
  }
  return textRight;
}

// Header rows and rows with tabs: one line, at the tab stops from the row's left.
int SectionList::Impl::DrawTabbedRowText(const RowPaint& p, const std::vector<int>& stops) {
  const RECT& rc = p.content;
  SIZE th{};
  ::GetTextExtentPoint32A(p.dc, "gh", 2, &th);
  const int base = p.header() ? lb.sectionHeight_ : p.s.ItemHeight;
  int y = rc.top + (base - th.cy) / 2;
  if (p.s.VAlignment == vtaTop) y = rc.top;
  if (p.s.VAlignment == vtaBottom) y = rc.bottom - th.cy;
  const DWORD ext =
      ::TabbedTextOutA(p.dc, rc.left, y, p.text.data(), static_cast<int>(p.text.size()),
                       static_cast<int>(stops.size()),
                       stops.empty() ? nullptr : const_cast<int*>(stops.data()), p.whole.left);
  return rc.left + LOWORD(ext);
}

// Other sub-item rows: aligned, wrapped at the client's width when the list wraps,
// several lines when the text has line breaks.
int SectionList::Impl::DrawWrappedRowText(const RowPaint& p) {
  const ListSection& s = p.s;
  UINT flags = DT_NOPREFIX;
  flags |= s.Alignment == taRightJustify ? DT_RIGHT : s.Alignment == taCenter ? DT_CENTER
                                                                               : DT_LEFT;
  RECT tr = p.content;
  if (lb.wordWrap_) {
    tr.right = std::min<LONG>(tr.right, ClientWidth() - ScrollBarWidth());
    flags |= DT_WORDBREAK;
  } else if (p.text.find('\r') == std::string::npos) {
    flags |= DT_SINGLELINE;
    flags |= s.VAlignment == vtaTop ? DT_TOP : s.VAlignment == vtaBottom ? DT_BOTTOM
                                                                         : DT_VCENTER;
  }
  if (s.EndEllipsis) flags |= DT_END_ELLIPSIS;
  const int length = static_cast<int>(p.text.size());
  ::DrawTextA(p.dc, p.text.data(), length, &tr, flags);
  RECT calc = tr;
  ::DrawTextA(p.dc, p.text.data(), length, &calc, flags | DT_CALCRECT);
  return std::min(calc.right, tr.right);
}

// A header's raised edge (three pixels wide when focused in 3D), its sort mark and
// node; a sub-item's horizontal line.
void SectionList::Impl::DrawRowDecorations(const RowPaint& p) {
  RECT deco = p.whole;
  deco.right += 1;
  const ListSection& s = p.s;
  if (p.header()) {
    const int width = (p.focused() && lb.SectionFocus == sf3D) ? 3 : 1;
    for (int i = 0; i < width; ++i) {
      Line(p.dc, deco.left + i, deco.bottom - 1 - i, deco.left + i, deco.top + i, kLight);
      Line(p.dc, deco.left + i, deco.top + i, deco.right - 1 - i, deco.top + i, kLight);
      Line(p.dc, deco.right - 2 - i, deco.top + i, deco.right - 2 - i, deco.bottom - 1 - i,
           kShadow);
      Line(p.dc, deco.left + i, deco.bottom - 1 - i, deco.right - 1 - i, deco.bottom - 1 - i,
           kShadow);
    }
    if (s.Expanded() && s.SortShow) DrawSortMark(p.dc, s, p.whole);
    if (!s.Fixed) DrawNode(p.dc, s, p.whole);
  } else if (HasHorizontalLines(s.Lines)) {
    Line(p.dc, deco.left, deco.bottom - 2, deco.right, deco.bottom - 2, RGB(0, 0, 0));
  }
}

// Around the whole row, or (without FullFocus) around its text only.
void SectionList::Impl::DrawRowFocus(const RowPaint& p, int textRight) {
  RECT fr = p.whole;
  if (lb.FullFocus) {
    ::InflateRect(&fr, -1, -1);
  } else {
    fr.left = p.content.left - 1;
    fr.right = std::min<LONG>(p.whole.right, textRight + 1);
  }
  ::SetTextColor(p.dc, RGB(0, 0, 0));
  ::SetBkColor(p.dc, RGB(255, 255, 255));
  ::DrawFocusRect(p.dc, &fr);
}

}  // namespace vconfig
