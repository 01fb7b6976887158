// What the dialogs' push button and the flat tool button share: a caption with an
// optional "&" accelerator, a glyph left of it, the font, the Default and Cancel
// roles for Enter and Escape, and painting through PaintTo. The kinds differ in how
// the mouse and the keyboard press them and in how they look.
#pragma once

#include <windows.h>

#include <string>

#include "controls/buttons/ButtonKeys_win.h"
#include "controls/Form_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class GlyphButton : public Form, private KeyButton {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  void SetGlyph(HBITMAP glyph);  // copied; top-left pixel is the transparent colour
  void LoadGlyph(int resourceId);
  HBITMAP Glyph() const { return glyph_.get(); }
  void SetFont(HFONT font);  // not owned; null: the parent's font
  bool Enabled() const;
  void SetEnabled(bool value);
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  char Accelerator() const;

  virtual void PaintTo(HDC dc) = 0;

 protected:
  GlyphButton() = default;
  ~GlyphButton() override = default;

  bool CreateButton(const char* className, DWORD style, HWND parent, int x, int y, int width,
                    int height);
  // Painting, background erasing, enabling and a lost capture; the rest goes to Form.
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void Repaint();
  // Whether the mouse position in a message's lParam lies on the button.
  bool Contains(LPARAM lp) const;
  HFONT Font() const { return font_; }
  // As if pressed and released with the mouse.
  void KeyClick() override = 0;

  bool pressed_ = false;  // left button went down on it and is held

 private:
  bool KeyDefault() const override { return default_; }
  bool KeyCancel() const override { return cancel_; }
  char KeyAccelerator() const override { return Accelerator(); }
  bool KeyEnterWhenFocused() const override { return false; }

  std::string caption_;
  UniqueBitmap glyph_;
  HFONT font_ = nullptr;  // not owned
  bool default_ = false;
  bool cancel_ = false;
};

}  // namespace vconfig
