#include "controls/buttons/FlatButton_win.h"

#include "controls/chrome/Bitmaps_win.h"
#include "controls/buttons/SimpleButtonPaint_win.h"
#include "controls/SiblingWindows_win.h"

namespace vconfig {

bool FlatButton::Create(HWND parent, int x, int y, int width, int height) {
  return CreateButton("TSpeedButton", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, parent, x, y, width,
                      height);
}

void FlatButton::SetColor(DWORD color) {
  color_ = color;
  Repaint();
}

void FlatButton::SetFontColor(DWORD color) {
  fontColor_ = color;
  Repaint();
}

void FlatButton::SetEnabled(bool value) {
  GlyphButton::SetEnabled(value);
  if (!value) hot_ = pressed_ = false;
}

void FlatButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  if (down_ && groupIndex_ != 0) ReleaseGroup();
  Repaint();
}

void FlatButton::ReleaseGroup() {
  ForEachSibling<FlatButton>(hwnd(), "TSpeedButton", [this](FlatButton& other) {
    if (other.groupIndex_ == groupIndex_ && other.down_) {
      other.down_ = false;
      other.Repaint();
    }
  });
}

void FlatButton::Click() {
  if (OnClick) OnClick(*this);
}

void FlatButton::KeyClick() {
  // As a release over the button: a toggle goes down (or up, with AllowAllUp).
  if (groupIndex_ != 0) SetDown(allowAllUp_ ? !down_ : true);
  Click();
}

void FlatButton::PaintTo(HDC target) {
  RECT rc{};
  ::GetClientRect(hwnd(), &rc);
  SimpleButtonLook look;
  look.caption = Caption();
  look.glyph = Glyph();
  look.font = Font();
  look.enabled = Enabled();
  look.sunken = (pressed_ && hot_) || down_;
  look.checkered = down_ && !(pressed_ && hot_);
  look.background = backgroundImage_;
  look.textColor = ResolveColor(fontColor_);
  look.faceColor = ResolveColor(color_);
  look.frame = (hot_ || look.sunken) && look.enabled ? SimpleButtonFrame::kFlatVisible
                                                     : SimpleButtonFrame::kNone;
  PaintSimpleButton(hwnd(), target, rc, look);
}

LRESULT FlatButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = hot_ = true;
      ::SetCapture(hwnd());
      Repaint();
      return 0;
    case WM_MOUSEMOVE: {
      const bool over = Contains(lp);
      if (!tracking_) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd(), 0};
        tracking_ = ::TrackMouseEvent(&tme) != FALSE;
      }
      if (over != hot_) {
        hot_ = over;
        Repaint();
      }
      return 0;
    }
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (hot_ && ::GetCapture() != hwnd()) {
        hot_ = false;
        Repaint();
      }
      return 0;
    case WM_LBUTTONUP: {
      if (!pressed_) return 0;
      const bool over = Contains(lp);
      pressed_ = false;
      hot_ = over;
      ::ReleaseCapture();
      Repaint();
      if (!over) return 0;
      // A pressed toggle stays pressed unless the group allows all up.
      if (groupIndex_ != 0) SetDown(allowAllUp_ ? !down_ : true);
      Click();
      return 0;
    }
    default:
      break;
  }
  return GlyphButton::HandleMessage(msg, wp, lp);
}

}  // namespace vconfig
