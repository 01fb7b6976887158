#include "controls/WindowRouting_win.h"

namespace vconfig {
namespace {

// The child that WM_MEASUREITEM names by its id. Finding a child by id costs a
// server round trip under Wine, once for every row a list box inserts, so the child
// found last is tried first; it is checked before each use, so it is a guess that is
// never wrong.
HWND MeasuredChild(HWND parent, UINT id) {
  thread_local HWND last = nullptr;
  if (!last || ::GetParent(last) != parent ||
      ::GetWindowLongPtrA(last, GWLP_ID) != static_cast<LONG_PTR>(id))
    last = ::GetDlgItem(parent, static_cast<int>(id));
  return last;
}

// The child a message is about, or null when it is about none.
HWND ChildOf(HWND parent, UINT msg, LPARAM lp) {
  switch (msg) {
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lp);
      return item->CtlType == ODT_MENU ? nullptr : MeasuredChild(parent, item->CtlID);
    }
    case WM_DELETEITEM:
      return reinterpret_cast<const DELETEITEMSTRUCT*>(lp)->hwndItem;
    case WM_COMPAREITEM:
      return reinterpret_cast<const COMPAREITEMSTRUCT*>(lp)->hwndItem;
    case WM_COMMAND:
      return reinterpret_cast<HWND>(lp);  // null for menus and accelerators
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(lp);
    default:
      return nullptr;
  }
}

}  // namespace

bool IsOwnWindowClass(HWND hwnd) {
  return hwnd && ::GetClassLongPtrA(hwnd, GCLP_HMODULE) ==
                     reinterpret_cast<ULONG_PTR>(::GetModuleHandleA(nullptr));
}

UINT ReflectedMessage() {
  // A message of our own, so that no standard control mistakes it for one of its own.
  static const UINT reflected = ::RegisterWindowMessageA("VConfig.Reflected");
  return reflected;
}

bool ReflectToChild(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  HWND child = ChildOf(parent, msg, lp);
  // Only to controls of the program's own classes, which are the only ones that
  // answer, and only from their direct parent: a panel passes its controls' messages
  // on to its form, which must not offer them a second time.
  if (!child || ::GetParent(child) != parent || !IsOwnWindowClass(child)) return false;
  Reflected reflected{msg, wp, lp, 0};
  if (!::SendMessageA(child, ReflectedMessage(), reinterpret_cast<WPARAM>(&reflected), 0))
    return false;
  result = reflected.result;
  return true;
}

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

WNDPROC EnsureDerivedWindowClass(const char* className, const char* baseClass, WNDPROC proc) {
  WNDCLASSEXA base{};
  base.cbSize = sizeof base;
  if (!::GetClassInfoExA(nullptr, baseClass, &base)) return nullptr;
  HINSTANCE inst = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  // className may be the system class's own name: then the lookup finds the system
  // class until this module has registered its own under that name.
  if (!::GetClassInfoExA(inst, className, &wc) || wc.lpfnWndProc != proc) {
    // Everything as the system class has it (its extra bytes hold the control's
    // state), but the name, the module and the procedure.
    wc = base;
    wc.hInstance = inst;
    wc.lpszClassName = className;
    wc.lpfnWndProc = proc;
    if (!::RegisterClassExA(&wc)) return nullptr;
  }
  return base.lpfnWndProc;
}

void DestroyDetachedWindow(HWND hwnd) {
  if (!hwnd) return;
  ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  ::DestroyWindow(hwnd);
}

}  // namespace vconfig
