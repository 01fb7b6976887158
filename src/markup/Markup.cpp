// The item markup renderer. It works on the prepared string directly: every line is
// laid out by a measuring pass, then replayed over the same characters to draw or
// probe it. Positions are offsets into the string, so no pass copies what remains.
#include "markup/Markup.h"

#include <algorithm>

#include "markup/MarkupRenderer.h"
#include "markup/MarkupText.h"

namespace vconfig {
namespace markup_internal {

void MarkupRenderer::ApplyFont() {
  if (!fontDirty_) return;
  surface_.SetFont(st_.font);
  fontDirty_ = false;
}

void MarkupRenderer::ApplyBrush() {
  if (appliedBrush_ == st_.brush) return;
  surface_.SetBrushColor(st_.brush);
  appliedBrush_ = st_.brush;
}

bool MarkupRenderer::Run() {
  out_ = MarkupResult{};
  base_ = surface_.Font();
  callBrush_ = surface_.BrushColor();
  st_.font = base_;
  st_.font.size = std::min(st_.font.size, kMaxFontSize);
  surface_.SetBrushColor(clNone);
  appliedBrush_ = clNone;

  text_ = PrepareMarkup(rq_.text, rq_.workCounter);
  lineRect_ = rq_.rect;
  lineRect_.left += 1;

  std::size_t pos = 0;
  int top = rq_.rect.top;
  int total = 0;
  while (pos < text_.size()) {
    const RenderState start = st_;
    Work(start.font.face.size());  // the snapshot copies the face name
    LineLayout line;
    LinePass(Mode::kMeasure, pos, text_.size(), lineRect_, line);

    int x = lineRect_.left;
    if (st_.align == Align::kRight) {
      x = std::max(x, lineRect_.right - line.width);
    } else if (st_.align == Align::kCenter) {
      const int free = lineRect_.right - x - line.width;
      if (free > 0) x += free / 2;
    }
    x += st_.indent;
    const int lineHeight = line.height + line.subExtra + line.superExtra;

    if (!rq_.measureOnly) {
      st_ = start;
      fontDirty_ = true;
      const Rect passRect{x, top, rq_.rect.right, top + lineHeight};
      LinePass(rq_.probeOnly ? Mode::kProbe : Mode::kDraw, pos, line.end, passRect, line);
    }
    top += lineHeight;
    total += lineHeight;
    pos = line.next;
    if (!rq_.measureOnly && top >= rq_.rect.bottom) break;
  }

  if (total == 0) {
    fontDirty_ = true;
    st_.font = base_;
    total = GhHeight();
  }
  out_.height = total;
  out_.anchorCount = st_.anchorCount;
  surface_.SetFont(base_);
  surface_.SetBrushColor(callBrush_);
  return hit_;
}

}  // namespace markup_internal

bool RenderMarkup(Surface& surface, const MarkupRequest& request, MarkupResult& result) {
  markup_internal::MarkupRenderer renderer(surface, request, result);
  return renderer.Run();
}

}  // namespace vconfig
