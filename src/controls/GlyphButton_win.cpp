#include "controls/GlyphButton_win.h"

#include "platform/Handles_win.h"

namespace vconfig {
namespace {

constexpr int kGlyphSize = 9;
constexpr int kGlyphGap = 4;

void DrawGlyph(HDC dc, ButtonGlyph glyph, int x, int y, bool enabled) {
  const COLORREF colour = !enabled                      ? ::GetSysColor(COLOR_GRAYTEXT)
                          : glyph == ButtonGlyph::Confirm ? RGB(0, 128, 0)
                                                          : RGB(192, 0, 0);
  UniquePen pen(::CreatePen(PS_SOLID, 2, colour));
  SelectObjectScope select(dc, pen.get());
  const int s = kGlyphSize - 1;
  if (glyph == ButtonGlyph::Confirm) {
    const POINT tick[] = {{x, y + s / 2}, {x + s / 3, y + s - 1}, {x + s, y}};
    ::Polyline(dc, tick, 3);
  } else {
    ::MoveToEx(dc, x, y, nullptr);
    ::LineTo(dc, x + s, y + s);
    ::MoveToEx(dc, x + s, y, nullptr);
    ::LineTo(dc, x, y + s);
  }
}

}  // namespace

void GlyphButton::Create(HWND parent, int id, int x, int y, int w, int h, ButtonGlyph glyph,
                         HFONT font) {
  id_ = id;
  glyph_ = glyph;
  hwnd_ = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, x,
                            y, w, h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void GlyphButton::SetCaption(const std::string& caption) const {
  ::SetWindowTextA(hwnd_, caption.c_str());
  ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void GlyphButton::Draw(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;
  ::DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

  char text[256] = {};
  ::GetWindowTextA(hwnd_, text, sizeof text);
  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(hwnd_, WM_GETFONT, 0, 0));
  SelectObjectScope selectFont(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
  SIZE extent{};
  ::GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);

  // Image and caption centred together, the image first.
  const int shift = pushed ? 1 : 0;
  const int total = kGlyphSize + kGlyphGap + extent.cx;
  const int left = r.left + (r.right - r.left - total) / 2 + shift;
  const int middle = (r.top + r.bottom) / 2 + shift;
  DrawGlyph(dc, glyph_, left, middle - kGlyphSize / 2, enabled);

  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  RECT textRect{left + kGlyphSize + kGlyphGap, r.top + shift, r.right, r.bottom + shift};
  ::DrawTextA(dc, text, -1, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);

  if (item.itemState & ODS_FOCUS) {
    RECT focus = r;
    ::InflateRect(&focus, -3, -3);
    ::DrawFocusRect(dc, &focus);
  }
}

}  // namespace vconfig
