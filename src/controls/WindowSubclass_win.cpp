#include "controls/WindowSubclass_win.h"

#include <commctrl.h>

#include "controls/WindowRouting_win.h"

namespace vconfig {

// The object's own address is its id in the window's chain, so that any number of
// them, of one class or several, can sit on one window.
bool WindowSubclass::Install(HWND hwnd, void* target, Thunk thunk) {
  Remove();
  if (!hwnd) return false;
  hwnd_ = hwnd;
  target_ = target;
  thunk_ = thunk;
  installed_ = ::SetWindowSubclass(hwnd, &WindowSubclass::Proc, reinterpret_cast<UINT_PTR>(this),
                                   reinterpret_cast<DWORD_PTR>(this)) != FALSE;
  return installed_;
}

void WindowSubclass::Remove() {
  if (!installed_) return;
  ::RemoveWindowSubclass(hwnd_, &WindowSubclass::Proc, reinterpret_cast<UINT_PTR>(this));
  installed_ = false;
}

LRESULT WindowSubclass::CallNext(UINT msg, WPARAM wp, LPARAM lp) const {
  return ::DefSubclassProc(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK WindowSubclass::Proc(HWND, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                      DWORD_PTR self) noexcept {
  auto* subclass = reinterpret_cast<WindowSubclass*>(self);
  const LRESULT result =
      CallRoutedHandler([&] { return subclass->thunk_(subclass->target_, msg, wp, lp); });
  // The window is going: nothing of it may be touched later.
  if (msg == WM_NCDESTROY) subclass->Remove();
  return result;
}

}  // namespace vconfig
