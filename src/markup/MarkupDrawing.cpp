// Drawing a run (its shadow and error underline included) and tracking the part of
// an anchor on the current line, for its focus rectangle and the probe.
#include <algorithm>
#include <vector>

#include "markup/MarkupRenderer.h"

namespace vconfig {
namespace markup_internal {
namespace {

Rect Union(const Rect& a, const Rect& b) {
  if (a.right <= a.left) return b;
  return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

}  // namespace

void MarkupRenderer::DrawRunAt(const std::string& run, int w) {
  if (x_ >= rq_.rect.right) return;
  const Rect r{x_, pass_.top, rq_.rect.right, RunBottom()};
  if (st_.shadow) {
    // The shadow first, then the text over it; an opaque background is filled
    // before both so that it does not cover the shadow.
    if (st_.brush != clNone) surface_.FillRect(Rect{x_, pass_.top, x_ + w, r.bottom}, st_.brush);
    FontSpec shadowFont = st_.font;
    shadowFont.color = rq_.shadowColor;
    surface_.SetFont(shadowFont);
    surface_.SetBrushColor(clNone);
    appliedBrush_ = clNone;
    const int d = rq_.shadowOffset;
    surface_.DrawRun(run, Rect{r.left + d, r.top + d, r.right + d, r.bottom + d}, RunFormat());
    fontDirty_ = true;
    ApplyFont();
  } else {
    ApplyBrush();
  }
  surface_.DrawRun(run, r, RunFormat());
  if (st_.errorLine) {
    const int bottom = r.bottom;
    const int left = x_ - (((x_ % 2) + 2) % 2);
    const int right = std::min(x_ + w, rq_.rect.right);
    std::vector<Point> zigzag;
    bool down = false;
    for (int px = left; px <= right; px += 2) {
      zigzag.push_back(Point{px, down ? bottom + 1 : bottom - 1});
      down = !down;
    }
    if (zigzag.size() >= 2) surface_.Polyline(zigzag.data(), zigzag.size(), clRed);
  }
}

void MarkupRenderer::TrackAnchorPart(const Rect& part) {
  anchorPart_ = Union(anchorPart_, part);
  if (mode_ == Mode::kProbe && part.Contains(rq_.probe)) anchorPartHit_ = true;
}

void MarkupRenderer::FlushAnchorPart() {
  if (anchorPart_.right > anchorPart_.left) {
    if (drawing() && st_.anchorIndex >= 0 && st_.anchorIndex == rq_.focusLink) {
      surface_.DrawFocusRect(anchorPart_);
    }
    if (anchorPartHit_) {
      hit_ = true;
      out_.anchor = std::string(st_.href);
      out_.anchorIndex = st_.anchorIndex;
      out_.hoverRect = anchorPart_;
    }
  }
  anchorPart_ = Rect{};
  anchorPartHit_ = false;
}

}  // namespace markup_internal
}  // namespace vconfig
