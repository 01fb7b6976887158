#include "ChromeHost.h"

#include <cstring>

namespace vtest {

bool HostForm::Open(int width, int height, bool client, bool visible, HBRUSH background,
                    const char* className) {
  vconfig::FormArgs args;
  args.className = className;
  args.caption = "Chrome test";
  args.x = 20;
  args.y = 20;
  args.background = background;
  // A popup without caption: Wine waits up to two seconds for a managed
  // (captioned) window to be withdrawn when it is destroyed on a display without
  // a window manager.
  args.style = WS_POPUP | WS_CLIPCHILDREN;
  if (client) {
    args.clientWidth = width;
    args.clientHeight = height;
  } else {
    args.width = width;
    args.height = height;
  }
  if (!CreateForm(args)) return false;
  if (visible) {
    ::ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(hwnd());
  }
  return true;
}

Pixels::Pixels(int width, int height, COLORREF fill) : width_(width), height_(height) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  bits_ = static_cast<const uint32_t*>(bits);
  dc_.reset(::CreateCompatibleDC(nullptr));
  ::SelectObject(dc_.get(), bitmap_.get());
  vconfig::UniqueBrush brush(::CreateSolidBrush(fill));
  RECT r{0, 0, width, height};
  ::FillRect(dc_.get(), &r, brush.get());
}

COLORREF Pixels::at(int x, int y) const {
  ::GdiFlush();
  const uint32_t v = bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int Pixels::FirstX(COLORREF c, int left, int top, int right, int bottom) const {
  for (int x = left; x < right; ++x)
    for (int y = top; y < bottom; ++y)
      if (at(x, y) == c) return x;
  return -1;
}

int Pixels::FirstY(COLORREF c, int left, int top, int right, int bottom) const {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (at(x, y) == c) return y;
  return -1;
}

void PumpMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

vconfig::UniqueBitmap MakeBitmap(int width, int height,
                                 const std::function<COLORREF(int x, int y)>& color) {
  vconfig::WindowDc screen(nullptr);
  vconfig::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
  vconfig::UniqueMemDc dc(::CreateCompatibleDC(screen.get()));
  vconfig::SelectObjectScope sel(dc.get(), bitmap.get());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) ::SetPixel(dc.get(), x, y, color(x, y));
  return bitmap;
}

}  // namespace vtest
