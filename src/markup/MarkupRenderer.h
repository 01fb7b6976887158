// The markup renderer's state machine, shared by the files of its steps: the line
// loop (Markup.cpp), the layout of one line (MarkupLines.cpp), the tags
// (MarkupTags.cpp) and the drawing of runs and anchors (MarkupDrawing.cpp). Only
// those files include it; everyone else calls RenderMarkup.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "markup/Markup.h"

namespace vconfig {
namespace markup_internal {

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

class MarkupRenderer {
 public:
  MarkupRenderer(Surface& surface, const MarkupRequest& request, MarkupResult& result)
      : surface_(surface), rq_(request), out_(result) {}

  // Lays out every line, then draws or probes it (Markup.cpp).
  bool Run();

 private:
  // Layout of one line (MarkupLines.cpp). One pass over a line: measuring from
  // `begin` (to the end of the text), or replaying the line's markup [begin, end) to
  // draw or probe it.
  void LinePass(Mode mode, std::size_t begin, std::size_t end, const Rect& passRect,
                LineLayout& line);
  bool NextRun(std::size_t pos, std::size_t end, std::size_t& runEnd) const;
  void HandleRun();  // the run in run_
  int RunBottom() const;

  // Tags (MarkupTags.cpp).
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

  // Drawing (MarkupDrawing.cpp).
  void DrawRunAt(const std::string& run, int w);
  void TrackAnchorPart(const Rect& part);
  void FlushAnchorPart();

  bool drawing() const { return mode_ == Mode::kDraw; }
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

}  // namespace markup_internal
}  // namespace vconfig
