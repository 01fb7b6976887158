#include "controls/chrome/TiledBackground_win.h"

#include "controls/chrome/Bitmaps_win.h"
#include "controls/Form_win.h"
#include "diagnostics/Errors.h"

namespace vconfig {

TiledBackground::TiledBackground(Form& owner) : ownerForm_(&owner) {}

TiledBackground::TiledBackground(HWND owner) : ownerWindow_(owner) {}

TiledBackground::~TiledBackground() { Detach(); }

HWND TiledBackground::OwnerWindow() const { return ownerForm_ ? ownerForm_->hwnd() : ownerWindow_; }

void TiledBackground::Loaded() {
  if (automaticAttach_) Attach();
}

void TiledBackground::Attach() {
  if (!ownerForm_ && ownerWindow_ &&
      (!::IsWindow(ownerWindow_) || (::GetWindowLongA(ownerWindow_, GWL_STYLE) & WS_CHILD)))
    throw AppError("Can't attach TImgBkgrnd component to something else than a TForm.");
  HWND form = OwnerWindow();
  if (!form) throw AppError("Unknown error: handle of form is 0");
  if (window_) return;
  // A frame that hosts child windows is painted in its client window.
  HWND mdiClient = ::FindWindowExA(form, nullptr, "MDICLIENT", nullptr);
  form_ = form;
  window_ = mdiClient ? mdiClient : form;
  mdi_ = mdiClient != nullptr;
  subclass_.Install<&TiledBackground::HandleWindowMessage>(window_, this);
  if (active_) {
    active_ = false;
    SetActive(true);
  }
}

void TiledBackground::Detach() {
  if (!window_) return;
  HWND window = window_;
  subclass_.Remove();
  window_ = nullptr;
  form_ = nullptr;
  // The plain background once; Active stays as it is.
  if (active_) ::RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
}

void TiledBackground::SetActive(bool value) {
  active_ = value;
  Repaint();
}

void TiledBackground::SetTileMode(TTileMode mode) {
  tileMode_ = mode;
  Repaint();
}

void TiledBackground::SetBitmap(HBITMAP bitmap) {
  bitmap_ = CopyBitmapHandle(bitmap);
  Repaint();
}

void TiledBackground::LoadBitmapResource(int resourceId) {
  bitmap_ = LoadArtworkBitmap(resourceId);
  Repaint();
}

void TiledBackground::Repaint() {
  if (window_) ::RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
}

void TiledBackground::FillPlain(HDC dc) {
  HWND target = window_ ? window_ : OwnerWindow();
  if (!target) return;
  RECT client{};
  ::GetClientRect(target, &client);
  ::FillRect(dc, &client, ClassBackgroundBrush(form_ ? form_ : target));
}

void TiledBackground::PaintBackground(HDC dc) {
  const SIZE tile = BitmapSize(bitmap_.get());
  if (!window_ || !active_ || tile.cx <= 0 || tile.cy <= 0) {
    FillPlain(dc);
    return;
  }
  RECT area{};
  if (mdi_) {
    RECT outer{};
    ::GetWindowRect(window_, &outer);
    area = RECT{0, 0, outer.right - outer.left, outer.bottom - outer.top};
  } else {
    ::GetClientRect(window_, &area);
  }
  UniqueMemDc src(::CreateCompatibleDC(dc));
  SelectObjectScope sel(src.get(), bitmap_.get());
  switch (tileMode_) {
    case TTileMode::tmTile: {
      // Rows and columns run over the window's outer size, so no edge is left bare.
      RECT outer{};
      ::GetWindowRect(window_, &outer);
      for (const TilePoint& p :
           TilePositions(outer.right - outer.left, outer.bottom - outer.top, tile.cx, tile.cy))
        ::BitBlt(dc, p.x, p.y, tile.cx, tile.cy, src.get(), 0, 0, SRCCOPY);
      break;
    }
    case TTileMode::tmStretch:
      ::SetStretchBltMode(dc, COLORONCOLOR);
      ::StretchBlt(dc, 0, 0, area.right, area.bottom, src.get(), 0, 0, tile.cx, tile.cy, SRCCOPY);
      break;
    default: {
      FillPlain(dc);
      const TilePoint p = SingleTilePosition(tileMode_, area.right, area.bottom, tile.cx, tile.cy);
      ::BitBlt(dc, p.x, p.y, tile.cx, tile.cy, src.get(), 0, 0, SRCCOPY);
      break;
    }
  }
}

LRESULT TiledBackground::HandleWindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
  HWND hwnd = window_;
  switch (msg) {
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL: {
      const LRESULT r = subclass_.CallNext(msg, wp, lp);
      // Whole repaint: a partial one would leave cut tiles at the old edge.
      ::InvalidateRect(hwnd, nullptr, TRUE);
      return r;
    }
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wp));
      return 1;
    case WM_NCHITTEST:
      if (mdi_) {
        const LRESULT r = subclass_.CallNext(msg, wp, lp);
        return r == HTCLIENT ? HTTRANSPARENT : r;
      }
      break;
    case WM_NCDESTROY:
      // The window goes away with its form: forget it, then let it finish.
      window_ = nullptr;
      form_ = nullptr;
      break;
    default:
      break;
  }
  return subclass_.CallNext(msg, wp, lp);
}

}  // namespace vconfig
