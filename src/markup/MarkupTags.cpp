// The tags of the markup: each changes the renderer's state, and a few (line
// breaks, rules, list items, images) the layout of the current line.
#include <algorithm>

#include "markup/MarkupColor.h"
#include "markup/MarkupRenderer.h"
#include "markup/MarkupText.h"

namespace vconfig {
namespace markup_internal {
namespace {

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

// The attribute text of a tag: from `from` up to its ">", upper-cased; empty when
// the tag has no ">".
bool AttributeText(std::string_view tag, std::size_t from, std::string& attributes) {
  if (tag.empty() || tag.back() != '>') return false;
  attributes = from < tag.size() ? UpperAscii(tag.substr(from, tag.size() - 1 - from)) : "";
  return true;
}

}  // namespace

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

}  // namespace markup_internal
}  // namespace vconfig
