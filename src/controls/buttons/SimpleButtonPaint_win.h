// Painting shared by the two simple buttons: a glyph left of the caption, the pair
// centred, on a push-button face or a flat one.
#pragma once

#include <windows.h>

#include <string>

namespace vconfig {

class PictureStrip;

enum class SimpleButtonFrame { kNone, kFlatVisible, kPush };

struct SimpleButtonLook {
  std::string caption;
  HBITMAP glyph = nullptr;  // not owned
  HFONT font = nullptr;     // not owned; null: the parent's font
  bool enabled = true;
  COLORREF textColor = CLR_INVALID;
  COLORREF faceColor = CLR_INVALID;  // a flat button's ground; CLR_INVALID: the parent's brush  // CLR_INVALID: the button-text system colour
  bool sunken = false;
  bool checkered = false;  // a toggle that is down shows the checker pattern
  SimpleButtonFrame frame = SimpleButtonFrame::kNone;
  bool isDefault = false;
  bool focused = false;
  const PictureStrip* background = nullptr;  // the strip picture behind a flat button
};


void PaintSimpleButton(HWND hwnd, HDC target, const RECT& rc, const SimpleButtonLook& look);

}  // namespace vconfig
