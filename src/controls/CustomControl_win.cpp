#include "controls/CustomControl_win.h"

#include "controls/WindowRouting_win.h"

namespace vconfig {

CustomControl::~CustomControl() { DestroyDetachedWindow(hwnd_); }

bool CustomControl::CreateControl(const char* className, HWND parent, const std::string& text,
                                  int x, int y, int width, int height, int id, DWORD style,
                                  HCURSOR cursor, HBRUSH classBackground) {
  if (!EnsureWindowClass(className, &CustomControl::StaticWndProc, cursor, nullptr,
                         classBackground))
    return false;
  hwnd_ = ::CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width,
                            height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            ::GetModuleHandleA(nullptr), this);
  return hwnd_ != nullptr;
}

LRESULT CALLBACK CustomControl::StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  return RouteMessage<CustomControl>(hwnd, msg, wp, lp);
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
