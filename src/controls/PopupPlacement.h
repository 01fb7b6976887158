// Where a popup menu asked for from the keyboard (Shift+F10, the menu key) opens: at
// the selected row, not where the mouse happens to be.
#pragma once

namespace vconfig {

struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct KeyboardPopup {
  bool shown = false;  // false when no part of the row is in view
  // A point inside the row's visible part: the popup's commands find their row again
  // by hit-testing it, as they do for a right click.
  int hitX = 0;
  int hitY = 0;
  // The menu's top-left corner: below the row at its text, inside the list.
  int menuX = 0;
  int menuY = 0;
};

// Places the popup for a row (client coordinates of the list) whose text starts
// `indent` pixels from its left.
KeyboardPopup PlaceKeyboardPopup(const Box& row, const Box& client, int indent);

}  // namespace vconfig
