#include "controls/BtnExplSpeedButton_win.h"

#include <windowsx.h>

#include "controls/ArImageBitmaps_win.h"
#include "controls/BtnExplLayout.h"
#include "controls/BtnExplSimplePaint_win.h"

namespace vconfig {

TSpeedButton::TSpeedButton() { RegisterKeyButton(this); }

TSpeedButton::~TSpeedButton() { UnregisterKeyButton(this); }

bool TSpeedButton::Create(HWND parent, int x, int y, int width, int height) {
  FormArgs args;
  args.className = "TSpeedButton";
  args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  args.owner = parent;
  args.x = x;
  args.y = y;
  args.width = width;
  args.height = height;
  args.background = nullptr;
  if (!CreateForm(args)) return false;
  // New children go below their siblings: lift the button above a strip picture.
  ::SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::SetWindowTextA(hwnd(), caption_.c_str());
  return true;
}

void TSpeedButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (hwnd()) {
    ::SetWindowTextA(hwnd(), caption.c_str());
    ::InvalidateRect(hwnd(), nullptr, FALSE);
  }
}

void TSpeedButton::SetGlyph(HBITMAP glyph) {
  glyph_ = CopyBitmapHandle(glyph);
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void TSpeedButton::LoadGlyph(int resourceId) {
  UniqueBitmap loaded = LoadArtworkBitmap(resourceId);
  SetGlyph(loaded.get());
}

void TSpeedButton::SetFont(HFONT font) {
  font_ = font;
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void TSpeedButton::SetColor(DWORD color) {
  color_ = color;
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void TSpeedButton::SetFontColor(DWORD color) {
  fontColor_ = color;
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

bool TSpeedButton::Enabled() const { return !hwnd() || ::IsWindowEnabled(hwnd()); }

void TSpeedButton::SetEnabled(bool value) {
  if (hwnd()) {
    ::EnableWindow(hwnd(), value ? TRUE : FALSE);
    ::InvalidateRect(hwnd(), nullptr, FALSE);
  }
  if (!value) hot_ = pressed_ = false;
}

void TSpeedButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  if (down_ && groupIndex_ != 0) ReleaseGroup();
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void TSpeedButton::ReleaseGroup() {
  if (!hwnd()) return;
  HWND parent = ::GetParent(hwnd());
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (child == hwnd()) continue;
    char cls[32] = {};
    ::GetClassNameA(child, cls, sizeof cls);
    if (std::string(cls) != "TSpeedButton") continue;
    auto* other = dynamic_cast<TSpeedButton*>(
        reinterpret_cast<Form*>(::GetWindowLongPtrA(child, GWLP_USERDATA)));
    if (other && other->groupIndex_ == groupIndex_ && other->down_) {
      other->down_ = false;
      ::InvalidateRect(child, nullptr, FALSE);
    }
  }
}

char TSpeedButton::Accelerator() const { return CaptionAccelerator(caption_); }

void TSpeedButton::Click() {
  if (OnClick) OnClick(*this);
}

void TSpeedButton::KeyClick() {
  // As a release over the button: a toggle goes down (or up, with AllowAllUp).
  if (groupIndex_ != 0) SetDown(allowAllUp_ ? !down_ : true);
  Click();
}

void TSpeedButton::PaintTo(HDC target) {
  RECT rc{};
  ::GetClientRect(hwnd(), &rc);
  SimpleButtonLook look;
  look.caption = caption_;
  look.glyph = glyph_.get();
  look.font = font_;
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

LRESULT TSpeedButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintDc pdc(hwnd());
      PaintTo(pdc.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = hot_ = true;
      ::SetCapture(hwnd());
      ::InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_MOUSEMOVE: {
      RECT rc{};
      ::GetClientRect(hwnd(), &rc);
      const bool over = ::PtInRect(&rc, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) != FALSE;
      if (!tracking_) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd(), 0};
        tracking_ = ::TrackMouseEvent(&tme) != FALSE;
      }
      if (over != hot_) {
        hot_ = over;
        ::InvalidateRect(hwnd(), nullptr, FALSE);
      }
      return 0;
    }
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (hot_ && ::GetCapture() != hwnd()) {
        hot_ = false;
        ::InvalidateRect(hwnd(), nullptr, FALSE);
      }
      return 0;
    case WM_LBUTTONUP: {
      if (!pressed_) return 0;
      RECT rc{};
      ::GetClientRect(hwnd(), &rc);
      const bool over = ::PtInRect(&rc, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) != FALSE;
      pressed_ = false;
      hot_ = over;
      ::ReleaseCapture();
      ::InvalidateRect(hwnd(), nullptr, FALSE);
      if (!over) return 0;
      // A pressed toggle stays pressed unless the group allows all up.
      if (groupIndex_ != 0) SetDown(allowAllUp_ ? !down_ : true);
      Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (pressed_ && reinterpret_cast<HWND>(lp) != hwnd()) {
        pressed_ = false;
        ::InvalidateRect(hwnd(), nullptr, FALSE);
      }
      return 0;
    case WM_ENABLE:
      ::InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    default:
      break;
  }
  return Form::HandleMessage(msg, wp, lp);
}

}  // namespace vconfig
