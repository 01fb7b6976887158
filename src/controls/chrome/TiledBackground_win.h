// TiledBackground: covers a form's background with a bitmap, tiled or placed once. It
// puts its own handler in front of the form's window procedure, answers the erase
// request itself (so the plain colour is never painted first) and repaints the whole
// form on resize and scroll.
#pragma once

#include <windows.h>

#include "controls/WindowSubclass_win.h"
#include "controls/chrome/TiledBackground.h"
#include "platform/Handles_win.h"

namespace vconfig {

class Form;

class TiledBackground {
 public:
  // The owner is the form whose background is painted.
  explicit TiledBackground(Form& owner);
  // An owner given by window: it must be a form (a top-level window).
  explicit TiledBackground(HWND owner);
  ~TiledBackground();  // detaches
  TiledBackground(const TiledBackground&) = delete;
  TiledBackground& operator=(const TiledBackground&) = delete;

  bool AutomaticAttach() const { return automaticAttach_; }
  void SetAutomaticAttach(bool value) { automaticAttach_ = value; }
  bool Active() const { return active_; }
  void SetActive(bool value);  // repaints at once
  HBITMAP Bitmap() const { return bitmap_.get(); }
  void SetBitmap(HBITMAP bitmap);  // copies the picture
  void LoadBitmapResource(int resourceId);
  TTileMode TileMode() const { return tileMode_; }
  void SetTileMode(TTileMode mode);  // repaints at once

  // The form calls this once its window and components exist: attaches when
  // AutomaticAttach is set. Throws AppError with the attach errors.
  void Loaded();
  void Attach();
  void Detach();
  bool Attached() const { return window_ != nullptr; }
  HWND AttachedWindow() const { return window_; }

  // Paints the background into dc as the erase request does.
  void PaintBackground(HDC dc);

 private:
  LRESULT HandleWindowMessage(UINT msg, WPARAM wp, LPARAM lp);
  HWND OwnerWindow() const;
  void Repaint();
  void FillPlain(HDC dc);

  Form* ownerForm_ = nullptr;  // not owned
  HWND ownerWindow_ = nullptr;
  HWND window_ = nullptr;  // the painted window while attached
  HWND form_ = nullptr;    // the attached form
  bool mdi_ = false;
  bool automaticAttach_ = true;
  bool active_ = true;
  TTileMode tileMode_ = TTileMode::tmTile;
  UniqueBitmap bitmap_;
  WindowSubclass subclass_;  // on window_ while attached
};

}  // namespace vconfig
