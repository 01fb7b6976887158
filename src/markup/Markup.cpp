// The item markup renderer. It works on the prepared string directly: every line is
// laid out by a measuring pass, then replayed over the same characters to draw or
// probe it. Positions are offsets into the string, so no pass copies what remains.
#include "markup/Markup.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "markup/MarkupColor.h"
#include "markup/MarkupText.h"

namespace vconfig {
namespace {

constexpr int kListStep = 12;
constexpr int kMaxFontSize = 1000;  // points; keeps every sum of widths in range
constexpr int kMaxLength = 1000000;  // pixels read from attributes
constexpr std::size_t kMaxFaceLength = 31;

enum class Align { kLeft, kRight, kCenter };
enum class Mode { kMeasure, kDraw, kProbe };

// Everything that carries from line to line within a call.
struct RenderState {
  FontSpec font;
  TColor brush = clNone;
  bool subscript = false;
  bool superscript = false;
  bool shadow = false;
  bool errorLine = false;
  bool hidden = false;
  bool inAnchor = false;
  int listLevel = 0;
  Align align = Align::kLeft;
  int indent = 0;
  bool paragraphBackground = false;
  int anchorCount = 0;

  // What closing tags put back.
  bool fontBrushSaved = false;
  TColor brushBeforeFont = clNone;
  bool highlight = false;
  TColor textBeforeHighlight = clNone;
  TColor brushBeforeHighlight = clNone;
  TColor brushBeforeParagraph = clNone;
  bool rotated = false;
  int escapementBeforeRotation = 0;
  std::string_view href;  // into the prepared text, which outlives the state
  int anchorIndex = -1;
  bool anchorUnderline = false;
  bool anchorBrush = false;
  TColor brushBeforeAnchor = clNone;
};

// What the measuring pass learns about one line.
struct LineLayout {
  std::size_t end = 0;   // end of the line's markup
  std::size_t next = 0;  // where the next line starts
  int width = 0;
  int height = 0;
  int subExtra = 0;
  int superExtra = 0;
};

int FontSizeOfCode(int n) {
  switch (n) {
    case 1: return 8;
    case 2: return 10;
    case 3: return 12;
    case 4: return 14;
    case 5: return 16;
    default: return std::min(n, kMaxFontSize);
  }
}

Rect Union(const Rect& a, const Rect& b) {
  if (a.right <= a.left) return b;
  return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

class MarkupRenderer {
 public:
  MarkupRenderer(Surface& surface, const MarkupRequest& request, MarkupResult& result)
      : surface_(surface), rq_(request), out_(result) {}

  bool Run();

 private:
  // One pass over a line: measuring from `begin` (to the end of the text), or
  // replaying the line's markup [begin, end) to draw or probe it.
  void LinePass(Mode mode, std::size_t begin, std::size_t end, const Rect& passRect,
                LineLayout& line);
  bool NextRun(std::size_t pos, std::size_t end, std::size_t& runEnd) const;
  void HandleRun();  // the run in run_
  void HandleTag(std::string_view tag);
  void HandleOpeningTag(std::string_view tag);
  void HandleClosingTag(std::string_view tag);
  void FontTag(std::string_view tag);
  void ParagraphTag(std::string_view tag);
  void AnchorTag(std::string_view tag);
  void CloseAnchor();
  void ListItemTag();
  void ImageTag(std::string_view tag);
  void RuleTag();
  void IndentTag(std::string_view tag);
  void RotationTag(std::string_view tag);
  void BodyTag(std::string_view tag);
  void DrawRunAt(const std::string& run, int w);
  void TrackAnchorPart(const Rect& part);
  void FlushAnchorPart();

  bool drawing() const { return mode_ == Mode::kDraw; }
  bool measuring() const { return mode_ != Mode::kDraw; }
  int RunBottom() const;
  int LineRectWidth() const { return rq_.rect.right - lineRect_.left; }
  unsigned RunFormat() const {
    return rq_.wordWrap ? TextFormat::kRun : (TextFormat::kRun | TextFormat::kEndEllipsis);
  }
  void ApplyFont();
  void ApplyBrush();
  void SetFontColor(TColor c) {
    st_.font.color = c;
    fontDirty_ = true;
  }
  void SetStyle(FontStyle s, bool on) {
    st_.font.style = on ? (st_.font.style | s) : (st_.font.style & ~static_cast<unsigned>(s));
    fontDirty_ = true;
  }
  int GhHeight() {
    ApplyFont();
    return surface_.TextHeight("gh");
  }
  void Work(std::size_t n) {
    if (rq_.workCounter) *rq_.workCounter += n;
  }

  Surface& surface_;
  const MarkupRequest& rq_;
  MarkupResult& out_;
  std::string text_;
  FontSpec base_;
  TColor callBrush_ = clNone;
  Rect lineRect_;
  RenderState st_;
  bool fontDirty_ = true;
  TColor appliedBrush_ = clNone;
  bool hit_ = false;
  std::string run_;  // the current run, decoded; reused to spare allocations

  // The current pass.
  Mode mode_ = Mode::kMeasure;
  Rect pass_;
  LineLayout* line_ = nullptr;
  int x_ = 0;
  int width_ = 0;
  bool lineFull_ = false;
  bool stop_ = false;
  bool dropRest_ = false;
  bool consumed_ = false;  // anything of this line taken yet
  bool lineHasText_ = false;
  char lastTextChar_ = 0;
  int trailingSpace_ = 0;
  int listItems_ = 0;
  int imageOffset_ = 0;
  // The part of the current anchor on this line, for its focus rectangle and the
  // hover rectangle.
  Rect anchorPart_;
  bool anchorPartHit_ = false;
};

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

int MarkupRenderer::RunBottom() const {
  // Superscripts rise into the extra space above the base line, subscripts sink
  // into the space below it, so both stay inside the line's own height.
  int bottom = pass_.top + line_->superExtra + line_->height;
  if (st_.subscript) bottom += line_->subExtra;
  if (st_.superscript) bottom -= line_->superExtra;
  return bottom - imageOffset_;
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

void MarkupRenderer::HandleTag(std::string_view tag) {
  if (tag.size() >= 2 && tag[1] == '/') {
    if (tag.size() >= 4) HandleClosingTag(tag);
  } else {
    HandleOpeningTag(tag);
  }
}

void MarkupRenderer::HandleOpeningTag(std::string_view tag) {
  const char c1 = UpperAscii(tag[1]);
  const char c2 = tag.size() > 2 ? UpperAscii(tag[2]) : 0;
  switch (c1) {
    case 'A':
      AnchorTag(tag);
      break;
    case 'B':
      if (StartsWithNoCase(tag, "<B>")) {
        SetStyle(kFontBold, true);
      } else if (c2 == 'R') {
        lineFull_ = true;
        if (mode_ == Mode::kMeasure) out_.plainText += '\r';
      } else if (c2 == 'L') {
        if (!rq_.blink) SetFontColor(callBrush_);
      } else if (c2 == 'O') {
        BodyTag(tag);
      }
      break;
    case 'E':
      if (drawing()) st_.errorLine = true;
      break;
    case 'F':
      FontTag(tag);
      break;
    case 'H':
      if (c2 == 'I') {
        if (drawing()) {
          st_.highlight = true;
          st_.textBeforeHighlight = st_.font.color;
          st_.brushBeforeHighlight = st_.brush;
          st_.brush = clHighlight;
          SetFontColor(clHighlightText);
        }
      } else if (c2 == 'R') {
        RuleTag();
      }
      break;
    case 'I':
      if (StartsWithNoCase(tag, "<I>")) {
        SetStyle(kFontItalic, true);
      } else if (c2 == 'N') {
        IndentTag(tag);
      } else if (c2 == 'M') {
        ImageTag(tag);
      }
      break;
    case 'L':
      ListItemTag();
      break;
    case 'P':
      ParagraphTag(tag);
      break;
    case 'R':
      RotationTag(tag);
      break;
    case 'S':
      if (StartsWithNoCase(tag, "<S>")) {
        SetStyle(kFontStrikeOut, true);
      } else if (c2 == 'H') {
        st_.shadow = true;
      } else if (StartsWithNoCase(tag, "<SUB>")) {
        st_.subscript = true;
      } else if (StartsWithNoCase(tag, "<SUP>")) {
        st_.superscript = true;
      }
      break;
    case 'U':
      if (StartsWithNoCase(tag, "<U>")) {
        SetStyle(kFontUnderline, true);
      } else {
        ++st_.listLevel;
      }
      break;
    case 'Z':
      st_.hidden = true;
      break;
    default:
      break;
  }
}

void MarkupRenderer::HandleClosingTag(std::string_view tag) {
  const char c2 = UpperAscii(tag[2]);
  const char c3 = UpperAscii(tag[3]);
  switch (c2) {
    case 'A':
      CloseAnchor();
      break;
    case 'B':
      if (StartsWithNoCase(tag, "</B>")) {
        SetStyle(kFontBold, false);
      } else {
        SetFontColor(base_.color);
      }
      break;
    case 'E':
      if (drawing()) st_.errorLine = false;
      break;
    case 'F':
      st_.font.face = base_.face;
      st_.font.size = std::min(base_.size, kMaxFontSize);
      fontDirty_ = true;
      if (drawing() && !rq_.selected) {
        SetFontColor(base_.color);
        if (st_.fontBrushSaved) {
          st_.brush = st_.brushBeforeFont;
          st_.fontBrushSaved = false;
        }
      }
      break;
    case 'H':
      if (drawing() && st_.highlight) {
        st_.highlight = false;
        SetFontColor(st_.textBeforeHighlight);
        st_.brush = st_.brushBeforeHighlight;
      }
      break;
    case 'I':
      SetStyle(kFontItalic, false);
      break;
    case 'P':
      lineFull_ = true;
      if (drawing() && st_.paragraphBackground) {
        st_.brush = st_.brushBeforeParagraph;
        st_.paragraphBackground = false;
      }
      break;
    case 'R':
      if (st_.rotated) {
        st_.font.escapement = st_.escapementBeforeRotation;
        st_.rotated = false;
        fontDirty_ = true;
      }
      break;
    case 'S':
      if (c3 == 'U') {
        st_.subscript = st_.superscript = false;
      } else if (c3 == 'H') {
        st_.shadow = false;
      } else {
        SetStyle(kFontStrikeOut, false);
      }
      break;
    case 'U':
      if (StartsWithNoCase(tag, "</U>")) {
        SetStyle(kFontUnderline, false);
      } else if (st_.listLevel > 0) {
        --st_.listLevel;
      } else {
        SetStyle(kFontUnderline, false);
      }
      break;
    case 'Z':
      st_.hidden = false;
      break;
    default:
      break;
  }
}

// The attribute text of a tag: from `from` up to its ">", upper-cased; empty when
// the tag has no ">".
bool AttributeText(std::string_view tag, std::size_t from, std::string& attributes) {
  if (tag.empty() || tag.back() != '>') return false;
  attributes = from < tag.size() ? UpperAscii(tag.substr(from, tag.size() - 1 - from)) : "";
  return true;
}

void MarkupRenderer::FontTag(std::string_view tag) {
  std::string attributes;
  if (!AttributeText(tag, 5, attributes)) return;
  Work(attributes.size());
  const std::string_view face = QuotedValue(attributes, "FACE");
  if (!face.empty()) {
    // Face names are short everywhere (31 characters on the platform); a longer
    // one must not be copied with the state on every line.
    st_.font.face = std::string(face.substr(0, kMaxFaceLength));
    fontDirty_ = true;
  }
  if (!rq_.selected) {
    const std::string_view color = QuotedValue(attributes, " COLOR");
    if (!color.empty()) SetFontColor(ColorOfValue(color));
    const std::string_view background = QuotedValue(attributes, "BGCOLOR");
    if (drawing() && !background.empty()) {
      st_.brushBeforeFont = st_.brush;
      st_.fontBrushSaved = true;
      st_.brush = ColorOfValue(background);
    }
  }
  const std::size_t size = attributes.find("SIZE");
  if (size != std::string::npos) {
    std::string_view value = std::string_view(attributes).substr(size + 4);
    const std::size_t eq = value.find('=');
    if (eq != std::string_view::npos) value.remove_prefix(eq + 1);
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    if (!value.empty() && value.front() == '"') value.remove_prefix(1);
    st_.font.size = FontSizeOfCode(LeadingNumber(value));
    fontDirty_ = true;
  }
}

void MarkupRenderer::ParagraphTag(std::string_view tag) {
  std::string attributes;
  if (!AttributeText(tag, 2, attributes)) return;
  Work(attributes.size());
  const std::string_view align = QuotedValue(attributes, "ALIGN");
  if (align.find("RIGHT") != std::string_view::npos) st_.align = Align::kRight;
  if (align.find("LEFT") != std::string_view::npos) st_.align = Align::kLeft;
  if (align.find("CENTER") != std::string_view::npos) st_.align = Align::kCenter;
  const std::string_view indent = QuotedValue(attributes, "INDENT");
  if (!indent.empty()) st_.indent = LeadingNumber(indent, false, kMaxLength);
  const std::string_view background = QuotedValue(attributes, "BGCOLOR");
  if (drawing() && !background.empty()) {
    if (!st_.paragraphBackground) st_.brushBeforeParagraph = st_.brush;
    st_.brush = ColorOfValue(background);
    st_.paragraphBackground = true;
    surface_.FillRect(Rect{rq_.rect.left, pass_.top, rq_.rect.right, pass_.bottom}, st_.brush);
  }
}

void MarkupRenderer::AnchorTag(std::string_view tag) {
  FlushAnchorPart();
  ++st_.anchorCount;
  st_.anchorIndex = st_.anchorCount - 1;
  st_.inAnchor = true;
  st_.href = {};
  const std::size_t open = tag.find('"');
  if (open != std::string_view::npos) {
    const std::size_t close = tag.find('"', open + 1);
    if (close != std::string_view::npos) st_.href = tag.substr(open + 1, close - open - 1);
  }
  if (st_.anchorIndex == rq_.focusLink) out_.focusAnchor = std::string(st_.href);
  const bool hovered = st_.anchorIndex == rq_.hoverLink;
  st_.anchorUnderline = st_.anchorBrush = false;
  if (drawing() && (!rq_.hoverStyle || hovered)) {
    if (!st_.font.Has(kFontUnderline)) {
      SetStyle(kFontUnderline, true);
      st_.anchorUnderline = true;
    }
    if (rq_.hoverBackColor != clNone) {
      st_.brushBeforeAnchor = st_.brush;
      st_.brush = rq_.hoverBackColor;
      st_.anchorBrush = true;
    }
    if (rq_.hoverTextColor != clNone) SetFontColor(rq_.hoverTextColor);
  }
  if (!rq_.selected) {
    SetFontColor(hovered && rq_.hoverTextColor != clNone ? rq_.hoverTextColor : rq_.linkColor);
  }
}

void MarkupRenderer::CloseAnchor() {
  FlushAnchorPart();
  if (st_.anchorUnderline) SetStyle(kFontUnderline, false);
  if (st_.anchorBrush) st_.brush = st_.brushBeforeAnchor;
  st_.anchorUnderline = st_.anchorBrush = false;
  st_.inAnchor = false;
  st_.anchorIndex = -1;
  SetFontColor(base_.color);
}

void MarkupRenderer::ListItemTag() {
  if (++listItems_ > 1 && mode_ == Mode::kMeasure) {
    stop_ = true;  // every list item starts a line of its own
    return;
  }
  const int level = st_.listLevel;
  width_ += level * kListStep;
  x_ += (level - 1) * kListStep;
  if (drawing()) {
    FontSpec bullet = st_.font;
    bullet.face = "Symbol";
    surface_.SetFont(bullet);
    fontDirty_ = true;
    ApplyBrush();
    const int bx = std::max(x_, pass_.left);
    surface_.DrawRun(level % 2 ? "\xB7" : "o", Rect{bx, pass_.top, rq_.rect.right, RunBottom()},
                     RunFormat());
  }
  x_ += kListStep;
}

void MarkupRenderer::RuleTag() {
  lineFull_ = true;
  if (!drawing()) return;
  const int y = pass_.top + line_->height + line_->superExtra + 1;
  const Point points[2] = {{pass_.left, y}, {rq_.rect.right, y}};
  surface_.Polyline(points, 2, clBlack);
}

void MarkupRenderer::IndentTag(std::string_view tag) {
  const std::string attributes = UpperAscii(tag.substr(3));
  Work(attributes.size());
  const std::string_view value = QuotedValue(attributes, "X");
  if (value.empty()) return;
  const int n = LeadingNumber(value, false, kMaxLength);
  if (n > width_) {
    width_ = n;
    x_ = rq_.rect.left + n;
  }
}

void MarkupRenderer::RotationTag(std::string_view tag) {
  const std::string upper = UpperAscii(tag);
  Work(upper.size());
  const std::size_t a = upper.find('A', 1);
  if (a == std::string::npos) return;
  const std::size_t open = upper.find('"', a);
  if (open == std::string::npos) return;
  const std::size_t close = upper.find('"', open + 1);
  if (close == std::string::npos) return;
  const int angle = LeadingNumber(std::string_view(upper).substr(open + 1, close - open - 1), true, 3600);
  if (!st_.rotated) st_.escapementBeforeRotation = st_.font.escapement;
  st_.rotated = true;
  st_.font.escapement = angle * 10;
  fontDirty_ = true;
}

void MarkupRenderer::BodyTag(std::string_view tag) {
  if (!drawing()) return;
  const std::string attributes = UpperAscii(tag);
  Work(attributes.size());
  // BACKGROUND names a picture of the container, which this program never fills.
  const std::string_view value = QuotedValue(attributes, "BGCOLOR");
  TColor color;
  if (value.find("CL") != std::string_view::npos) {
    color = MarkupColorByName(LowerAscii(value));
  } else if (value.find('#') != std::string_view::npos) {
    color = ColorOfValue(value.substr(value.find('#')));
  } else {
    return;
  }
  surface_.FillRect(rq_.rect, color);
  st_.brush = color;
}

void MarkupRenderer::ImageTag(std::string_view tag) {
  const std::string attributes = UpperAscii(tag);
  Work(attributes.size());
  const std::string_view source = QuotedValue(attributes, "SRC");
  // Only images of the image list; every other source counts as not found.
  if (!StartsWithNoCase(source, "IDX:")) return;
  const int index = LeadingNumber(source.substr(4), false, kMaxLength);
  Size size;
  if (!rq_.images || !surface_.ImageSize(rq_.images, index, size)) return;
  const int askedWidth = LeadingNumber(QuotedValue(attributes, "WIDTH"), false, kMaxLength);
  const int askedHeight = LeadingNumber(QuotedValue(attributes, "HEIGHT"), false, kMaxLength);
  if (askedWidth > 0) size.cx = askedWidth;
  if (askedHeight > 0) size.cy = askedHeight;
  long long w = static_cast<long long>(size.cx) * surface_.DpiX() / 96;
  long long h = static_cast<long long>(size.cy) * surface_.DpiY() / 96;
  if (rq_.print) {
    w = static_cast<long long>(w * rq_.resolution);
    h = static_cast<long long>(h * rq_.resolution);
  }
  w = std::clamp<long long>(w, 0, kMaxLength);
  h = std::clamp<long long>(h, 0, kMaxLength);
  const int room = LineRectWidth();
  if (mode_ == Mode::kMeasure && consumed_ && width_ + w > room && w < room) {
    stop_ = true;  // opens the next line
    return;
  }
  if (mode_ == Mode::kMeasure) line_->height = std::max<int>(line_->height, static_cast<int>(h));
  const std::string_view align = QuotedValue(attributes, "ALIGN");
  if (align.find("TOP") != std::string_view::npos || align.find("MIDDLE") != std::string_view::npos) {
    const int rise = line_->height - GhHeight();
    imageOffset_ = align.find("TOP") != std::string_view::npos ? rise : rise / 2;
  }
  const int bottom = pass_.top + line_->superExtra + line_->height;
  const Rect dest{x_, bottom - static_cast<int>(h), x_ + static_cast<int>(w), bottom};
  if (drawing()) surface_.DrawImage(rq_.images, index, dest);
  if (st_.inAnchor && mode_ != Mode::kMeasure) TrackAnchorPart(dest);
  x_ += static_cast<int>(w);
  width_ += static_cast<int>(w);
}

}  // namespace

bool RenderMarkup(Surface& surface, const MarkupRequest& request, MarkupResult& result) {
  MarkupRenderer renderer(surface, request, result);
  return renderer.Run();
}

}  // namespace vconfig
