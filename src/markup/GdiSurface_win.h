// The drawing surface over a GDI device context.
#pragma once

#include <windows.h>

#include <memory>

#include "markup/MarkupRunLayout.h"
#include "markup/Surface.h"

namespace vconfig {

struct GlyphCells;

// Draws into a DC that it does not own. The DC's font, colours, background mode and
// pen are put back as they were when the surface is destroyed; fonts the surface
// created are deleted then.
class GdiSurface : public Surface {
 public:
  // The surface's font starts as `font`, or as the DC's current font when null.
  explicit GdiSurface(HDC dc, const FontSpec* font = nullptr);
  ~GdiSurface() override;
  GdiSurface(const GdiSurface&) = delete;
  GdiSurface& operator=(const GdiSurface&) = delete;

  HDC dc() const { return dc_; }

  FontSpec Font() const override;
  void SetFont(const FontSpec& font) override;
  TColor BrushColor() const override;
  void SetBrushColor(TColor color) override;
  Size MeasureRun(std::string_view text, const Rect& bounds, unsigned format) override;
  int TextHeight(std::string_view text) override;
  void DrawRun(std::string_view text, const Rect& bounds, unsigned format) override;
  void FillRect(const Rect& r, TColor color) override;
  void Polyline(const Point* points, std::size_t count, TColor color) override;
  void DrawFocusRect(const Rect& r) override;
  bool ImageSize(ImageListRef list, int index, Size& size) override;
  void DrawImage(ImageListRef list, int index, const Rect& dest) override;
  int DpiX() const override;
  int DpiY() const override;
  TColor ResolveColor(TColor color) const override;

  // The font spec of a GDI font (face, size from its height at the DC's resolution, style).
  static FontSpec SpecOfFont(HDC dc, HFONT font);

 private:
  // The run's characters and their advances in the selected font, whose metrics come
  // back in `metrics`.
  RunGlyphs Layout(std::string_view text, unsigned format, TEXTMETRICA& metrics) const;
  // The glyph cell widths of the selected font, asked for as they are needed.
  GlyphCells& Cells() const;

  struct State;
  HDC dc_;  // not owned
  std::unique_ptr<State> state_;
};

}  // namespace vconfig
