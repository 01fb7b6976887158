// The drawing surface that the markup renderer and the controls draw through. The
// Windows implementation wraps an HDC (GdiSurface_win.h); tests use a recording
// surface with fixed metrics (tests/fakes/RecordingSurface.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "markup/Color.h"

namespace vconfig {

struct Point {
  int x = 0;
  int y = 0;
};

struct Size {
  int cx = 0;
  int cy = 0;
};

// Right and bottom are exclusive, as in GDI.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

inline bool operator==(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

enum FontStyle : unsigned {
  kFontBold = 1,
  kFontItalic = 2,
  kFontUnderline = 4,
  kFontStrikeOut = 8,
};

struct FontSpec {
  std::string face = "MS Sans Serif";
  int size = 8;  // points; 0 leaves the height to the platform
  TColor color = clWindowText;
  unsigned style = 0;  // FontStyle bits
  int escapement = 0;  // tenths of a degree; orientation follows it

  bool Has(FontStyle s) const { return (style & s) != 0; }
};

// Run format bits; the values are those of the platform's DrawText flags.
namespace TextFormat {
constexpr unsigned kBottom = 0x0008;
constexpr unsigned kSingleLine = 0x0020;
constexpr unsigned kExpandTabs = 0x0040;
constexpr unsigned kExternalLeading = 0x0200;
constexpr unsigned kEndEllipsis = 0x8000;
// What the markup renderer uses for every run: 0x268, plus the ellipsis (0x8268)
// when word wrap is off.
constexpr unsigned kRun = kSingleLine | kBottom | kExpandTabs | kExternalLeading;
}  // namespace TextFormat

// An image list as the surface's platform knows it (HIMAGELIST on Windows); not owned.
using ImageListRef = void*;

class Surface {
 public:
  virtual ~Surface() = default;

  // The font that runs are measured and drawn with, including the text colour.
  virtual FontSpec Font() const = 0;
  virtual void SetFont(const FontSpec& font) = 0;

  // The brush: runs are drawn on an opaque background of this colour, or
  // transparently when it is clNone.
  virtual TColor BrushColor() const = 0;
  virtual void SetBrushColor(TColor color) = 0;

  // Width and height of one run as drawn in `bounds` with `format` (TextFormat bits);
  // "&" prefixes are processed and tabs expanded as the format says. The width is the
  // run's full width even when it is wider than `bounds` (no ellipsis is applied).
  virtual Size MeasureRun(std::string_view text, const Rect& bounds, unsigned format) = 0;
  // Height of `text` in the current font (ascent + descent, as for "gh").
  virtual int TextHeight(std::string_view text) = 0;
  // Draws one run inside `bounds` with `format` in the current font and brush.
  virtual void DrawRun(std::string_view text, const Rect& bounds, unsigned format) = 0;

  // A solid fill; clNone fills nothing.
  virtual void FillRect(const Rect& r, TColor color) = 0;
  // A connected line through the points, 1 pixel wide; the pen is restored after.
  virtual void Polyline(const Point* points, std::size_t count, TColor color) = 0;
  virtual void DrawFocusRect(const Rect& r) = 0;

  // Images of an image list: false when the list or the index does not exist.
  virtual bool ImageSize(ImageListRef list, int index, Size& size) = 0;
  // Draws the image into `dest`, stretched when dest's size is not the image's.
  virtual void DrawImage(ImageListRef list, int index, const Rect& dest) = 0;

  // Device resolution in dots per inch (96 on a usual screen).
  virtual int DpiX() const = 0;
  virtual int DpiY() const = 0;

  // The RGB value of a colour: system colours through the platform's current ones.
  virtual TColor ResolveColor(TColor color) const = 0;
};

}  // namespace vconfig
