// The painting messages of a control that paints its whole client area itself (off
// screen, then in one copy): the background is never erased, which would flicker,
// and WM_PRINTCLIENT paints into the caller's DC as WM_PAINT paints on screen.
#pragma once

#include <windows.h>

#include "platform/Handles_win.h"

namespace vconfig {

// Handles WM_ERASEBKGND, WM_PAINT and WM_PRINTCLIENT with paint(HDC), setting the
// message's result. Returns false for any other message.
template <class Paint>
bool HandlePaintMessage(HWND hwnd, UINT msg, WPARAM wp, LRESULT& result, Paint&& paint) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT: {
      PaintDc pdc(hwnd);
      paint(pdc.get());
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      paint(reinterpret_cast<HDC>(wp));
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace vconfig
