#include "controls/chrome/ColorPanel_win.h"

namespace vconfig {

bool ColorPanel::Create(HWND parent, int left, int top, int width, int height, COLORREF color) {
  brush_.reset(::CreateSolidBrush(color));
  // One window class per colour: flat controls on the panel paint its class brush
  // behind them. The class owns that brush until the program ends.
  char className[32];
  wsprintfA(className, "TColorPanel%06lX", static_cast<unsigned long>(color));
  HBRUSH classBrush = nullptr;
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (!::GetClassInfoExA(::GetModuleHandleA(nullptr), className, &existing))
    classBrush = ::CreateSolidBrush(color);
  return CreateControl(className, parent, "", left, top, width, height, 0, WS_CLIPCHILDREN,
                       nullptr, classBrush);
}

HWND ColorPanel::AddLabel(const char* text, int left, int top, HFONT font) {
  HWND label = ::CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                 left, top, 0, 0, hwnd(), nullptr, ::GetModuleHandleA(nullptr),
                                 nullptr);
  ::SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // Sized to its text, as an automatically sized label is.
  WindowDc dc(label);
  SelectObjectScope selected(dc.get(), font);
  SIZE size{};
  ::GetTextExtentPoint32A(dc.get(), text, lstrlenA(text), &size);
  ::SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
  return label;
}

void ColorPanel::PaintBevel(HDC dc) {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  ::DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
}

LRESULT ColorPanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT client{};
      ::GetClientRect(hwnd(), &client);
      ::FillRect(reinterpret_cast<HDC>(wp), &client, brush_.get());
      return 1;
    }
    case WM_PAINT: {
      PaintDc paint(hwnd());
      PaintBevel(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintBevel(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_CTLCOLORSTATIC:
      ::SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      return reinterpret_cast<LRESULT>(brush_.get());
    default:
      return DefaultProc(msg, wp, lp);
  }
}

}  // namespace vconfig
