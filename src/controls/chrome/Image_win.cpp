#include "controls/chrome/Image_win.h"

#include "controls/chrome/Bitmaps_win.h"
#include "controls/ParentBackground_win.h"

namespace vconfig {

bool Image::Create(HWND parent, const std::string& name, int left, int top, int width,
                    int height) {
  return CreateControl("TImage", parent, name, left, top, width, height, 0);
}

void Image::SetPicture(UniqueBitmap picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void Image::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void Image::SetStretch(bool stretch) {
  stretch_ = stretch;
  Invalidate();
}

void Image::SetCenter(bool center) {
  center_ = center;
  Invalidate();
}

void Image::Paint(HDC dc) {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  UniqueMemDc memory(::CreateCompatibleDC(dc));
  UniqueBitmap canvas(::CreateCompatibleBitmap(dc, client.right, client.bottom));
  if (!memory || !canvas) return;
  SelectObjectScope selected(memory.get(), canvas.get());
  PaintParentBackground(hwnd(), memory.get());
  BITMAP info{};
  if (picture_ && ::GetObjectA(picture_.get(), sizeof info, &info)) {
    int w = info.bmWidth, h = info.bmHeight;
    if (stretch_) {
      w = client.right;
      h = client.bottom;
    }
    const int x = center_ ? (client.right - w) / 2 : 0;
    const int y = center_ ? (client.bottom - h) / 2 : 0;
    if (transparent_ && !stretch_) {
      DrawBitmap(memory.get(), picture_.get(), x, y, true);
    } else {
      UniqueMemDc source(::CreateCompatibleDC(dc));
      SelectObjectScope sourceBitmap(source.get(), picture_.get());
      ::SetStretchBltMode(memory.get(), COLORONCOLOR);
      ::StretchBlt(memory.get(), x, y, w, h, source.get(), 0, 0, info.bmWidth, info.bmHeight,
                   SRCCOPY);
    }
  }
  ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

LRESULT Image::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PaintDc paint(hwnd());
      Paint(paint.get());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // clicks go to what lies behind, as on a plain picture
    default:
      return DefaultProc(msg, wp, lp);
  }
}

}  // namespace vconfig
