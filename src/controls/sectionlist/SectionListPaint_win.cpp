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

void SectionList::Impl::DrawMarkup(HDC dc, const std::string& text, const RECT& rc,
                                       bool selected, const FontSpec& font) {
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

void SectionList::Impl::PaintRow(HDC dc, int row, RECT rc, UINT state) {
  int section, subitem;
  lb.sections_.RowPosition(row, section, subitem);
  if (section < 0 || row >= static_cast<int>(rowWidth.size())) return;
  ListSection& s = lb.sections_[section];
  const bool header = subitem < 0;
  if (!header && subitem >= s.SubItems.Count()) return;
  const std::string& text = header ? s.Caption() : s.SubItems.Strings(subitem);
  const bool selected = (state & ODS_SELECTED) != 0;
  const bool focused = (state & ODS_FOCUS) != 0;
  const bool wallpaper = lb.wallpaper_ != nullptr;
  const RECT whole = rc;
  SavedDcState saved(dc);

  if (!header && s.OwnerDraw && lb.OnDrawItem) {
    Fill(dc, rc, ToColorRef(selected ? lb.SelectionColor : s.Color));
    ::SetTextColor(dc, ToColorRef(selected ? lb.SelectionTextColor : SubItemFont(s).Color));
    ::SelectObject(dc, FontFor(SubItemFont(s)));
    lb.OnDrawItem(&lb, s, section, subitem, dc, rc, state);
    return;
  }

  // Font and colours.
  const SectionListFont& font = header ? HeaderFont(s) : SubItemFont(s);
  ::SelectObject(dc, FontFor(font));
  TColor textColor = font.Color;
  TColor back = header ? lb.SectionColor : s.Color;
  if (!header && selected) {
    textColor = lb.SelectionTextColor;
    back = lb.FullFocus ? lb.SelectionColor : lb.color_;
  }
  ::SetTextColor(dc, ToColorRef(textColor));
  ::SetBkMode(dc, TRANSPARENT);

  // Background: over a wallpaper, sub-item rows show the wallpaper, selected or not.
  if (!wallpaper || header) {
    Fill(dc, rc, ToColorRef(back));
  } else {
    if (!background) RebuildBackground();
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    ::FillRect(dc, &rc, background.get());
  }

  const int rowLeft = rc.left;
  rc.left += header ? (s.Fixed ? lb.SubItemIndent : lb.SectionIndent) : lb.SubItemIndent;
  const int rowHeight = whole.bottom - whole.top;

  // Check box or radio button.
  if (!header && (s.ControlType == scCheckbox || s.ControlType == scRadiobutton)) {
    const bool box = s.ControlType == scCheckbox;
    const int size = box ? 14 : 10;
    int top;
    switch (s.VAlignment) {
      case vtaTop: top = rc.top + (box ? 1 : 2); break;
      case vtaBottom: top = rc.bottom - size; break;
      default: top = rc.top + (rowHeight - (box ? 12 : 10)) / 2; break;
    }
    RECT fr{rc.left, top, rc.left + size, top + size};
    UINT flags = box ? DFCS_BUTTONCHECK : DFCS_BUTTONRADIO;
    if (lb.Flat) flags |= DFCS_FLAT;
    if (s.ReadOnly) flags |= DFCS_INACTIVE;
    if (box ? subitemdata::Checked(s.SubItems.Data(subitem)) : s.RadioIndex == subitem)
      flags |= DFCS_CHECKED;
    ::DrawFrameControl(dc, &fr, DFC_BUTTON, flags);
    rc.left += 16;
  }

  // Image.
  HIMAGELIST images = header ? lb.SectionImages : lb.SubItemImages;
  const int image = header ? s.ImageIndex : subitemdata::ImageIndex(s.SubItems.Data(subitem));
  if (images && image >= 0) {
    int iw = 0, ih = 0;
    ::ImageList_GetIconSize(images, &iw, &ih);
    int top = rc.top;
    if (s.VAlignment == vtaBottom) top = rc.bottom - ih;
    if (s.VAlignment == vtaCenter) top = rc.top + (rowHeight - ih) / 2;
    ::ImageList_Draw(images, image, dc, rc.left, top, ILD_TRANSPARENT);
    rc.left += iw + lb.ImageSpacing;
  }

  // Text.
  int textRight = rc.left;
  if (IsMarkupRow(text)) {
    FontSpec spec = font.ToFontSpec();
    spec.color = textColor;
    DrawMarkup(dc, text, rc, selected && !header, spec);
    textRight = rc.right;
  } else {
    if (lb.OnDrawItemProp) lb.OnDrawItemProp(&lb, s, section, subitem, dc);
    if (!header && selected && !lb.FullFocus && !wallpaper) {
      ::SetBkMode(dc, OPAQUE);
      ::SetBkColor(dc, ToColorRef(lb.SelectionColor));
    }
    const auto stops = lb.tabs_.PlatformStops();
    if (header || text.find('\t') != std::string::npos) {
      SIZE th{};
      ::GetTextExtentPoint32A(dc, "gh", 2, &th);
      const int base = header ? lb.sectionHeight_ : s.ItemHeight;
      int y = rc.top + (base - th.cy) / 2;
      if (s.VAlignment == vtaTop) y = rc.top;
      if (s.VAlignment == vtaBottom) y = rc.bottom - th.cy;
      const DWORD ext = ::TabbedTextOutA(dc, rc.left, y, text.data(), static_cast<int>(text.size()),
                                         static_cast<int>(stops.size()),
                                         stops.empty() ? nullptr : const_cast<int*>(stops.data()),
                                         rowLeft);
      textRight = rc.left + LOWORD(ext);
    } else {
      UINT flags = DT_NOPREFIX;
      flags |= s.Alignment == taRightJustify ? DT_RIGHT : s.Alignment == taCenter ? DT_CENTER
                                                                                   : DT_LEFT;
      RECT tr = rc;
      if (lb.wordWrap_) {
        tr.right = std::min<LONG>(tr.right, ClientWidth() - ScrollBarWidth());
        flags |= DT_WORDBREAK;
      } else if (text.find('\r') == std::string::npos) {
        flags |= DT_SINGLELINE;
        flags |= s.VAlignment == vtaTop ? DT_TOP : s.VAlignment == vtaBottom ? DT_BOTTOM
                                                                             : DT_VCENTER;
      }
      if (s.EndEllipsis) flags |= DT_END_ELLIPSIS;
      ::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &tr, flags);
      RECT calc = tr;
      ::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &calc, flags | DT_CALCRECT);
      textRight = std::min(calc.right, tr.right);
    }
    if ((!header && HasVerticalLines(s.Lines)) || (lb.TabPosMove && s.Expanded())) {
      for (int stop : stops) {
        const int x = rowLeft + (stop < 0 ? -stop + 2 : stop - 2);
        Line(dc, x, whole.top, x, whole.bottom, RGB(0, 0, 0));
        Line(dc, x + 1, whole.top, x + 1, whole.bottom, kLight);
      }
    }
  }

  // Decorations.
  RECT deco = whole;
  deco.right += 1;
  if (header) {
    const int width = (focused && lb.SectionFocus == sf3D) ? 3 : 1;
    for (int i = 0; i < width; ++i) {
      Line(dc, deco.left + i, deco.bottom - 1 - i, deco.left + i, deco.top + i, kLight);
      Line(dc, deco.left + i, deco.top + i, deco.right - 1 - i, deco.top + i, kLight);
      Line(dc, deco.right - 2 - i, deco.top + i, deco.right - 2 - i, deco.bottom - 1 - i, kShadow);
      Line(dc, deco.left + i, deco.bottom - 1 - i, deco.right - 1 - i, deco.bottom - 1 - i,
           kShadow);
    }
    if (s.Expanded() && s.SortShow) DrawSortMark(dc, s, whole);
    if (!s.Fixed) DrawNode(dc, s, whole);
  } else if (HasHorizontalLines(s.Lines)) {
    Line(dc, deco.left, deco.bottom - 2, deco.right, deco.bottom - 2, RGB(0, 0, 0));
  }

  if (!wallpaper && focused &&
      (!header || (!s.Fixed && lb.SectionFocus == sfDash))) {
    RECT fr = whole;
    if (lb.FullFocus) {
      ::InflateRect(&fr, -1, -1);
    } else {
      fr.left = rc.left - 1;
      fr.right = std::min<LONG>(whole.right, textRight + 1);
    }
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkColor(dc, RGB(255, 255, 255));
    ::DrawFocusRect(dc, &fr);
  }
}

}  // namespace vconfig
