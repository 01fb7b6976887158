// Painting shared by the two simple buttons: a glyph left of the caption, the pair
// centred, on a push-button face or a flat one.
#pragma once

#include <windows.h>

#include <string>

namespace vconfig {

enum class SimpleButtonFrame { kNone, kFlatVisible, kPush };

struct SimpleButtonLook {
  std::string caption;
  HBITMAP glyph = nullptr;  // not owned
  HFONT font = nullptr;     // not owned; null: the parent's font
  bool enabled = true;
  bool sunken = false;
  bool checkered = false;  // a toggle that is down shows the checker pattern
  SimpleButtonFrame frame = SimpleButtonFrame::kNone;
  bool isDefault = false;
  bool focused = false;
};


void PaintSimpleButton(HWND hwnd, HDC target, const RECT& rc, const SimpleButtonLook& look);

}  // namespace vconfig
