#include "controls/chrome/Panel_win.h"

#include "controls/WindowRouting_win.h"

namespace vconfig {
namespace {

constexpr const char* kClassName = "VConfigPanel";

void Bevel(HDC dc, RECT& r, TBevelCut cut) {
  if (cut == bvNone) return;
  if (cut != bvSpace) {
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF topLeft = cut == bvRaised ? light : dark;
    const COLORREF bottomRight = cut == bvRaised ? dark : light;
    UniquePen pen1(::CreatePen(PS_SOLID, 1, topLeft));
    UniquePen pen2(::CreatePen(PS_SOLID, 1, bottomRight));
    {
      SelectObjectScope sel(dc, pen1.get());
      ::MoveToEx(dc, r.left, r.bottom - 1, nullptr);
      ::LineTo(dc, r.left, r.top);
      ::LineTo(dc, r.right - 1, r.top);
    }
    {
      SelectObjectScope sel(dc, pen2.get());
      ::MoveToEx(dc, r.right - 1, r.top, nullptr);
      ::LineTo(dc, r.right - 1, r.bottom - 1);
      ::LineTo(dc, r.left - 1, r.bottom - 1);
    }
  }
  ::InflateRect(&r, -1, -1);
}

}  // namespace

Panel::~Panel() { DestroyDetachedWindow(hwnd_); }

bool Panel::Create(HWND parent, const PanelArgs& args) {
  if (!EnsureWindowClass(kClassName, &Panel::WndProc, nullptr, nullptr, nullptr)) return false;
  args_ = args;
  // Transparent panels let their siblings below paint first.
  const DWORD ex = args.transparent && !args.paintBelow ? WS_EX_TRANSPARENT : 0;
  const DWORD style = WS_CHILD | WS_VISIBLE | (args.transparent ? 0 : WS_CLIPCHILDREN);
  hwnd_ = ::CreateWindowExA(ex, kClassName, args.caption.c_str(), style, args.x, args.y, args.width,
                            args.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                            ::GetModuleHandleA(nullptr), this);
  return hwnd_ != nullptr;
}

void Panel::SetCaption(const std::string& caption) {
  args_.caption = caption;
  if (!hwnd_) return;
  ::SetWindowTextA(hwnd_, caption.c_str());
  if (args_.transparent) {
    // Let the parent repaint what lies below before the caption is drawn again.
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    HWND parent = ::GetParent(hwnd_);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    ::RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  } else {
    ::InvalidateRect(hwnd_, nullptr, TRUE);
  }
}

int Panel::BevelWidth() const {
  return (args_.bevelInner != bvNone ? 1 : 0) + (args_.bevelOuter != bvNone ? 1 : 0);
}

RECT Panel::InnerRect() const {
  RECT r{0, 0, args_.width, args_.height};
  ::InflateRect(&r, -BevelWidth(), -BevelWidth());
  return r;
}

LRESULT CALLBACK Panel::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  return RouteMessage<Panel>(hwnd, msg, wp, lp);
}

LRESULT Panel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
      PaintDc dc(hwnd_);
      Paint(dc.get());
      return 0;
    }
    case WM_NCHITTEST:
      // A transparent label passes the mouse on to what lies below.
      if (args_.transparent) return HTTRANSPARENT;
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CONTEXTMENU:
      // Controls placed on a panel report to the form that owns the panel.
      return ::SendMessageA(::GetParent(hwnd_), msg, wp, lp);
    default:
      break;
  }
  return ::DefWindowProcA(hwnd_, msg, wp, lp);
}

void Panel::Paint(HDC dc) {
  RECT r{};
  ::GetClientRect(hwnd_, &r);
  if (args_.transparent) {
    if (args_.paintBelow) args_.paintBelow(dc, r);
  } else {
    ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_BTNFACE));
    Bevel(dc, r, args_.bevelOuter);
    Bevel(dc, r, args_.bevelInner);
  }
  if (args_.caption.empty()) return;
  HFONT font = args_.font ? args_.font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  SelectObjectScope sel(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, args_.fontColor);
  // A label shows its text from the top left; a panel centres it.
  const UINT flags = args_.transparent ? DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX
                                       : DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  ::DrawTextA(dc, args_.caption.c_str(), static_cast<int>(args_.caption.size()), &r, flags);
}

}  // namespace vconfig
