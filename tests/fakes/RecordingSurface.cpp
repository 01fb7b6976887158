#include "fakes/RecordingSurface.h"

namespace vconfig {
namespace {

int PointSize(const FontSpec& font) { return font.size > 0 ? font.size : 8; }

}  // namespace

RecordingSurface::RecordingSurface() {
  font_.face = "MS Sans Serif";
  font_.size = 8;
  font_.color = clWindowText;
}

void RecordingSurface::SetFont(const FontSpec& font) { font_ = font; }

int RecordingSurface::CharWidth(const FontSpec& font) { return 7 * PointSize(font) / 8; }

int RecordingSurface::LineHeight(const FontSpec& font) { return 13 * PointSize(font) / 8; }

std::string RecordingSurface::VisibleText(std::string_view run) {
  std::string shown;
  shown.reserve(run.size());
  for (std::size_t i = 0; i < run.size(); ++i) {
    if (run[i] == '&') {
      if (i + 1 >= run.size()) break;  // a lone "&" at the end shows nothing
      ++i;
    }
    shown += run[i];
  }
  return shown;
}

Size RecordingSurface::MeasureRun(std::string_view text, const Rect& bounds, unsigned format) {
  (void)bounds;
  charactersSeen_ += text.size();
  const int cw = CharWidth(font_);
  const std::string shown = VisibleText(text);
  long long width = 0;
  for (char c : shown) {
    if (c == '\t' && (format & TextFormat::kExpandTabs)) {
      const long long stop = 8LL * cw;
      width = (width / stop + 1) * stop;
    } else {
      width += cw;
    }
  }
  return Size{static_cast<int>(width), LineHeight(font_)};
}

int RecordingSurface::TextHeight(std::string_view text) {
  charactersSeen_ += text.size();
  return LineHeight(font_);
}

void RecordingSurface::DrawRun(std::string_view text, const Rect& bounds, unsigned format) {
  charactersSeen_ += text.size();
  if (!recording) return;
  SurfaceOp op;
  op.kind = SurfaceOp::kText;
  op.text = std::string(text);
  op.rect = bounds;
  op.format = format;
  op.font = font_;
  op.brush = brush_;
  ops_.push_back(std::move(op));
}

void RecordingSurface::FillRect(const Rect& r, TColor color) {
  if (!recording) return;
  SurfaceOp op;
  op.kind = SurfaceOp::kFill;
  op.rect = r;
  op.color = color;
  ops_.push_back(std::move(op));
}

void RecordingSurface::Polyline(const Point* points, std::size_t count, TColor color) {
  if (!recording) return;
  SurfaceOp op;
  op.kind = SurfaceOp::kLine;
  op.points.assign(points, points + count);
  op.color = color;
  ops_.push_back(std::move(op));
}

void RecordingSurface::DrawFocusRect(const Rect& r) {
  if (!recording) return;
  SurfaceOp op;
  op.kind = SurfaceOp::kFocus;
  op.rect = r;
  ops_.push_back(std::move(op));
}

bool RecordingSurface::ImageSize(ImageListRef list, int index, Size& size) {
  auto it = images_.find({list, index});
  if (it == images_.end()) return false;
  size = it->second;
  return true;
}

void RecordingSurface::DrawImage(ImageListRef list, int index, const Rect& dest) {
  if (!recording) return;
  SurfaceOp op;
  op.kind = SurfaceOp::kImage;
  op.rect = dest;
  op.images = list;
  op.imageIndex = index;
  ops_.push_back(std::move(op));
}

TColor RecordingSurface::ResolveColor(TColor color) const {
  // A fixed palette: system colour n resolves to grey level n.
  if (IsSystemColor(color)) {
    const unsigned n = static_cast<unsigned>(SystemColorIndex(color));
    return RgbColor(n, n, n);
  }
  return color;
}

std::vector<SurfaceOp> RecordingSurface::TextOps() const {
  std::vector<SurfaceOp> texts;
  for (const SurfaceOp& op : ops_) {
    if (op.kind == SurfaceOp::kText) texts.push_back(op);
  }
  return texts;
}

}  // namespace vconfig
