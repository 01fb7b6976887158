// The keyboard side of the program's buttons, which have no dialog manager to rely
// on: Enter clicks the window's Default button, Escape its Cancel button, and
// Alt+letter the button whose caption marks that letter with "&". The message loops
// offer every message to RouteButtonKeys before the focused control sees it; the
// buttons of the key's top-level window are found by asking its child windows.
#pragma once

#include <windows.h>

namespace vconfig {

class KeyButton {
 public:
  virtual bool KeyDefault() const = 0;
  virtual bool KeyCancel() const = 0;
  virtual char KeyAccelerator() const = 0;
  // Enter on the focused button clicks it (only the explorer-style button does so).
  virtual bool KeyEnterWhenFocused() const = 0;
  // As if pressed and released with the mouse.
  virtual void KeyClick() = 0;

  // The question the routing asks a window; a button's window procedure answers it
  // with KeyButtonAnswer(), any other window with 0.
  static bool IsKeyButtonQuery(UINT msg);
  LRESULT KeyButtonAnswer() { return reinterpret_cast<LRESULT>(this); }

 protected:
  ~KeyButton() = default;
};

// For a message loop, before TranslateMessage: true when the message was a key that
// clicked a button (the loop then drops it). Exceptions from the click end in the
// application's general error handling.
bool RouteButtonKeys(const MSG& msg) noexcept;

}  // namespace vconfig
