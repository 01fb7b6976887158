// A surface with fixed, known metrics that records what is drawn, for tests of
// everything that lays text out through a Surface.
//
// Metrics: a character is 7 px wide and "gh" 13 px high at 8 points, both scaling
// with the point size (integer division: 10 pt gives 8 x 16, 12 pt 10 x 19,
// 14 pt 12 x 22); size 0 counts as 8 points. "&" prefixes are processed as the
// platform does ("&x" draws "x", "&&" draws "&"), and a tab advances to the next
// multiple of eight characters.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "markup/Surface.h"

namespace vconfig {

struct SurfaceOp {
  enum Kind { kText, kFill, kLine, kFocus, kImage };
  Kind kind = kText;
  std::string text;  // kText: the run as passed
  Rect rect;         // kText: bounds; kFill, kFocus, kImage: the rectangle
  unsigned format = 0;
  FontSpec font;                 // kText: the font at the call
  TColor brush = clNone;         // kText: the brush at the call
  TColor color = clNone;         // kFill, kLine: the colour
  std::vector<Point> points;     // kLine
  ImageListRef images = nullptr;  // kImage
  int imageIndex = -1;
};

class RecordingSurface : public Surface {
 public:
  RecordingSurface();

  FontSpec Font() const override { return font_; }
  void SetFont(const FontSpec& font) override;
  TColor BrushColor() const override { return brush_; }
  void SetBrushColor(TColor color) override { brush_ = color; }
  Size MeasureRun(std::string_view text, const Rect& bounds, unsigned format) override;
  int TextHeight(std::string_view text) override;
  void DrawRun(std::string_view text, const Rect& bounds, unsigned format) override;
  void FillRect(const Rect& r, TColor color) override;
  void Polyline(const Point* points, std::size_t count, TColor color) override;
  void DrawFocusRect(const Rect& r) override;
  bool ImageSize(ImageListRef list, int index, Size& size) override;
  void DrawImage(ImageListRef list, int index, const Rect& dest) override;
  int DpiX() const override { return dpi_; }
  int DpiY() const override { return dpi_; }
  TColor ResolveColor(TColor color) const override;

  // Fixed metrics of a font.
  static int CharWidth(const FontSpec& font);
  static int LineHeight(const FontSpec& font);
  // The characters a run shows after "&" prefix processing.
  static std::string VisibleText(std::string_view run);

  // Test set-up.
  void SetDpi(int dpi) { dpi_ = dpi; }
  void AddImage(ImageListRef list, int index, Size size) { images_[{list, index}] = size; }

  const std::vector<SurfaceOp>& ops() const { return ops_; }
  std::vector<SurfaceOp> TextOps() const;
  void ClearOps() { ops_.clear(); }
  // Characters passed to MeasureRun, TextHeight and DrawRun so far.
  std::size_t charactersSeen() const { return charactersSeen_; }
  bool recording = true;  // off: count only, for long inputs

 private:
  FontSpec font_;
  TColor brush_ = clNone;
  int dpi_ = 96;
  std::map<std::pair<ImageListRef, int>, Size> images_;
  std::vector<SurfaceOp> ops_;
  std::size_t charactersSeen_ = 0;
};

}  // namespace vconfig
