// Test windows and pixel read-back for the chrome controls.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "controls/Form_win.h"
#include "platform/Handles_win.h"

namespace vtest {

// A plain top-level form to put controls on.
class HostForm : public vconfig::Form {
 public:
  // outer: the window's outer size; with client set, the client size instead.
  bool Open(int width, int height, bool client = false, bool visible = true,
            HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
            const char* className = "ChromeTestHost");
};

// A 32-bit picture of width x height that a paint function drew into.
class Pixels {
 public:
  Pixels(int width, int height, COLORREF fill = RGB(0, 0, 0));
  HDC dc() const { return dc_.get(); }
  COLORREF at(int x, int y) const;
  int width() const { return width_; }
  int height() const { return height_; }
  // Leftmost / topmost pixel of a colour in a rectangle, or -1.
  int FirstX(COLORREF c, int left, int top, int right, int bottom) const;
  int FirstY(COLORREF c, int left, int top, int right, int bottom) const;

 private:
  int width_, height_;
  vconfig::UniqueBitmap bitmap_;  // outlives the DC it is selected into
  vconfig::UniqueMemDc dc_;
  const uint32_t* bits_ = nullptr;
};

// Pumps this thread's messages until none are left.
void PumpMessages();

// A 24-bit bitmap filled by a function of (x, y).
vconfig::UniqueBitmap MakeBitmap(int width, int height,
                                 const std::function<COLORREF(int x, int y)>& color);

}  // namespace vtest
