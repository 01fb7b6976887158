// What the program's windows and its own child controls share: one window class per
// kind, registered on first use, and a static window procedure that finds the C++
// object behind a window and passes it the message. Exceptions that escape the
// object's handler end in the application's general error handling, never in the
// system's code.
#pragma once

#include <windows.h>

#include "diagnostics/ErrorHandling_win.h"

namespace vconfig {

// Registers the class unless this module already has it (double clicks reported).
// A null cursor means the arrow.
bool EnsureWindowClass(const char* className, WNDPROC proc, HCURSOR cursor, HICON icon,
                       HBRUSH background);

// Detaches the object from its window, then destroys the window: the object is
// going, so the destruction messages must not reach it.
void DestroyDetachedWindow(HWND hwnd);

// The body of T's static window procedure. T passes itself as the creation
// parameter, keeps its window in hwnd_ and handles messages in HandleMessage; it
// declares this function a friend.
template <class T>
LRESULT RouteMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  T* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<T*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return ::DefWindowProcA(hwnd, msg, wp, lp);
  try {
    const LRESULT r = self->HandleMessage(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
      ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
    }
    return r;
  } catch (...) {
    HandleApplicationException();
    return 0;
  }
}

}  // namespace vconfig
