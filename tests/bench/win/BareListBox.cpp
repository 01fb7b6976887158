// The content list's peer: the system's owner-drawn list box with variable row heights,
// in a window of its own on the screen, filled with the lines of a file the plain way
// (one LB_ADDSTRING a line, redrawing off meanwhile), every row 20 pixels high.
#include <windows.h>

#include <chrono>

#include "BenchFigures.h"
#include "BenchPrograms.h"
#include "config/TextLines.h"
#include "platform/Handles_win.h"

namespace vbench {
namespace {

constexpr int kListId = 100;
constexpr UINT kRowHeight = 20;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = kRowHeight;
      return TRUE;
    case WM_DRAWITEM: {
      const auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (di->itemID == static_cast<UINT>(-1)) return TRUE;
      char text[1024] = {};
      const LRESULT len = ::SendMessageA(di->hwndItem, LB_GETTEXTLEN, di->itemID, 0);
      if (len >= 0 && len < static_cast<LRESULT>(sizeof text))
        ::SendMessageA(di->hwndItem, LB_GETTEXT, di->itemID, reinterpret_cast<LPARAM>(text));
      RECT rc = di->rcItem;
      ::FillRect(di->hDC, &rc, ::GetSysColorBrush(COLOR_WINDOW));
      ::DrawTextA(di->hDC, text, -1, &rc, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
      return TRUE;
    }
    default:
      return ::DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace

double FillBareListBox(const std::string& bytes) {
  const std::vector<std::string> lines = vconfig::SplitTextLines(bytes).Strings();
  WNDCLASSA wc{};
  wc.lpfnWndProc = &HostProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "BenchBareListHost";
  ::RegisterClassA(&wc);
  vconfig::UniqueWindow host(::CreateWindowExA(0, wc.lpszClassName, "Bare list box",
                                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 586, 493,
                                               nullptr, nullptr, wc.hInstance, nullptr));
  HWND list = ::CreateWindowExA(
      WS_EX_CLIENTEDGE, "LISTBOX", "",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS |
          LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
      196, 40, 380, 410, host.get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
      wc.hInstance, nullptr);
  ::UpdateWindow(host.get());
  const auto start = std::chrono::steady_clock::now();
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  for (const std::string& line : lines)
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return Figures::Since(start);
}

}  // namespace vbench
