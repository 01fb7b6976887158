#include "controls/chrome/TiledBackground_win.h"

#include "controls/chrome/Bitmaps_win.h"
#include "controls/Form_win.h"
#include "diagnostics/ErrorHandling_win.h"
#include "diagnostics/Errors.h"

namespace vconfig {
namespace {

// The component and the procedure it replaced, kept on the painted window. The
// previous procedure stays there even after a detach that could not unhook, so
// the hook can still pass every message on.
constexpr const char* kSelfProp = "VConfig.ImgBkgrnd";
constexpr const char* kPrevProp = "VConfig.ImgBkgrnd.Prev";

}  // namespace

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
  ::SetPropA(window_, kSelfProp, this);
  previousProc_ = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window_, GWLP_WNDPROC));
  ::SetPropA(window_, kPrevProp, reinterpret_cast<HANDLE>(previousProc_));
  ::SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TiledBackground::HookProc));
  if (active_) {
    active_ = false;
    SetActive(true);
  }
}

void TiledBackground::Detach() {
  if (!window_) return;
  HWND window = window_;
  ::RemovePropA(window, kSelfProp);
  const auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
  if (current == &TiledBackground::HookProc) {
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    ::RemovePropA(window, kPrevProp);
  }
  window_ = nullptr;
  form_ = nullptr;
  previousProc_ = nullptr;
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

LRESULT CALLBACK TiledBackground::HookProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  auto* self = static_cast<TiledBackground*>(::GetPropA(hwnd, kSelfProp));
  auto previous = reinterpret_cast<WNDPROC>(::GetPropA(hwnd, kPrevProp));
  if (!self) {
    if (previous) return ::CallWindowProcA(previous, hwnd, msg, wp, lp);
    return ::DefWindowProcA(hwnd, msg, wp, lp);
  }
  if (msg == WM_NCDESTROY) {
    // The window goes away with its form: forget it, then let it finish.
    self->window_ = nullptr;
    self->form_ = nullptr;
    ::RemovePropA(hwnd, kSelfProp);
    ::RemovePropA(hwnd, kPrevProp);
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    return ::CallWindowProcA(previous, hwnd, msg, wp, lp);
  }
  try {
    return self->HandleHooked(msg, wp, lp);
  } catch (...) {
    HandleApplicationException();
    return 0;
  }
}

LRESULT TiledBackground::HandleHooked(UINT msg, WPARAM wp, LPARAM lp) {
  HWND hwnd = window_;
  switch (msg) {
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL: {
      const LRESULT r = ::CallWindowProcA(previousProc_, hwnd, msg, wp, lp);
      // Whole repaint: a partial one would leave cut tiles at the old edge.
      ::InvalidateRect(hwnd, nullptr, TRUE);
      return r;
    }
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wp));
      return 1;
    case WM_NCHITTEST:
      if (mdi_) {
        const LRESULT r = ::CallWindowProcA(previousProc_, hwnd, msg, wp, lp);
        return r == HTCLIENT ? HTTRANSPARENT : r;
      }
      break;
    default:
      break;
  }
  return ::CallWindowProcA(previousProc_, hwnd, msg, wp, lp);
}

}  // namespace vconfig
