#include "controls/ParentBackground_win.h"

#include "locale/AboutArtwork.h"
#include "platform/Handles_win.h"

namespace vconfig {

void PaintParentBackground(HWND child, HDC dc) {
  HWND parent = ::GetParent(child);
  if (!parent) return;
  POINT origin{0, 0};
  ::MapWindowPoints(child, parent, &origin, 1);
  POINT previous{};
  ::OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  ::SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ::SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  ::SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void DrawTransparentBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height,
                           COLORREF transparent) {
  BITMAP info{};
  if (!bitmap || !::GetObjectA(bitmap, sizeof info, &info)) return;
  UniqueMemDc source(::CreateCompatibleDC(dc));
  if (!source) return;
  SelectObjectScope selected(source.get(), bitmap);
  ::TransparentBlt(dc, x, y, width, height, source.get(), 0, 0, info.bmWidth, info.bmHeight,
                   transparent);
}

COLORREF ArtworkTransparentColor() {
  const unsigned rgb = ARTWORK_TRANSPARENT_RGB;
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace vconfig
