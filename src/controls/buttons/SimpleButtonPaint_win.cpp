#include "controls/buttons/SimpleButtonPaint_win.h"

#include <algorithm>

#include "controls/chrome/Bitmaps_win.h"
#include "controls/chrome/PictureStrip_win.h"
#include "controls/buttons/ExplorerButtonLayout.h"
#include "platform/Handles_win.h"

namespace vconfig {
namespace {

HFONT FontFor(HWND hwnd, HFONT font) {
  if (font) return font;
  auto parentFont = reinterpret_cast<HFONT>(::SendMessageA(::GetParent(hwnd), WM_GETFONT, 0, 0));
  return parentFont ? parentFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

void Checker(HDC dc, const RECT& r) {
  const COLORREF hi = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      ::SetPixel(dc, x, y, DownPatternIsHighlight(x, y) ? hi : face);
}

}  // namespace

void PaintSimpleButton(HWND hwnd, HDC target, const RECT& rc, const SimpleButtonLook& look) {
  const int w = rc.right, h = rc.bottom;
  if (w <= 0 || h <= 0) return;
  UniqueBitmap offscreen(::CreateCompatibleBitmap(target, w, h));
  UniqueMemDc dc(::CreateCompatibleDC(target));
  SelectObjectScope selBitmap(dc.get(), offscreen.get());

  RECT face = rc;
  if (look.frame == SimpleButtonFrame::kPush) {
    ::FillRect(dc.get(), &face, ::GetSysColorBrush(COLOR_BTNFACE));
    if (look.isDefault) {
      ::FrameRect(dc.get(), &face, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
      ::InflateRect(&face, -1, -1);
    }
    ::DrawFrameControl(dc.get(), &face, DFC_BUTTON,
                       DFCS_BUTTONPUSH | (look.sunken ? DFCS_PUSHED | DFCS_FLAT : 0));
  } else {
    if (look.faceColor != CLR_INVALID) {
      UniqueBrush ground(::CreateSolidBrush(look.faceColor));
      ::FillRect(dc.get(), &face, ground.get());
    } else {
      ::FillRect(dc.get(), &face, ClassBackgroundBrush(::GetParent(hwnd)));
    }
    if (look.background && look.background->hwnd()) {
      POINT origin{0, 0};
      ::MapWindowPoints(look.background->hwnd(), hwnd, &origin, 1);
      RECT strip{};
      ::GetClientRect(look.background->hwnd(), &strip);
      look.background->DrawPictureAt(dc.get(), origin.x, origin.y, strip.right, strip.bottom);
    }
    if (look.checkered && look.enabled) {
      RECT inner = face;
      ::InflateRect(&inner, -1, -1);
      Checker(dc.get(), inner);
    }
    if (look.frame == SimpleButtonFrame::kFlatVisible || look.sunken)
      ::DrawEdge(dc.get(), &face, look.sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }

  SelectObjectScope selFont(dc.get(), FontFor(hwnd, look.font));
  ::SetBkMode(dc.get(), TRANSPARENT);
  SIZE text{0, 0};
  if (!look.caption.empty()) {
    RECT m{0, 0, 0, 0};
    ::DrawTextA(dc.get(), look.caption.c_str(), static_cast<int>(look.caption.size()), &m,
                DT_CALCRECT | DT_SINGLELINE);
    text = SIZE{m.right, m.bottom};
  }
  const SIZE glyph = BitmapSize(look.glyph);
  const int gap = glyph.cx > 0 && text.cx > 0 ? 4 : 0;
  const int room = w - 6;
  if (glyph.cx + gap + text.cx > room) text.cx = std::max<LONG>(0, room - glyph.cx - gap);
  const int shift = look.sunken ? 1 : 0;
  const int left = (w - (glyph.cx + gap + text.cx)) / 2 + shift;
  const int glyphTop = (h - glyph.cy) / 2 + shift;
  RECT textRect{left + glyph.cx + gap, (h - text.cy) / 2 + shift, 0, 0};
  textRect.right = textRect.left + text.cx;
  textRect.bottom = textRect.top + text.cy;

  if (glyph.cx > 0) {
    if (look.enabled) {
      DrawBitmap(dc.get(), look.glyph, left, glyphTop, true);
    } else {
      DrawBitmapMask(dc.get(), look.glyph, left + 1, glyphTop + 1, glyph.cx, glyph.cy,
                     ::GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawBitmapMask(dc.get(), look.glyph, left, glyphTop, glyph.cx, glyph.cy,
                     ::GetSysColor(COLOR_BTNSHADOW));
    }
  }
  if (text.cx > 0) {
    const UINT flags = DT_SINGLELINE | DT_LEFT | DT_END_ELLIPSIS;
    if (!look.enabled) {
      RECT shifted = textRect;
      ::OffsetRect(&shifted, 1, 1);
      ::SetTextColor(dc.get(), ::GetSysColor(COLOR_BTNHIGHLIGHT));
      ::DrawTextA(dc.get(), look.caption.c_str(), -1, &shifted, flags);
      ::SetTextColor(dc.get(), ::GetSysColor(COLOR_BTNSHADOW));
    } else {
      ::SetTextColor(dc.get(), look.textColor == CLR_INVALID ? ::GetSysColor(COLOR_BTNTEXT)
                                                             : look.textColor);
    }
    ::DrawTextA(dc.get(), look.caption.c_str(), -1, &textRect, flags);
  }
  if (look.focused) {
    RECT focus = rc;
    ::InflateRect(&focus, -4, -4);
    ::DrawFocusRect(dc.get(), &focus);
  }
  ::BitBlt(target, 0, 0, w, h, dc.get(), 0, 0, SRCCOPY);
}

}  // namespace vconfig
