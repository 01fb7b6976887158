#include "controls/buttons/PushButton_win.h"

#include "controls/buttons/SimpleButtonPaint_win.h"

namespace vconfig {

bool PushButton::Create(HWND parent, int x, int y, int width, int height) {
  return CreateButton("TBitBtn", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, parent, x,
                      y, width, height);
}

void PushButton::Click() {
  if (OnClick) OnClick(*this);
}

void PushButton::KeyClick() { Click(); }

void PushButton::PaintTo(HDC target) {
  RECT rc{};
  ::GetClientRect(hwnd(), &rc);
  SimpleButtonLook look;
  look.caption = Caption();
  look.glyph = Glyph();
  look.font = Font();
  look.enabled = Enabled();
  look.sunken = (pressed_ && over_) || spaceDown_;
  look.frame = SimpleButtonFrame::kPush;
  look.isDefault = Default();
  look.focused = ::GetFocus() == hwnd();
  PaintSimpleButton(hwnd(), target, rc, look);
}

LRESULT PushButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ::SetFocus(hwnd());
      pressed_ = over_ = true;
      ::SetCapture(hwnd());
      Repaint();
      return 0;
    case WM_MOUSEMOVE:
      if (pressed_) {
        const bool over = Contains(lp);
        if (over != over_) {
          over_ = over;
          Repaint();
        }
      }
      return 0;
    case WM_LBUTTONUP: {
      if (!pressed_) return 0;
      const bool over = Contains(lp);
      pressed_ = false;
      ::ReleaseCapture();
      Repaint();
      if (over) Click();
      return 0;
    }
    case WM_KEYDOWN:
      if (wp == VK_SPACE && !(lp & (1 << 30))) {
        spaceDown_ = true;
        Repaint();
        return 0;
      }
      break;
    case WM_KEYUP:
      if (wp == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        Repaint();
        Click();
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      spaceDown_ = false;
      Repaint();
      return 0;
    default:
      break;
  }
  return GlyphButton::HandleMessage(msg, wp, lp);
}

}  // namespace vconfig
