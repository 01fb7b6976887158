#include "controls/chrome/Bitmaps_win.h"

#include <algorithm>

#include "markup/Color.h"

namespace vconfig {

UniqueBitmap LoadArtworkBitmap(int resourceId) {
  return UniqueBitmap(static_cast<HBITMAP>(
      ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0,
                   LR_DEFAULTCOLOR)));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP bm{};
  if (!bitmap || !::GetObjectA(bitmap, sizeof bm, &bm)) return SIZE{0, 0};
  return SIZE{bm.bmWidth, bm.bmHeight};
}

bool HasImage(HBITMAP bitmap) {
  const SIZE s = BitmapSize(bitmap);
  return s.cx > 0 && s.cy > 0;
}

UniqueBitmap CopyBitmapHandle(HBITMAP source) {
  if (!HasImage(source)) return UniqueBitmap();
  const SIZE s = BitmapSize(source);
  WindowDc screen(nullptr);
  UniqueBitmap copy(::CreateCompatibleBitmap(screen.get(), s.cx, s.cy));
  UniqueMemDc src(::CreateCompatibleDC(screen.get()));
  UniqueMemDc dst(::CreateCompatibleDC(screen.get()));
  if (!copy || !src || !dst) return UniqueBitmap();
  {
    SelectObjectScope a(src.get(), source);
    SelectObjectScope b(dst.get(), copy.get());
    ::BitBlt(dst.get(), 0, 0, s.cx, s.cy, src.get(), 0, 0, SRCCOPY);
  }
  return copy;
}

COLORREF TopLeftColor(HBITMAP bitmap) {
  if (!HasImage(bitmap)) return CLR_INVALID;
  UniqueMemDc dc(::CreateCompatibleDC(nullptr));
  SelectObjectScope sel(dc.get(), bitmap);
  return ::GetPixel(dc.get(), 0, 0);
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, bool transparent) {
  const SIZE s = BitmapSize(bitmap);
  if (s.cx <= 0 || s.cy <= 0) return;
  UniqueMemDc src(::CreateCompatibleDC(dc));
  SelectObjectScope sel(src.get(), bitmap);
  if (transparent) {
    const COLORREF key = ::GetPixel(src.get(), 0, 0);
    ::TransparentBlt(dc, x, y, s.cx, s.cy, src.get(), 0, 0, s.cx, s.cy, key);
  } else {
    ::BitBlt(dc, x, y, s.cx, s.cy, src.get(), 0, 0, SRCCOPY);
  }
}

COLORREF ResolveColor(DWORD color) {
  if (color == clNone) return CLR_INVALID;
  if (IsSystemColor(color)) return ::GetSysColor(SystemColorIndex(color));
  return color & 0xFFFFFF;
}


HBRUSH ClassBackgroundBrush(HWND hwnd) {
  const auto value = static_cast<UINT_PTR>(::GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND));
  if (value == 0) return ::GetSysColorBrush(COLOR_BTNFACE);
  // A class brush may be a system colour index plus one.
  if (value <= static_cast<UINT_PTR>(COLOR_MENUBAR + 1))
    return ::GetSysColorBrush(static_cast<int>(value - 1));
  return reinterpret_cast<HBRUSH>(value);
}


// Draws the part of the glyph that is not its transparent colour in one colour.
void DrawBitmapMask(HDC dc, HBITMAP glyph, int x, int y, int w, int h, COLORREF color) {
  const SIZE s = BitmapSize(glyph);
  UniqueMemDc src(::CreateCompatibleDC(dc));
  UniqueMemDc mono(::CreateCompatibleDC(dc));
  UniqueBitmap mask(::CreateBitmap(s.cx, s.cy, 1, 1, nullptr));
  SelectObjectScope selSrc(src.get(), glyph);
  SelectObjectScope selMono(mono.get(), mask.get());
  // Pixels of the key colour become 1 in the mask, the picture's pixels 0.
  ::SetBkColor(src.get(), ::GetPixel(src.get(), 0, 0));
  ::BitBlt(mono.get(), 0, 0, s.cx, s.cy, src.get(), 0, 0, SRCCOPY);
  UniqueBrush brush(::CreateSolidBrush(color));
  SelectObjectScope selBrush(dc, brush.get());
  const COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBk = ::SetBkColor(dc, RGB(255, 255, 255));
  // Where the mask is 0 the brush is painted; elsewhere the destination stays.
  constexpr DWORD kPSDPxax = 0x00B8074A;
  if (w == s.cx && h == s.cy) {
    ::BitBlt(dc, x, y, w, h, mono.get(), 0, 0, kPSDPxax);
  } else {
    ::StretchBlt(dc, x, y, w, h, mono.get(), 0, 0, std::min<int>(s.cx, 16), std::min<int>(s.cy, 16),
                 kPSDPxax);
  }
  ::SetTextColor(dc, oldText);
  ::SetBkColor(dc, oldBk);
}


}  // namespace vconfig
