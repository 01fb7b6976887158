// The keyboard side of the program's buttons, which have no dialog manager to rely
// on: Enter clicks the window's Default button, Escape its Cancel button, and
// Alt+letter the button whose caption marks that letter with "&". A thread message
// hook sees the keys before the focused control does; it lives while any button
// is registered.
#pragma once

#include <windows.h>

#include <string>

namespace vconfig {

class KeyButton {
 public:
  virtual HWND KeyWindow() const = 0;
  virtual bool KeyDefault() const = 0;
  virtual bool KeyCancel() const = 0;
  virtual char KeyAccelerator() const = 0;
  // Enter on the focused button clicks it (only the explorer-style button does so).
  virtual bool KeyEnterWhenFocused() const = 0;
  // As if pressed and released with the mouse.
  virtual void KeyClick() = 0;

 protected:
  ~KeyButton() = default;
};

void RegisterKeyButton(KeyButton* button);
void UnregisterKeyButton(KeyButton* button);

}  // namespace vconfig
