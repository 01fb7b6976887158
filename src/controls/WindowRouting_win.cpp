#include "controls/WindowRouting_win.h"

namespace vconfig {

bool EnsureWindowClass(const char* className, WNDPROC proc, HCURSOR cursor, HICON icon,
                       HBRUSH background) {
  HINSTANCE inst = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (::GetClassInfoExA(inst, className, &wc)) return true;
  wc = WNDCLASSEXA{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = inst;
  wc.hCursor = cursor ? cursor : ::LoadCursorA(nullptr, IDC_ARROW);
  wc.hIcon = icon;
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  return ::RegisterClassExA(&wc) != 0;
}

void DestroyDetachedWindow(HWND hwnd) {
  if (!hwnd) return;
  ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  ::DestroyWindow(hwnd);
}

}  // namespace vconfig
