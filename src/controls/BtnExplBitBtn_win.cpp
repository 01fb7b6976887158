#include "controls/BtnExplBitBtn_win.h"

#include <windowsx.h>

#include "controls/ArImageBitmaps_win.h"
#include "controls/BtnExplLayout.h"
#include "controls/BtnExplSimplePaint_win.h"

namespace vconfig {

TBitBtn::TBitBtn() { RegisterKeyButton(this); }

TBitBtn::~TBitBtn() { UnregisterKeyButton(this); }

bool TBitBtn::Create(HWND parent, int x, int y, int width, int height) {
  FormArgs args;
  args.className = "TBitBtn";
  args.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;
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

void TBitBtn::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (hwnd()) {
    ::SetWindowTextA(hwnd(), caption.c_str());
    ::InvalidateRect(hwnd(), nullptr, FALSE);
  }
}

void TBitBtn::SetGlyph(HBITMAP glyph) {
  glyph_ = CopyBitmapHandle(glyph);
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void TBitBtn::LoadGlyph(int resourceId) {
  UniqueBitmap loaded = LoadArtworkBitmap(resourceId);
  SetGlyph(loaded.get());
}

void TBitBtn::SetFont(HFONT font) {
  font_ = font;
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

bool TBitBtn::Enabled() const { return !hwnd() || ::IsWindowEnabled(hwnd()); }

void TBitBtn::SetEnabled(bool value) {
  if (hwnd()) {
    ::EnableWindow(hwnd(), value ? TRUE : FALSE);
    ::InvalidateRect(hwnd(), nullptr, FALSE);
  }
}

char TBitBtn::Accelerator() const { return CaptionAccelerator(caption_); }

void TBitBtn::Click() {
  if (OnClick) OnClick(*this);
}

void TBitBtn::KeyClick() { Click(); }

void TBitBtn::PaintTo(HDC target) {
  RECT rc{};
  ::GetClientRect(hwnd(), &rc);
  SimpleButtonLook look;
  look.caption = caption_;
  look.glyph = glyph_.get();
  look.font = font_;
  look.enabled = Enabled();
  look.sunken = (pressed_ && over_) || spaceDown_;
  look.frame = SimpleButtonFrame::kPush;
  look.isDefault = default_;
  look.focused = ::GetFocus() == hwnd();
  PaintSimpleButton(hwnd(), target, rc, look);
}

LRESULT TBitBtn::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
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
      ::SetFocus(hwnd());
      pressed_ = over_ = true;
      ::SetCapture(hwnd());
      ::InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_MOUSEMOVE:
      if (pressed_) {
        RECT rc{};
        ::GetClientRect(hwnd(), &rc);
        const bool over = ::PtInRect(&rc, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) != FALSE;
        if (over != over_) {
          over_ = over;
          ::InvalidateRect(hwnd(), nullptr, FALSE);
        }
      }
      return 0;
    case WM_LBUTTONUP: {
      if (!pressed_) return 0;
      RECT rc{};
      ::GetClientRect(hwnd(), &rc);
      const bool over = ::PtInRect(&rc, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) != FALSE;
      pressed_ = false;
      ::ReleaseCapture();
      ::InvalidateRect(hwnd(), nullptr, FALSE);
      if (over) Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (pressed_ && reinterpret_cast<HWND>(lp) != hwnd()) {
        pressed_ = false;
        ::InvalidateRect(hwnd(), nullptr, FALSE);
      }
      return 0;
    case WM_KEYDOWN:
      if (wp == VK_SPACE && !(lp & (1 << 30))) {
        spaceDown_ = true;
        ::InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
      }
      break;
    case WM_KEYUP:
      if (wp == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        ::InvalidateRect(hwnd(), nullptr, FALSE);
        Click();
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      spaceDown_ = false;
      ::InvalidateRect(hwnd(), nullptr, FALSE);
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
