#include "controls/GdiSurface_win.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

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

struct IconOwner {
  HICON icon;
  ~IconOwner() {
    if (icon) ::DestroyIcon(icon);
  }
};

}  // namespace

struct GdiSurface::State {
  FontSpec font;
  TColor brush = clNone;
  std::vector<CachedFont> fonts;
  HFONT selected = nullptr;  // one of `fonts`, or the DC's own at the start
  // What the DC had when the surface took it.
  HGDIOBJ originalFont = nullptr;
  COLORREF originalText = 0;
  COLORREF originalBack = 0;
  int originalMode = 0;
};

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

Size GdiSurface::MeasureRun(std::string_view text, const Rect& bounds, unsigned format) {
  RECT r = ToRect(bounds);
  // The full width: the ellipsis belongs to drawing only.
  const UINT flags = (format & ~TextFormat::kEndEllipsis) | DT_CALCRECT;
  ::DrawTextExA(dc_, const_cast<char*>(text.data()), TextLength(text), &r, flags, nullptr);
  return Size{r.right - r.left, r.bottom - r.top};
}

int GdiSurface::TextHeight(std::string_view text) {
  SIZE size{};
  ::GetTextExtentPoint32A(dc_, text.data(), TextLength(text), &size);
  return size.cy;
}

void GdiSurface::DrawRun(std::string_view text, const Rect& bounds, unsigned format) {
  const State& s = *state_;
  if (s.font.color == clNone) return;  // invisible text
  ::SetTextColor(dc_, ResolveColor(s.font.color));
  if (s.brush == clNone) {
    ::SetBkMode(dc_, TRANSPARENT);
  } else {
    ::SetBkMode(dc_, OPAQUE);
    ::SetBkColor(dc_, ResolveColor(s.brush));
  }
  RECT r = ToRect(bounds);
  ::DrawTextExA(dc_, const_cast<char*>(text.data()), TextLength(text), &r, format, nullptr);
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
  IconOwner icon{::ImageList_GetIcon(images, index, ILD_TRANSPARENT)};
  if (icon.icon) {
    ::DrawIconEx(dc_, dest.left, dest.top, icon.icon, dest.Width(), dest.Height(), 0, nullptr, DI_NORMAL);
  }
}

int GdiSurface::DpiX() const { return ::GetDeviceCaps(dc_, LOGPIXELSX); }

int GdiSurface::DpiY() const { return ::GetDeviceCaps(dc_, LOGPIXELSY); }

TColor GdiSurface::ResolveColor(TColor color) const {
  if (IsSystemColor(color)) return ::GetSysColor(SystemColorIndex(color));
  return color & 0xFFFFFFu;
}

}  // namespace vconfig
