// ColorPanel: a panel of one colour with a raised bevel, on which other controls sit.
// Its labels are drawn on the panel's colour.
#pragma once

#include <windows.h>

#include "controls/CustomControl_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class ColorPanel : public CustomControl {
 public:
  bool Create(HWND parent, int left, int top, int width, int height, COLORREF color);
  // A plain label on the panel (a static control, owned by the panel's window).
  HWND AddLabel(const char* text, int left, int top, HFONT font);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void PaintBevel(HDC dc);

  UniqueBrush brush_;
};

}  // namespace vconfig
