// Image: a child control that shows one picture. Its window text is its name, so
// that the picture shown can be told from outside.
#pragma once

#include <windows.h>

#include <string>

#include "controls/CustomControl_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class Image : public CustomControl {
 public:
  bool Create(HWND parent, const std::string& name, int left, int top, int width, int height);
  // Takes ownership of the picture.
  void SetPicture(UniqueBitmap picture);
  // Pixels of the picture's top-left colour show the parent behind them (unstretched).
  void SetTransparent(bool transparent);
  void SetStretch(bool stretch);
  void SetCenter(bool center);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Paint(HDC dc);

  UniqueBitmap picture_;
  bool transparent_ = false;
  bool stretch_ = false;
  bool center_ = false;
};

}  // namespace vconfig
