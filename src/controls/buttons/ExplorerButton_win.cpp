#include "controls/buttons/ExplorerButton_win.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "controls/chrome/Bitmaps_win.h"
#include "controls/chrome/PictureStrip_win.h"
#include "controls/PaintMessages_win.h"
#include "controls/SiblingWindows_win.h"

namespace vconfig {
namespace {

constexpr int kOfficeArrowWidth = 11;

// The 8 x 8 checker of a button that is down.
UniqueBrush DownPatternBrush() {
  const COLORREF hi = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  WindowDc screen(nullptr);
  UniqueBitmap pattern(::CreateCompatibleBitmap(screen.get(), 8, 8));
  {
    UniqueMemDc dc(::CreateCompatibleDC(screen.get()));
    SelectObjectScope sel(dc.get(), pattern.get());
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) ::SetPixel(dc.get(), x, y, DownPatternIsHighlight(x, y) ? hi : face);
  }
  return UniqueBrush(::CreatePatternBrush(pattern.get()));
}

void Line(HDC dc, COLORREF color, const std::vector<POINT>& points) {
  UniquePen pen(::CreatePen(PS_SOLID, 1, color));
  SelectObjectScope sel(dc, pen.get());
  ::MoveToEx(dc, points[0].x, points[0].y, nullptr);
  for (size_t i = 1; i < points.size(); ++i) ::LineTo(dc, points[i].x, points[i].y);
}

}  // namespace

ExplorerButton::ExplorerButton()
    : unselectedFontColor_(kChromeSysColor | COLOR_WINDOWTEXT),
      fontColor_(kChromeSysColor | COLOR_WINDOWTEXT) {}

ExplorerButton::~ExplorerButton() = default;

bool ExplorerButton::Create(HWND parent, int x, int y) {
  const SIZE s = CurrentSize();
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (tabStop_ ? WS_TABSTOP : 0);
  if (!CreateForm(SelfPaintedChildArgs("TExplBtn", style, parent, x, y, s.cx, s.cy)))
    return false;
  // New children go below their siblings: lift the button above the strip picture.
  ::SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void ExplorerButton::SetLeftTop(int x, int y) {
  if (hwnd()) ::SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE ExplorerButton::CurrentSize() const {
  switch (buttonSize_) {
    case TExplBtnButtonSize::bsSmall: return smallSize_;
    case TExplBtnButtonSize::bsLarge: return largeSize_;
    case TExplBtnButtonSize::bsCustom: break;
  }
  return customSize_;
}

void ExplorerButton::SetSize(int width, int height) {
  SIZE& pair = buttonSize_ == TExplBtnButtonSize::bsSmall   ? smallSize_
               : buttonSize_ == TExplBtnButtonSize::bsLarge ? largeSize_
                                                            : customSize_;
  pair = SIZE{width, height};
  if (hwnd())
    ::SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ExplorerButton::SetButtonSize(TExplBtnButtonSize s) {
  buttonSize_ = s;
  const SIZE size = CurrentSize();
  SetSize(size.cx, size.cy);
  Repaint();
}

void ExplorerButton::SetCustomSize(int width, int height) {
  customSize_ = SIZE{width, height};
  if (buttonSize_ == TExplBtnButtonSize::bsCustom) SetSize(width, height);
}
void ExplorerButton::SetSmallSize(int width, int height) {
  smallSize_ = SIZE{width, height};
  if (buttonSize_ == TExplBtnButtonSize::bsSmall) SetSize(width, height);
}
void ExplorerButton::SetLargeSize(int width, int height) {
  largeSize_ = SIZE{width, height};
  if (buttonSize_ == TExplBtnButtonSize::bsLarge) SetSize(width, height);
}

void ExplorerButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (hwnd()) ::SetWindowTextA(hwnd(), caption.c_str());
  Repaint();
}
void ExplorerButton::SetAlignment(TExplBtnAlignment a) { alignment_ = a; Repaint(); }
void ExplorerButton::SetLayout(TExplBtnLayout l) { layout_ = l; Repaint(); }
void ExplorerButton::SetOptions(TExplBtnOptions o) { options_ = o; Repaint(); }
void ExplorerButton::SetBevelStyle(TExplBtnBevelStyle s) { bevelStyle_ = s; Repaint(); }
void ExplorerButton::SetDropDownStyle(TExplBtnDropDownStyle s) { dropDownStyle_ = s; Repaint(); }
void ExplorerButton::SetUnselectedFontColor(ChromeColor c) { unselectedFontColor_ = c; Repaint(); }
void ExplorerButton::SetFontColor(ChromeColor c) { fontColor_ = c; Repaint(); }
void ExplorerButton::SetGroupIndex(int index) { groupIndex_ = index; }
void ExplorerButton::SetAllowAllUp(bool value) { allowAllUp_ = value; }
void ExplorerButton::SetDefault(bool value) { default_ = value; }
void ExplorerButton::SetCancel(bool value) { cancel_ = value; }

void ExplorerButton::SetShadingType(TExplBtnShadingType t) {
  shadingType_ = t;
  BuildInactiveCopy();
  Repaint();
}

void ExplorerButton::SetBitmap(HBITMAP bitmap) {
  bitmap_ = CopyBitmapHandle(bitmap);
  BuildInactiveCopy();
  Repaint();
}

void ExplorerButton::LoadBitmapResource(int resourceId) {
  UniqueBitmap loaded = LoadArtworkBitmap(resourceId);
  SetBitmap(loaded.get());
}

void ExplorerButton::SetNoFocusBitmap(HBITMAP bitmap) { noFocusBitmap_ = CopyBitmapHandle(bitmap); Repaint(); }
void ExplorerButton::SetDisabledBitmap(HBITMAP bitmap) { disabledBitmap_ = CopyBitmapHandle(bitmap); Repaint(); }

void ExplorerButton::SetFont(HFONT font) {
  font_ = font;
  ownedFont_.reset();
  Repaint();
}

void ExplorerButton::SetFontFace(const std::string& face, int pointSize, bool bold) {
  WindowDc screen(nullptr);
  const int height = -::MulDiv(pointSize, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  ownedFont_.reset(::CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                                 DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
  font_ = ownedFont_.get();
  Repaint();
}

HFONT ExplorerButton::CurrentFont() const {
  if (font_) return font_;
  HWND parent = hwnd() ? ::GetParent(hwnd()) : nullptr;
  auto parentFont = parent ? reinterpret_cast<HFONT>(::SendMessageA(parent, WM_GETFONT, 0, 0)) : nullptr;
  return parentFont ? parentFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

bool ExplorerButton::Enabled() const { return !hwnd() || ::IsWindowEnabled(hwnd()); }

void ExplorerButton::SetEnabled(bool value) {
  if (hwnd()) ::EnableWindow(hwnd(), value ? TRUE : FALSE);
  if (!value) {
    hot_ = false;
    pressed_ = false;
  }
  Repaint();
}

void ExplorerButton::SetTabStop(bool value) {
  tabStop_ = value;
  if (!hwnd()) return;
  LONG style = ::GetWindowLongA(hwnd(), GWL_STYLE);
  style = value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
  ::SetWindowLongA(hwnd(), GWL_STYLE, style);
}

void ExplorerButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  if (down_ && groupIndex_ != 0) ReleaseGroup();
  Repaint();
}

void ExplorerButton::ReleaseGroup() {
  ForEachSibling<ExplorerButton>(hwnd(), "TExplBtn", [this](ExplorerButton& other) {
    if (other.groupIndex_ == groupIndex_ && other.down_) {
      other.down_ = false;
      other.Repaint();
    }
  });
}

char ExplorerButton::Accelerator() const { return CaptionAccelerator(caption_); }

void ExplorerButton::Click() {
  if (OnClick) OnClick(*this);
}

void ExplorerButton::KeyClick() {
  if (groupIndex_ != 0) {
    if (allowAllUp_ && down_)
      SetDown(false);
    else
      SetDown(true);
  }
  Click();
}

void ExplorerButton::Repaint() {
  if (!hwnd()) return;
  ::InvalidateRect(hwnd(), nullptr, FALSE);
  ::UpdateWindow(hwnd());
}

// --- mouse -------------------------------------------------------------------

void ExplorerButton::PointerEntered() {
  hot_ = true;
  if (!down_ && Enabled()) Repaint();
  if (OnEnter) OnEnter(*this);
}

void ExplorerButton::PointerLeft() {
  hot_ = false;
  if (!down_ && Enabled()) Repaint();
  if (OnExit) OnExit(*this);
}

void ExplorerButton::MouseDown(int x, int y, UINT keys) {
  if (!Enabled() || !::IsWindowVisible(hwnd())) return;
  HWND root = ::GetAncestor(hwnd(), GA_ROOT);
  if (root && ::GetActiveWindow() != root && ::IsWindowEnabled(root)) ::SetActiveWindow(root);
  pressed_ = true;
  const bool wasHot = hot_;
  hot_ = true;
  Repaint();
  ::SetCapture(hwnd());
  if (!wasHot && OnEnter) OnEnter(*this);
  if (OnMouseDown) OnMouseDown(*this, 0, keys, x, y);
}

void ExplorerButton::MouseMove(int x, int y, UINT keys) {
  RECT rc{};
  ::GetClientRect(hwnd(), &rc);
  const bool over = ::PtInRect(&rc, POINT{x, y}) != FALSE;
  if (!tracking_) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd(), 0};
    tracking_ = ::TrackMouseEvent(&tme) != FALSE;
  }
  if (over && !hot_)
    PointerEntered();
  else if (!over && hot_)
    PointerLeft();
  if (hwnd() && OnMouseMove) OnMouseMove(*this, keys, x, y);
}

void ExplorerButton::MouseUp(int x, int y, UINT keys) {
  if (!Enabled() || !::IsWindowVisible(hwnd()) || !pressed_) {
    if (OnMouseUp) OnMouseUp(*this, 0, keys, x, y);
    return;
  }
  RECT rc{};
  ::GetClientRect(hwnd(), &rc);
  const bool over = ::PtInRect(&rc, POINT{x, y}) != FALSE;
  if (groupIndex_ != 0 && over) {
    if (allowAllUp_ && down_) {
      down_ = false;
    } else {
      down_ = true;
      ReleaseGroup();
    }
  }
  pressed_ = false;
  ::ReleaseCapture();
  if (hot_) {
    // Hot follows the release point: only a release over the button clicks.
    if (!over) {
      PointerLeft();
    } else {
      ::InvalidateRect(hwnd(), nullptr, FALSE);
      Click();
    }
  } else {
    Repaint();
  }
  if (hwnd() && OnMouseUp) OnMouseUp(*this, 0, keys, x, y);
}

LRESULT ExplorerButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (IsKeyButtonQuery(msg)) return KeyButtonAnswer();
  LRESULT painted = 0;
  if (HandlePaintMessage(hwnd(), msg, wp, painted, [this](HDC dc) { PaintTo(dc); }))
    return painted;
  switch (msg) {
    case WM_LBUTTONDOWN:
      MouseDown(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), static_cast<UINT>(wp));
      return 0;
    case WM_LBUTTONUP:
      MouseUp(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), static_cast<UINT>(wp));
      return 0;
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(*this);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      if (OnMouseDown && msg == WM_RBUTTONDOWN)
        OnMouseDown(*this, 1, static_cast<UINT>(wp), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      if (OnMouseUp && msg == WM_RBUTTONUP)
        OnMouseUp(*this, 1, static_cast<UINT>(wp), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), static_cast<UINT>(wp));
      return 0;
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (hot_ && ::GetCapture() != hwnd()) PointerLeft();
      return 0;
    case WM_CAPTURECHANGED:
      if (pressed_ && reinterpret_cast<HWND>(lp) != hwnd()) {
        pressed_ = false;
        Repaint();
      }
      return 0;
    case WM_KEYDOWN:
      if (wp == VK_RETURN) {
        KeyClick();
        return 0;
      }
      break;
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Repaint();
      break;
    case WM_SYSCOLORCHANGE:
      BuildInactiveCopy();
      Repaint();
      break;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
      if (!(pos->flags & SWP_NOSIZE)) {
        RECT rc{};
        ::GetClientRect(hwnd(), &rc);
        SIZE& pair = buttonSize_ == TExplBtnButtonSize::bsSmall   ? smallSize_
                     : buttonSize_ == TExplBtnButtonSize::bsLarge ? largeSize_
                                                                  : customSize_;
        pair = SIZE{rc.right, rc.bottom};
      }
      // The strip behind shows at a new place: draw it afresh.
      ::InvalidateRect(hwnd(), nullptr, FALSE);
      break;
    }
    default:
      break;
  }
  return Form::HandleMessage(msg, wp, lp);
}

// --- painting ----------------------------------------------------------------

SIZE ExplorerButton::GlyphSize() const {
  switch (buttonSize_) {
    case TExplBtnButtonSize::bsSmall: return SIZE{16, 16};
    case TExplBtnButtonSize::bsLarge: return SIZE{32, 32};
    case TExplBtnButtonSize::bsCustom: break;
  }
  return BitmapSize(bitmap_.get());
}

void ExplorerButton::BuildInactiveCopy() {
  inactiveBitmap_.reset();
  const SIZE s = BitmapSize(bitmap_.get());
  if (s.cx <= 0 || s.cy <= 0) return;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = s.cx;
  bi.bmiHeader.biHeight = -s.cy;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> px(static_cast<size_t>(s.cx) * static_cast<size_t>(s.cy));
  WindowDc screen(nullptr);
  if (!::GetDIBits(screen.get(), bitmap_.get(), 0, static_cast<UINT>(s.cy), px.data(), &bi,
                   DIB_RGB_COLORS))
    return;
  const RGBQUAD key = px[0];
  auto quad = [](COLORREF c) {
    return RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0};
  };
  const RGBQUAD highlight = quad(::GetSysColor(COLOR_BTNHIGHLIGHT));
  const RGBQUAD shadow = quad(::GetSysColor(COLOR_BTNSHADOW));
  for (RGBQUAD& p : px) {
    if (p.rgbRed == key.rgbRed && p.rgbGreen == key.rgbGreen && p.rgbBlue == key.rgbBlue) continue;
    switch (InactiveShadeFor(shadingType_, p.rgbRed, p.rgbGreen, p.rgbBlue)) {
      case InactiveShade::kWhite: p = RGBQUAD{255, 255, 255, 0}; break;
      case InactiveShade::kHighlight: p = highlight; break;
      case InactiveShade::kShadow: p = shadow; break;
      case InactiveShade::kBlack: p = RGBQUAD{0, 0, 0, 0}; break;
    }
  }
  UniqueBitmap copy(::CreateCompatibleBitmap(screen.get(), s.cx, s.cy));
  if (copy && ::SetDIBits(screen.get(), copy.get(), 0, static_cast<UINT>(s.cy), px.data(), &bi,
                          DIB_RGB_COLORS))
    inactiveBitmap_ = std::move(copy);
}

void ExplorerButton::DrawBackground(HDC dc, int w, int h) {
  HWND parent = ::GetParent(hwnd());
  RECT all{0, 0, w, h};
  ::FillRect(dc, &all, ClassBackgroundBrush(parent));
  if (!HasOption(boTransparent) || !backgroundImage_ || !backgroundImage_->hwnd()) return;
  // The strip's picture, lined up with where the strip shows it on screen.
  POINT origin{0, 0};
  ::MapWindowPoints(backgroundImage_->hwnd(), hwnd(), &origin, 1);
  RECT strip{};
  ::GetClientRect(backgroundImage_->hwnd(), &strip);
  backgroundImage_->DrawPictureAt(dc, origin.x, origin.y, strip.right, strip.bottom);
}

void ExplorerButton::DrawGlyph(HDC dc, HBITMAP glyph, int x, int y) {
  const SIZE s = BitmapSize(glyph);
  if (s.cx <= 0 || s.cy <= 0) return;
  const SIZE g = GlyphSize();
  UniqueMemDc src(::CreateCompatibleDC(dc));
  SelectObjectScope sel(src.get(), glyph);
  const COLORREF key = ::GetPixel(src.get(), 0, 0);
  // Small and large buttons use the top-left 16 x 16 of the picture.
  const int sw = buttonSize_ == TExplBtnButtonSize::bsCustom ? s.cx : std::min<int>(s.cx, 16);
  const int sh = buttonSize_ == TExplBtnButtonSize::bsCustom ? s.cy : std::min<int>(s.cy, 16);
  ::TransparentBlt(dc, x, y, g.cx, g.cy, src.get(), 0, 0, sw, sh, key);
}

void ExplorerButton::DrawEmbossedGlyph(HDC dc, int x, int y) {
  const SIZE g = GlyphSize();
  DrawBitmapMask(dc, bitmap_.get(), x + 1, y + 1, g.cx, g.cy, ::GetSysColor(COLOR_BTNHIGHLIGHT));
  DrawBitmapMask(dc, bitmap_.get(), x, y, g.cx, g.cy, ::GetSysColor(COLOR_BTNSHADOW));
}

void ExplorerButton::DrawCaption(HDC dc, const RECT& r, COLORREF color, UINT flags) {
  if (color == CLR_INVALID || r.right <= r.left) return;
  ::SetTextColor(dc, color);
  RECT rc = r;
  ::DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &rc, flags);
}

void ExplorerButton::DrawBevel(HDC dc, int a, int h, bool raised) {
  if (!HasOption(boShowBevel)) return;
  if (bevelStyle_ == TExplBtnBevelStyle::bsLowered) raised = !raised;
  const COLORREF hi = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF sh = ::GetSysColor(COLOR_BTNSHADOW);
  Line(dc, raised ? hi : sh, {{0, h - 1}, {0, 0}, {a - 1, 0}});
  Line(dc, raised ? sh : hi, {{a - 1, 0}, {a - 1, h - 1}, {0, h - 1}});
}

void ExplorerButton::PaintTo(HDC target) {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) return;
  const int a = dropDownStyle_ == TExplBtnDropDownStyle::ddsOffice ? w - kOfficeArrowWidth : w;

  UniqueBitmap offscreen(::CreateCompatibleBitmap(target, w, h));
  UniqueMemDc dc(::CreateCompatibleDC(target));
  SelectObjectScope selBitmap(dc.get(), offscreen.get());

  DrawBackground(dc.get(), w, h);
  if (down_ && HasOption(boShowDownPattern)) {
    UniqueBrush pattern = DownPatternBrush();
    RECT r{0, 0, a, h};
    ::FillRect(dc.get(), &r, pattern.get());
  }

  SelectObjectScope selFont(dc.get(), CurrentFont());
  ::SetBkMode(dc.get(), TRANSPARENT);
  UINT align = alignment_ == TExplBtnAlignment::taLeftJustify    ? DT_LEFT
               : alignment_ == TExplBtnAlignment::taRightJustify ? DT_RIGHT
                                                                 : DT_CENTER;
  const bool wrap = HasOption(boWordWrap);
  const UINT lineFlags = wrap ? DT_WORDBREAK : DT_SINGLELINE;

  BtnPlacementInput in;
  in.usableWidth = a;
  in.height = h;
  if (!HasOption(boIconOnly) && !caption_.empty()) {
    in.gap = 2;
    std::string measured = wrap ? caption_ + " " : caption_;
    RECT r{0, 0, std::max(a - 4, 0), 0};
    ::DrawTextA(dc.get(), measured.c_str(), static_cast<int>(measured.size()), &r,
                DT_CALCRECT | align | lineFlags);
    in.textWidth = std::min<int>(r.right - r.left, a - 4);
    in.textHeight = r.bottom - r.top;
  }
  const SIZE glyphSize = GlyphSize();
  in.hasGlyph = HasImage(bitmap_.get());
  in.glyphWidth = glyphSize.cx;
  in.glyphHeight = glyphSize.cy;
  in.layout = layout_;
  in.alignment = alignment_;
  in.wordWrap = wrap;
  const BtnPlacement p = PlaceGlyphAndText(in);
  lastPlacement_ = p;

  RECT text{p.text.left, p.text.top, p.text.right, p.text.bottom};
  int gx = p.glyphLeft, gy = p.glyphTop;
  const UINT textFlags = align | lineFlags | DT_END_ELLIPSIS;
  const bool hasText = in.textWidth > 0 || in.textHeight > 0;

  if (!Enabled()) {
    if (down_) DrawBevel(dc.get(), a, h, false);
    if (in.hasGlyph) {
      if (HasImage(disabledBitmap_.get()))
        DrawGlyph(dc.get(), disabledBitmap_.get(), gx, gy);
      else
        DrawEmbossedGlyph(dc.get(), gx, gy);
    }
    if (hasText) {
      RECT shifted = text;
      ::OffsetRect(&shifted, 1, 1);
      DrawCaption(dc.get(), shifted, ::GetSysColor(COLOR_BTNHIGHLIGHT), textFlags);
      DrawCaption(dc.get(), text, ::GetSysColor(COLOR_BTNSHADOW), textFlags);
    }
  } else if ((pressed_ && hot_) || down_) {
    DrawBevel(dc.get(), a, h, false);
    if (!HasOption(boNoDepress)) {
      ++gx;
      ++gy;
      if (bevelStyle_ == TExplBtnBevelStyle::bsRaised) ::OffsetRect(&text, 1, 1);
    }
    lastPlacement_.glyphLeft = gx;
    lastPlacement_.glyphTop = gy;
    lastPlacement_.text = BtnRect{text.left, text.top, text.right, text.bottom};
    if (in.hasGlyph) DrawGlyph(dc.get(), bitmap_.get(), gx, gy);
    if (hasText) DrawCaption(dc.get(), text, ResolveColor(fontColor_), textFlags);
  } else {
    if (hot_) DrawBevel(dc.get(), a, h, true);
    if (bevelStyle_ == TExplBtnBevelStyle::bsLowered) ::OffsetRect(&text, 1, 1);
    lastPlacement_.text = BtnRect{text.left, text.top, text.right, text.bottom};
    HBITMAP glyph = bitmap_.get();
    if (HasOption(boMonoDisplay) && !hot_)
      glyph = HasImage(noFocusBitmap_.get()) ? noFocusBitmap_.get() : inactiveBitmap_.get();
    if (in.hasGlyph) DrawGlyph(dc.get(), glyph, gx, gy);
    if (hasText)
      DrawCaption(dc.get(), text, ResolveColor(hot_ ? fontColor_ : unselectedFontColor_), textFlags);
  }
  ::BitBlt(target, 0, 0, w, h, dc.get(), 0, 0, SRCCOPY);
}

}  // namespace vconfig
