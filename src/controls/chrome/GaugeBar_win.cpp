#include "controls/chrome/GaugeBar_win.h"

#include "controls/chrome/Bitmaps_win.h"
#include "controls/PaintMessages_win.h"

namespace vconfig {
namespace {

void FillColor(HDC dc, int left, int top, int right, int bottom, ChromeColor color) {
  const COLORREF c = ResolveColor(color);
  if (c == CLR_INVALID || right <= left || bottom <= top) return;  // clNone draws nothing
  UniqueBrush brush(::CreateSolidBrush(c));
  RECT r{left, top, right, bottom};
  ::FillRect(dc, &r, brush.get());
}

// A polyline from p0 over p1 to p2, the last point excluded (as LineTo draws).
void Polyline2(HDC dc, ChromeColor color, POINT p0, POINT p1, POINT p2) {
  const COLORREF c = ResolveColor(color);
  if (c == CLR_INVALID) return;
  UniquePen pen(::CreatePen(PS_SOLID, 1, c));
  SelectObjectScope sel(dc, pen.get());
  ::MoveToEx(dc, p0.x, p0.y, nullptr);
  ::LineTo(dc, p1.x, p1.y);
  ::LineTo(dc, p2.x, p2.y);
}

}  // namespace

GaugeBar::GaugeBar()
    : backgroundColor_(kChromeSysColor | COLOR_BTNFACE),
      borderColor1_(kChromeSysColor | COLOR_BTNSHADOW),
      borderColor2_(kChromeSysColor | COLOR_BTNHIGHLIGHT) {}

bool GaugeBar::Create(HWND parent, int x, int y, int width, int height) {
  return CreateForm(
      SelfPaintedChildArgs("TGaugeBar", WS_CHILD | WS_VISIBLE, parent, x, y, width, height));
}

void GaugeBar::SetBounds(int x, int y, int width, int height) {
  ::MoveWindow(hwnd(), x, y, width, height, TRUE);
}

void GaugeBar::Changed() {
  rebuildGradient_ = true;
  if (hwnd()) {
    ::InvalidateRect(hwnd(), nullptr, FALSE);
    ::UpdateWindow(hwnd());
  }
}

void GaugeBar::SetBackgroundColor(ChromeColor c) { backgroundColor_ = c; Changed(); }
void GaugeBar::SetBarBitmap(HBITMAP bitmap) { barBitmap_ = CopyBitmapHandle(bitmap); Changed(); }
void GaugeBar::SetBarColor1(ChromeColor c) { barColor1_ = c; Changed(); }
void GaugeBar::SetBarColor2(ChromeColor c) { barColor2_ = c; Changed(); }
void GaugeBar::SetBarColor3(ChromeColor c) { barColor3_ = c; Changed(); }
void GaugeBar::SetBarColorStyle(TBarColorStyle s) { barColorStyle_ = s; Changed(); }
void GaugeBar::SetBorderColor1(ChromeColor c) { borderColor1_ = c; Changed(); }
void GaugeBar::SetBorderColor2(ChromeColor c) { borderColor2_ = c; Changed(); }
void GaugeBar::SetDirection(TProgressDirection d) { direction_ = d; Changed(); }
void GaugeBar::SetMin(int v) { min_ = v; Changed(); }
void GaugeBar::SetMax(int v) { max_ = v; Changed(); }
void GaugeBar::SetPosTextPrefix(const std::string& s) { prefix_ = s; Changed(); }
void GaugeBar::SetPosTextSuffix(const std::string& s) { suffix_ = s; Changed(); }
void GaugeBar::SetShowBorder(bool v) { showBorder_ = v; Changed(); }
void GaugeBar::SetShowPosText(bool v) { showPosText_ = v; Changed(); }
void GaugeBar::SetFont(HFONT font) { font_ = font; Changed(); }
void GaugeBar::SetFontColor(ChromeColor c) { fontColor_ = c; Changed(); }

void GaugeBar::SetPosition(int v) {
  const int low = min_ < max_ ? min_ : max_;
  const int high = min_ < max_ ? max_ : min_;
  if (v < low || v > high || v == position_) return;
  position_ = v;
  // Only the filled length changes: the cached gradient stays.
  rebuildGradient_ = false;
  if (hwnd()) {
    ::InvalidateRect(hwnd(), nullptr, FALSE);
    ::UpdateWindow(hwnd());
  }
  rebuildGradient_ = true;
}

void GaugeBar::BuildGradient(HDC work, int w, int h) {
  ++gradientBuilds_;
  gradient_.reset(::CreateCompatibleBitmap(work, w, h));
  gradientSize_ = SIZE{w, h};
  UniqueMemDc dc(::CreateCompatibleDC(work));
  SelectObjectScope sel(dc.get(), gradient_.get());
  const SIZE tile = BitmapSize(barBitmap_.get());
  if (tile.cx > 0 && tile.cy > 0) {
    for (int y = 0; y < h; y += tile.cy)
      for (int x = 0; x < w; x += tile.cx) DrawBitmap(dc.get(), barBitmap_.get(), x, y, false);
    return;
  }
  const bool vertical = IsVertical(direction_);
  const std::vector<ChromeColor> lines =
      GradientLines(barColorStyle_, direction_, barColor1_, barColor2_, barColor3_,
                    vertical ? h : w);
  for (size_t i = 0; i < lines.size(); ++i) {
    const int at = static_cast<int>(i);
    if (vertical)
      FillColor(dc.get(), 0, at, w, at + 1, lines[i]);
    else
      FillColor(dc.get(), at, 0, at + 1, h, lines[i]);
  }
}

void GaugeBar::DrawUnfilled(HDC dc, int w, int h) {
  const int inset = showBorder_ ? 1 : 0;
  const int left = inset, top = inset, right = w - inset, bottom = h - inset;
  const bool vertical = IsVertical(direction_);
  const int inner = vertical ? bottom - top : right - left;
  const int filled = FilledLength(position_, min_, max_, inner);
  switch (direction_) {
    case TProgressDirection::pdLeftToRight:
      FillColor(dc, left + filled, top, right, bottom, backgroundColor_);
      break;
    case TProgressDirection::pdRightToLeft:
      FillColor(dc, left, top, right - filled, bottom, backgroundColor_);
      break;
    case TProgressDirection::pdTopToBottom:
      FillColor(dc, left, top + filled, right, bottom, backgroundColor_);
      break;
    case TProgressDirection::pdBottomToTop:
      FillColor(dc, left, top, right, bottom - filled, backgroundColor_);
      break;
  }
}

void GaugeBar::DrawBorder(HDC dc, int w, int h) {
  Polyline2(dc, borderColor1_, POINT{w - 1, 0}, POINT{0, 0}, POINT{0, h});
  Polyline2(dc, borderColor2_, POINT{1, h - 1}, POINT{w - 1, h - 1}, POINT{w - 1, 0});
}

void GaugeBar::DrawPosText(HDC dc, int w, int h) {
  const std::string text = PositionText(prefix_, position_, suffix_);
  HFONT font = font_ ? font_
                     : reinterpret_cast<HFONT>(::SendMessageA(::GetParent(hwnd()), WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  SelectObjectScope sel(dc, font);
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SetBkMode(dc, TRANSPARENT);
  const COLORREF color = ResolveColor(fontColor_);
  if (color == CLR_INVALID) return;
  ::SetTextColor(dc, color);
  ::TextOutA(dc, w / 2 - size.cx / 2, h / 2 - size.cy / 2, text.c_str(),
             static_cast<int>(text.size()));
}

void GaugeBar::PaintTo(HDC target) {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) return;
  const SIZE workSize = BitmapSize(work_.get());
  if (workSize.cx != w || workSize.cy != h) work_.reset(::CreateCompatibleBitmap(target, w, h));
  UniqueMemDc dc(::CreateCompatibleDC(target));
  SelectObjectScope selWork(dc.get(), work_.get());

  // What no colour covers (clNone everywhere) shows the parent's colour.
  RECT all{0, 0, w, h};
  ::FillRect(dc.get(), &all, ::GetSysColorBrush(COLOR_BTNFACE));
  if (barColorStyle_ == TBarColorStyle::cs1Color && !HasImage(barBitmap_.get())) {
    FillColor(dc.get(), 0, 0, w, h, barColor1_);
  } else {
    if (rebuildGradient_ || !gradient_ || gradientSize_.cx != w || gradientSize_.cy != h)
      BuildGradient(dc.get(), w, h);
    UniqueMemDc src(::CreateCompatibleDC(target));
    SelectObjectScope selGradient(src.get(), gradient_.get());
    ::BitBlt(dc.get(), 0, 0, w, h, src.get(), 0, 0, SRCCOPY);
  }
  DrawUnfilled(dc.get(), w, h);
  if (showBorder_) DrawBorder(dc.get(), w, h);
  if (showPosText_) DrawPosText(dc.get(), w, h);
  ::BitBlt(target, 0, 0, w, h, dc.get(), 0, 0, SRCCOPY);
}

LRESULT GaugeBar::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT painted = 0;
  if (HandlePaintMessage(hwnd(), msg, wp, painted, [this](HDC dc) { PaintTo(dc); }))
    return painted;
  switch (msg) {
    case WM_SIZE:
      rebuildGradient_ = true;
      break;
    default:
      break;
  }
  return Form::HandleMessage(msg, wp, lp);
}

}  // namespace vconfig
