#include "controls/chrome/PictureStrip_win.h"

#include <windowsx.h>

#include "controls/chrome/Bitmaps_win.h"
#include "controls/PaintMessages_win.h"

namespace vconfig {

bool PictureStrip::Create(HWND parent, int x, int y, int width, int height) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  if (!CreateForm(SelfPaintedChildArgs("TArImage", style, parent, x, y, width, height)))
    return false;
  ::SetWindowPos(hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void PictureStrip::SetBounds(int x, int y, int width, int height) {
  ::MoveWindow(hwnd(), x, y, width, height, TRUE);
}

void PictureStrip::SetPicture(HBITMAP picture) {
  picture_ = CopyBitmapHandle(picture);
  // A change made while painting must not start another paint.
  if (!painting_ && hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void PictureStrip::LoadPicture(int resourceId) {
  UniqueBitmap loaded = LoadArtworkBitmap(resourceId);
  SetPicture(loaded.get());
}

void PictureStrip::SetTileImage(bool value) {
  tileImage_ = value;
  if (!painting_ && hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void PictureStrip::SetTransparent(bool value) {
  transparent_ = value;
  if (!painting_ && hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void PictureStrip::DrawPictureAt(HDC dc, int originX, int originY, int width, int height) const {
  const SIZE s = BitmapSize(picture_.get());
  if (s.cx <= 0 || s.cy <= 0) return;
  if (!tileImage_) {
    DrawBitmap(dc, picture_.get(), originX, originY, transparent_);
    return;
  }
  // Only the copies that reach into the requested area are drawn.
  RECT clip{};
  const int clipKind = ::GetClipBox(dc, &clip);
  const bool clipped = clipKind == SIMPLEREGION || clipKind == COMPLEXREGION;
  for (int y = 0; y < height; y += s.cy) {
    if (clipped && (originY + y >= clip.bottom || originY + y + s.cy <= clip.top)) continue;
    for (int x = 0; x < width; x += s.cx) {
      if (clipped && (originX + x >= clip.right || originX + x + s.cx <= clip.left)) continue;
      DrawBitmap(dc, picture_.get(), originX + x, originY + y, transparent_);
    }
  }
}

void PictureStrip::Paint(HDC dc) {
  painting_ = true;
  RECT r{};
  ::GetClientRect(hwnd(), &r);
  if (transparent_ || !HasImage(picture_.get())) {
    // What the picture leaves out shows the parent's colour.
    HWND parent = ::GetParent(hwnd());
    HBRUSH brush = reinterpret_cast<HBRUSH>(
        ::SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(hwnd())));
    ::FillRect(dc, &r, brush ? brush : ::GetSysColorBrush(COLOR_BTNFACE));
  }
  DrawPictureAt(dc, 0, 0, r.right, r.bottom);
  painting_ = false;
}

LRESULT PictureStrip::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT painted = 0;
  if (HandlePaintMessage(hwnd(), msg, wp, painted, [this](HDC dc) { Paint(dc); }))
    return painted;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      const int button = msg == WM_LBUTTONDOWN ? 0 : msg == WM_RBUTTONDOWN ? 1 : 2;
      if (button == 0) mouseDown_ = true;
      if (OnMouseDown) OnMouseDown(*this, button, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const int button = msg == WM_LBUTTONUP ? 0 : msg == WM_RBUTTONUP ? 1 : 2;
      const bool click = button == 0 && mouseDown_;
      if (button == 0) mouseDown_ = false;
      if (OnMouseUp) OnMouseUp(*this, button, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      if (click && OnClick) OnClick(*this);
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(*this);
      return 0;
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(*this, 0, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    default:
      return Form::HandleMessage(msg, wp, lp);
  }
}

}  // namespace vconfig
