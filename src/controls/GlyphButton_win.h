// A push button with a small drawn image left of its caption: the confirm and cancel
// buttons of the program's small dialogs. The parent forwards WM_DRAWITEM to Draw.
#pragma once

#include <windows.h>

#include <string>

namespace vconfig {

enum class ButtonGlyph { Confirm, Cancel };

class GlyphButton {
 public:
  void Create(HWND parent, int id, int x, int y, int w, int h, ButtonGlyph glyph, HFONT font);
  HWND hwnd() const { return hwnd_; }
  int id() const { return id_; }
  void SetCaption(const std::string& caption) const;
  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  HWND hwnd_ = nullptr;  // owned by the parent window
  int id_ = 0;
  ButtonGlyph glyph_ = ButtonGlyph::Confirm;
};

}  // namespace vconfig
