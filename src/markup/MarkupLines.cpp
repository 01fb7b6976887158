// The layout of one line of markup: runs between tags are measured, wrapped or cut,
// and replayed in the draw and probe passes at the places the measuring pass found.
#include <algorithm>

#include "markup/MarkupRenderer.h"
#include "markup/MarkupText.h"

namespace vconfig {
namespace markup_internal {

int MarkupRenderer::RunBottom() const {
  // Superscripts rise into the extra space above the base line, subscripts sink
  // into the space below it, so both stay inside the line's own height.
  int bottom = pass_.top + line_->superExtra + line_->height;
  if (st_.subscript) bottom += line_->subExtra;
  if (st_.superscript) bottom -= line_->superExtra;
  return bottom - imageOffset_;
}

bool MarkupRenderer::NextRun(std::size_t pos, std::size_t end, std::size_t& runEnd) const {
  // The text before the next tag; with word wrap, at most up to and including the
  // first space.
  std::size_t i = pos;
  while (i < end && text_[i] != '<') {
    if (rq_.wordWrap && text_[i] == ' ') {
      runEnd = i + 1;
      return true;
    }
    ++i;
  }
  runEnd = i;
  return i > pos;
}

void MarkupRenderer::LinePass(Mode mode, std::size_t begin, std::size_t end, const Rect& passRect,
                              LineLayout& line) {
  mode_ = mode;
  pass_ = passRect;
  line_ = &line;
  x_ = passRect.left;
  width_ = 0;
  lineFull_ = stop_ = dropRest_ = consumed_ = lineHasText_ = false;
  lastTextChar_ = 0;
  trailingSpace_ = 0;
  listItems_ = 0;
  imageOffset_ = 0;
  anchorPart_ = Rect{};
  anchorPartHit_ = false;
  // Subscript, superscript and the image offset start afresh on every line.
  st_.subscript = st_.superscript = false;
  if (mode == Mode::kMeasure) {
    line.height = GhHeight();
    line.subExtra = line.superExtra = 0;
  }
  if (drawing() && st_.paragraphBackground) {
    surface_.FillRect(Rect{rq_.rect.left, passRect.top, rq_.rect.right, passRect.bottom}, st_.brush);
  }

  std::size_t pos = begin;
  while (pos < end && !lineFull_ && !stop_) {
    std::size_t runEnd = pos;
    if (NextRun(pos, end, runEnd)) {
      Work(runEnd - pos);
      DecodeRunEntities(std::string_view(text_).substr(pos, runEnd - pos), run_);
      Work(run_.size());
      HandleRun();
      if (lineFull_) break;  // the run opens the next line
      pos = runEnd;
      consumed_ = true;
      if (dropRest_) break;
      continue;
    }
    // A tag.
    if (end - pos <= 2) {
      pos = end;
      break;
    }
    const std::size_t close = text_.find('>', pos + 1);
    const std::size_t tagEnd = (close == std::string::npos || close >= end) ? end : close + 1;
    Work(tagEnd - pos);
    const std::string_view tag = std::string_view(text_).substr(pos, tagEnd - pos);
    HandleTag(tag);
    if (stop_ && !consumed_) stop_ = false;  // a line never stops before its first item
    if (!stop_) {
      pos = tagEnd;
      consumed_ = true;
    }
  }
  FlushAnchorPart();
  if (mode == Mode::kMeasure) {
    width_ -= trailingSpace_;
    line.width = width_;
    line.end = pos;
    // Without word wrap, a run that did not fit ends the whole string.
    line.next = dropRest_ ? text_.size() : pos;
    out_.width = std::max(out_.width, width_);
  }
}

void MarkupRenderer::HandleRun() {
  const std::string& run = run_;
  if (run.empty()) return;
  ApplyFont();
  if (mode_ == Mode::kMeasure) {
    const int h = surface_.TextHeight(run);
    if (st_.subscript) line_->subExtra = std::max(line_->subExtra, h / 4);
    if (st_.superscript) line_->superExtra = std::max(line_->superExtra, h / 4);
    line_->height = std::max(line_->height, h);
  }
  if (st_.hidden) {
    if (mode_ == Mode::kMeasure) out_.plainText += run;
    return;
  }
  const Rect bounds{x_, pass_.top, rq_.rect.right, pass_.bottom};
  const int w = surface_.MeasureRun(run, bounds, RunFormat()).cx;

  if (mode_ != Mode::kMeasure) {
    // The line's markup was laid out already: every run of it is shown.
    if (drawing()) DrawRunAt(run, w);
    if (st_.inAnchor) TrackAnchorPart(Rect{x_, pass_.top, x_ + w, pass_.bottom});
    x_ += w;
    width_ += w;
    return;
  }

  const int room = LineRectWidth();
  bool fits = width_ + w < room;
  if (rq_.wordWrap && !fits) {
    // A word wider than the line gets a line of its own, cut at the right edge; a
    // word split by tags stays together.
    fits = (w >= room && !lineHasText_) || (lineHasText_ && lastTextChar_ != ' ') || !consumed_;
  }
  if (!fits && rq_.wordWrap) {
    lineFull_ = true;
    return;
  }
  if (!fits) {
    // Without word wrap the line, and the string, end with this run, drawn with the
    // end ellipsis.
    dropRest_ = true;
  }
  width_ += w;
  x_ += w;
  lineHasText_ = true;
  lastTextChar_ = run.back();
  trailingSpace_ = run.back() == ' ' ? surface_.MeasureRun(" ", bounds, RunFormat()).cx : 0;
  out_.plainText += run;
  Work(run.size());
}

}  // namespace markup_internal
}  // namespace vconfig
