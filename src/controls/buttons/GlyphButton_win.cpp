#include "controls/buttons/GlyphButton_win.h"

#include <windowsx.h>

#include "controls/chrome/Bitmaps_win.h"
#include "controls/buttons/ExplorerButtonLayout.h"
#include "controls/PaintMessages_win.h"

namespace vconfig {

bool GlyphButton::CreateButton(const char* className, DWORD style, HWND parent, int x, int y,
                               int width, int height) {
  if (!CreateForm(SelfPaintedChildArgs(className, style, parent, x, y, width, height)))
    return false;
  // New children go below their siblings: lift the button above a strip picture.
  ::SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::SetWindowTextA(hwnd(), caption_.c_str());
  return true;
}

void GlyphButton::Repaint() {
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

bool GlyphButton::Contains(LPARAM lp) const {
  RECT rc{};
  ::GetClientRect(hwnd(), &rc);
  return ::PtInRect(&rc, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) != FALSE;
}

void GlyphButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (hwnd()) {
    ::SetWindowTextA(hwnd(), caption.c_str());
    Repaint();
  }
}

void GlyphButton::SetGlyph(HBITMAP glyph) {
  glyph_ = CopyBitmapHandle(glyph);
  Repaint();
}

void GlyphButton::LoadGlyph(int resourceId) {
  UniqueBitmap loaded = LoadArtworkBitmap(resourceId);
  SetGlyph(loaded.get());
}

void GlyphButton::SetFont(HFONT font) {
  font_ = font;
  Repaint();
}

bool GlyphButton::Enabled() const { return !hwnd() || ::IsWindowEnabled(hwnd()); }

void GlyphButton::SetEnabled(bool value) {
  if (hwnd()) {
    ::EnableWindow(hwnd(), value ? TRUE : FALSE);
    Repaint();
  }
}

char GlyphButton::Accelerator() const { return CaptionAccelerator(caption_); }

LRESULT GlyphButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (IsKeyButtonQuery(msg)) return KeyButtonAnswer();
  LRESULT painted = 0;
  if (HandlePaintMessage(hwnd(), msg, wp, painted, [this](HDC dc) { PaintTo(dc); }))
    return painted;
  switch (msg) {
    case WM_CAPTURECHANGED:
      if (pressed_ && reinterpret_cast<HWND>(lp) != hwnd()) {
        pressed_ = false;
        Repaint();
      }
      return 0;
    case WM_ENABLE:
      Repaint();
      return 0;
    default:
      break;
  }
  return Form::HandleMessage(msg, wp, lp);
}

}  // namespace vconfig
