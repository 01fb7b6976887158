// What the one-line dialog and the registry value dialog share: a fixed tool window
// centred on the desktop, their 8-point font, single-line fields and labels, and Tab
// moving between their controls.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "controls/Form_win.h"
#include "controls/WindowSubclass_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class PushButton;
class TiledBackground;
class Panel;

// Tool window with only the close box, of the given client size, centred.
FormArgs EditDialogArgs(const char* className, HWND owner, int clientWidth, int clientHeight);

// "MS Sans Serif", 8 pt.
UniqueFont CreateEditDialogFont();

// The form's tiled background picture; call its Loaded() once the controls exist.
std::unique_ptr<TiledBackground> CreateTiledBackground(Form& form);

// The raised panel that holds a dialog's controls.
std::unique_ptr<Panel> CreateDialogPanel(HWND parent, int x, int y, int w, int h, HFONT font);

// An OK or Cancel button with its glyph, of the dialogs' button height.
std::unique_ptr<PushButton> CreateDialogButton(HWND parent, int x, int y, int w, HFONT font,
                                            int glyphId, std::function<void()> onClick);

// A single-line field with sunken edge; no length limit.
HWND CreateEditField(HWND parent, int id, int x, int y, int w, int h, HFONT font);
std::string FieldText(HWND field);

// A label sized to its text.
HWND CreateLabel(HWND parent, int x, int y, HFONT font);
void SetLabelText(HWND label, const std::string& text);

// Lets Tab and Shift+Tab move the focus from a control to the next one of its parent,
// while this object lives: the dialogs run in the program's plain message loop, not a
// dialog box's.
class TabNavigation {
 public:
  explicit TabNavigation(HWND control);

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  WindowSubclass subclass_;
};

}  // namespace vconfig
