#include "controls/CustomControl_win.h"

#include "diagnostics/ErrorHandling_win.h"

namespace vconfig {

CustomControl::~CustomControl() {
  if (hwnd_) {
    ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
}

bool CustomControl::CreateControl(const char* className, HWND parent, const std::string& text,
                                  int x, int y, int width, int height, int id, DWORD style,
                                  HCURSOR cursor, HBRUSH classBackground) {
  HINSTANCE inst = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (!::GetClassInfoExA(inst, className, &wc)) {
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &CustomControl::StaticWndProc;
    wc.hInstance = inst;
    wc.hCursor = cursor ? cursor : ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = classBackground;
    wc.lpszClassName = className;
    if (!::RegisterClassExA(&wc)) return false;
  }
  hwnd_ = ::CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width,
                            height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst,
                            this);
  return hwnd_ != nullptr;
}

LRESULT CALLBACK CustomControl::StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  CustomControl* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<CustomControl*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<CustomControl*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
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

LRESULT CustomControl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  return DefaultProc(msg, wp, lp);
}

LRESULT CustomControl::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
  return ::DefWindowProcA(hwnd_, msg, wp, lp);
}

void CustomControl::SetBounds(int left, int top, int width, int height) {
  ::MoveWindow(hwnd_, left, top, width, height, TRUE);
}

RECT CustomControl::Bounds() const {
  RECT r{};
  ::GetWindowRect(hwnd_, &r);
  ::MapWindowPoints(nullptr, ::GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void CustomControl::SetVisible(bool visible) { ::ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
bool CustomControl::Visible() const {
  return hwnd_ && (::GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}
void CustomControl::SetEnabled(bool enabled) { ::EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
bool CustomControl::Enabled() const { return hwnd_ && ::IsWindowEnabled(hwnd_); }
void CustomControl::Invalidate() { ::InvalidateRect(hwnd_, nullptr, TRUE); }

}  // namespace vconfig
