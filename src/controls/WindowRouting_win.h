// What the program's windows and its own child controls share: one window class per
// kind (some built on a system control's class), registered on first use, and a
// static window procedure that finds the C++ object behind a window and passes it the
// message, after handing what a child control sent about itself back to that child.
// Exceptions that escape a handler end in the application's general error handling,
// never in the system's code.
#pragma once

#include <windows.h>

#include "diagnostics/ErrorHandling_win.h"

namespace vconfig {

// Registers the class unless this module already has it (double clicks reported).
// A null cursor means the arrow.
bool EnsureWindowClass(const char* className, WNDPROC proc, HCURSOR cursor, HICON icon,
                       HBRUSH background);

// Registers className as the system class baseClass with proc in front of the
// system's procedure (unless this module already has it), and returns the system's
// procedure, to which proc passes what it does not handle; null on failure.
// className may equal baseClass: a class of this module's own is found before the
// system's for the windows this module creates. Call it once per class.
WNDPROC EnsureDerivedWindowClass(const char* className, const char* baseClass, WNDPROC proc);

// Detaches the object from its window, then destroys the window: the object is
// going, so the destruction messages must not reach it.
void DestroyDetachedWindow(HWND hwnd);

// Whether the window is of one of the program's own classes (rather than a system
// control's).
bool IsOwnWindowClass(HWND hwnd);

// What a child control sends its parent about itself (owner drawing, notifications,
// colours) goes back to the child first, as ReflectedMessage() with a Reflected in
// wParam: a control of ours that handles it answers TRUE and sets the result.
struct Reflected {
  UINT msg;
  WPARAM wp;
  LPARAM lp;
  LRESULT result;
};
UINT ReflectedMessage();
// Offers the message to the child it is about, when that is a direct child of parent
// of one of the program's own classes; true when the child handled it.
bool ReflectToChild(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

// Runs a window's message handler: an exception that escapes it ends in the
// application's general error handling, and the message then counts as handled.
template <class Handler>
LRESULT CallRoutedHandler(Handler&& handler) noexcept {
  try {
    return handler();
  } catch (...) {
    HandleApplicationException();
    return 0;
  }
}

// The body of T's static window procedure. T passes itself as the creation
// parameter, keeps its window in hwnd_ and handles messages in HandleMessage; it
// declares this function a friend. Messages that reach no object (before creation,
// or after the object let its window go) go to classProc, the procedure of the
// system class that T's class builds on, or with none to DefWindowProc.
template <class T>
LRESULT RouteMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC classProc) noexcept {
  T* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<T*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) {
    return classProc ? ::CallWindowProcA(classProc, hwnd, msg, wp, lp)
                     : ::DefWindowProcA(hwnd, msg, wp, lp);
  }
  const LRESULT r = CallRoutedHandler([&] {
    LRESULT reflected = 0;
    if (ReflectToChild(hwnd, msg, wp, lp, reflected)) return reflected;
    return self->HandleMessage(msg, wp, lp);
  });
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return r;
}

template <class T>
LRESULT RouteMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  return RouteMessage<T>(hwnd, msg, wp, lp, nullptr);
}

}  // namespace vconfig
