#include "markup/GdiSurface_win.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "markup/MarkupRunLayout.h"
#include "platform/Handles_win.h"

namespace vconfig {
namespace {

// Rows are laid out again on every paint, and the markup switches fonts often, so
// created fonts are kept for the surface's life; a row uses only a handful.
constexpr std::size_t kFontCacheSize = 24;

struct CachedFont {
  FontSpec spec;  // colour ignored
  UniqueFont font;
};

bool SameFont(const FontSpec& a, const FontSpec& b) {
  return a.size == b.size && a.style == b.style && a.escapement == b.escapement && a.face == b.face;
}

int TextLength(std::string_view text) {
  return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

// The cell widths of a font's glyphs as drawn in black and white, by byte; -1 where
// not asked yet.
struct GlyphCells {
  HFONT font;  // one of the surface's fonts or the DC's own
  std::array<int, 256> width;
};

struct GdiSurface::State {
  FontSpec font;
  TColor brush = clNone;
  std::vector<CachedFont> fonts;
  HFONT selected = nullptr;  // one of `fonts`, or the DC's own at the start
  std::vector<GlyphCells> cells;
  // What the DC had when the surface took it.
  HGDIOBJ originalFont = nullptr;
  COLORREF originalText = 0;
  COLORREF originalBack = 0;
  int originalMode = 0;
};

namespace {

int GlyphCellWidth(HDC dc, GlyphCells& cells, unsigned char c) {
  int& width = cells.width[c];
  if (width < 0) {
    GLYPHMETRICS gm{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    width = ::GetGlyphOutlineA(dc, c, GGO_BITMAP, &gm, 0, nullptr, &identity) == GDI_ERROR ? 0 : gm.gmCellIncX;
  }
  return width;
}

// Cumulative widths of a run's characters: each one's advance as the font reports it
// for measuring, widened to its cell as a black-and-white glyph when that is wider.
// Under Wine small fonts are drawn as such glyphs, hinted wider than the measured
// advances, and at the measured advances alone a word ran into the space after it;
// on Windows the two agree.
RunExtents ExtentsIn(HDC dc, GlyphCells& cells) {
  return [dc, &cells](std::string_view text, std::vector<int>& ends) {
    SIZE size{};
    ::GetTextExtentExPointA(dc, text.data(), TextLength(text), 0, nullptr, ends.data(), &size);
    int measured = 0;
    int x = 0;
    for (std::size_t i = 0; i < text.size() && i < ends.size(); ++i) {
      const int advance = ends[i] - measured;
      measured = ends[i];
      x += std::max(advance, GlyphCellWidth(dc, cells, static_cast<unsigned char>(text[i])));
      ends[i] = x;
    }
  };
}

}  // namespace

GdiSurface::GdiSurface(HDC dc, const FontSpec* font) : dc_(dc), state_(std::make_unique<State>()) {
  state_->originalFont = ::GetCurrentObject(dc, OBJ_FONT);
  state_->originalText = ::GetTextColor(dc);
  state_->originalBack = ::GetBkColor(dc);
  state_->originalMode = ::GetBkMode(dc);
  state_->selected = static_cast<HFONT>(state_->originalFont);
  if (font) {
    SetFont(*font);
  } else {
    state_->font = SpecOfFont(dc, static_cast<HFONT>(state_->originalFont));
    state_->font.color = state_->originalText;
  }
}

GdiSurface::~GdiSurface() {
  if (state_->originalFont) ::SelectObject(dc_, state_->originalFont);
  ::SetTextColor(dc_, state_->originalText);
  ::SetBkColor(dc_, state_->originalBack);
  ::SetBkMode(dc_, state_->originalMode);
  // The cached fonts are deleted with the state, now that none is selected.
}

FontSpec GdiSurface::SpecOfFont(HDC dc, HFONT font) {
  FontSpec spec;
  LOGFONTA lf{};
  if (!font || !::GetObjectA(font, sizeof lf, &lf)) return spec;
  spec.face = lf.lfFaceName;
  const int dpi = std::max(1, ::GetDeviceCaps(dc, LOGPIXELSY));
  int height = lf.lfHeight;
  if (height > 0) {
    // A cell height: the character height leaves out the internal leading.
    TEXTMETRICA tm{};
    HGDIOBJ old = ::SelectObject(dc, font);
    if (::GetTextMetricsA(dc, &tm)) height = tm.tmHeight - tm.tmInternalLeading;
    ::SelectObject(dc, old);
  } else {
    height = -height;
  }
  spec.size = height ? ::MulDiv(height, 72, dpi) : 0;
  spec.style = (lf.lfWeight >= FW_BOLD ? kFontBold : 0u) | (lf.lfItalic ? kFontItalic : 0u) |
               (lf.lfUnderline ? kFontUnderline : 0u) | (lf.lfStrikeOut ? kFontStrikeOut : 0u);
  spec.escapement = lf.lfEscapement;
  return spec;
}

FontSpec GdiSurface::Font() const { return state_->font; }

void GdiSurface::SetFont(const FontSpec& font) {
  State& s = *state_;
  const bool sameFace = SameFont(s.font, font) && s.selected != s.originalFont;
  s.font = font;
  if (sameFace) return;
  auto it = std::find_if(s.fonts.begin(), s.fonts.end(),
                         [&](const CachedFont& c) { return SameFont(c.spec, font); });
  if (it == s.fonts.end()) {
    LOGFONTA lf{};
    const int size = std::clamp(font.size, 0, 1000);
    lf.lfHeight = size ? -::MulDiv(size, std::max(1, ::GetDeviceCaps(dc_, LOGPIXELSY)), 72) : 0;
    lf.lfWeight = font.Has(kFontBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.Has(kFontItalic);
    lf.lfUnderline = font.Has(kFontUnderline);
    lf.lfStrikeOut = font.Has(kFontStrikeOut);
    lf.lfEscapement = lf.lfOrientation = font.escapement;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    std::strncpy(lf.lfFaceName, font.face.c_str(), LF_FACESIZE - 1);
    UniqueFont created(::CreateFontIndirectA(&lf));
    if (!created) return;  // keep drawing with the font selected now
    if (s.fonts.size() >= kFontCacheSize) {
      // Evict everything but the selected font.
      s.fonts.erase(std::remove_if(s.fonts.begin(), s.fonts.end(),
                                   [&](const CachedFont& c) { return c.font.get() != s.selected; }),
                    s.fonts.end());
      s.cells.clear();
    }
    CachedFont entry;
    entry.spec = font;
    entry.font = std::move(created);
    s.fonts.push_back(std::move(entry));
    it = s.fonts.end() - 1;
  }
  ::SelectObject(dc_, it->font.get());
  s.selected = it->font.get();
}

TColor GdiSurface::BrushColor() const { return state_->brush; }

void GdiSurface::SetBrushColor(TColor color) { state_->brush = color; }

// Runs are measured and drawn with the same advances, each character at exactly the
// place its measure gave it. Left to itself, DrawTextExA under Wine places glyphs of
// some font sizes at advances of its own, up to a pixel per character away from what
// it measures with DT_CALCRECT, so a word drawn at its measured place ran into the
// next one and spaces between runs vanished.
RunGlyphs GdiSurface::Layout(std::string_view text, unsigned format, TEXTMETRICA& metrics) const {
  metrics = TEXTMETRICA{};
  ::GetTextMetricsA(dc_, &metrics);
  // Tab stops every eight average characters, as DrawTextExA sets them.
  return LayoutRun(text, format, 8 * metrics.tmAveCharWidth, ExtentsIn(dc_, Cells()));
}

GlyphCells& GdiSurface::Cells() const {
  State& s = *state_;
  auto it = std::find_if(s.cells.begin(), s.cells.end(),
                         [&](const GlyphCells& c) { return c.font == s.selected; });
  if (it != s.cells.end()) return *it;
  GlyphCells fresh{s.selected, {}};
  fresh.width.fill(-1);
  s.cells.push_back(fresh);
  return s.cells.back();
}

Size GdiSurface::MeasureRun(std::string_view text, const Rect& bounds, unsigned format) {
  (void)bounds;  // the full width: the ellipsis belongs to drawing only
  TEXTMETRICA metrics;
  const RunGlyphs glyphs = Layout(text, format, metrics);
  return Size{glyphs.width, metrics.tmHeight};
}

int GdiSurface::TextHeight(std::string_view text) {
  SIZE size{};
  ::GetTextExtentPoint32A(dc_, text.data(), TextLength(text), &size);
  return size.cy;
}

void GdiSurface::DrawRun(std::string_view text, const Rect& bounds, unsigned format) {
  const State& s = *state_;
  if (s.font.color == clNone) return;  // invisible text
  const COLORREF color = ResolveColor(s.font.color);
  ::SetTextColor(dc_, color);
  if (s.brush == clNone) {
    ::SetBkMode(dc_, TRANSPARENT);
  } else {
    ::SetBkMode(dc_, OPAQUE);
    ::SetBkColor(dc_, ResolveColor(s.brush));
  }
  TEXTMETRICA metrics;
  RunGlyphs glyphs = Layout(text, format, metrics);
  if (format & TextFormat::kEndEllipsis) ApplyEndEllipsis(glyphs, bounds.Width(), ExtentsIn(dc_, Cells()));
  const int y = (format & TextFormat::kBottom) ? bounds.bottom - metrics.tmHeight : bounds.top;
  // Clipped at the right, top and bottom only: a run starts where the one before it
  // ended, and its first glyph may reach left of that point by a pixel, as it does
  // in the middle of a word (the font's drawn glyphs need not agree with its ABC
  // widths there, so no narrower margin is safe).
  RECT clip = ToRect(bounds);
  clip.left -= metrics.tmMaxCharWidth;
  const UINT align = ::SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  ::ExtTextOutA(dc_, bounds.left, y, ETO_CLIPPED, &clip, glyphs.shown.data(), TextLength(glyphs.shown),
                glyphs.advances.data());
  if (align != GDI_ERROR) ::SetTextAlign(dc_, align);

  if (glyphs.underline >= 0) {
    // The "&" mark: a line one pixel under the base line, as wide as the character
    // less one pixel, in the text colour.
    int x = bounds.left;
    for (int i = 0; i < glyphs.underline; ++i) x += glyphs.advances[i];
    const int line = y + metrics.tmAscent + 1;
    RECT mark{x, line, x + glyphs.advances[glyphs.underline] - 1, line + 1};
    RECT shown{};
    if (::IntersectRect(&shown, &mark, &clip)) {
      UniqueBrush brush(::CreateSolidBrush(color));
      if (brush) ::FillRect(dc_, &shown, brush.get());
    }
  }
}

void GdiSurface::FillRect(const Rect& r, TColor color) {
  if (color == clNone) return;
  UniqueBrush brush(::CreateSolidBrush(ResolveColor(color)));
  if (!brush) return;
  RECT rect = ToRect(r);
  ::FillRect(dc_, &rect, brush.get());
}

void GdiSurface::Polyline(const Point* points, std::size_t count, TColor color) {
  if (count < 2 || color == clNone) return;
  UniquePen pen(::CreatePen(PS_SOLID, 1, ResolveColor(color)));
  if (!pen) return;
  std::vector<POINT> pts(count);
  for (std::size_t i = 0; i < count; ++i) pts[i] = POINT{points[i].x, points[i].y};
  SelectObjectScope selected(dc_, pen.get());
  ::Polyline(dc_, pts.data(), static_cast<int>(std::min<std::size_t>(count, INT_MAX)));
}

void GdiSurface::DrawFocusRect(const Rect& r) {
  RECT rect = ToRect(r);
  ::DrawFocusRect(dc_, &rect);
}

bool GdiSurface::ImageSize(ImageListRef list, int index, Size& size) {
  HIMAGELIST images = static_cast<HIMAGELIST>(list);
  if (!images || index < 0 || index >= ::ImageList_GetImageCount(images)) return false;
  int cx = 0, cy = 0;
  if (!::ImageList_GetIconSize(images, &cx, &cy)) return false;
  size = Size{cx, cy};
  return true;
}

void GdiSurface::DrawImage(ImageListRef list, int index, const Rect& dest) {
  HIMAGELIST images = static_cast<HIMAGELIST>(list);
  Size size;
  if (!ImageSize(list, index, size)) return;
  if (dest.Width() == size.cx && dest.Height() == size.cy) {
    ::ImageList_Draw(images, index, dc_, dest.left, dest.top, ILD_TRANSPARENT);
    return;
  }
  UniqueIcon icon(::ImageList_GetIcon(images, index, ILD_TRANSPARENT));
  if (icon) {
    ::DrawIconEx(dc_, dest.left, dest.top, icon.get(), dest.Width(), dest.Height(), 0, nullptr,
                 DI_NORMAL);
  }
}

int GdiSurface::DpiX() const { return ::GetDeviceCaps(dc_, LOGPIXELSX); }

int GdiSurface::DpiY() const { return ::GetDeviceCaps(dc_, LOGPIXELSY); }

TColor GdiSurface::ResolveColor(TColor color) const {
  if (IsSystemColor(color)) return ::GetSysColor(SystemColorIndex(color));
  return color & 0xFFFFFFu;
}

}  // namespace vconfig
