// Placement rules of ShadowLabel, the label that draws its text a second time as a shadow.
#pragma once

namespace vconfig {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };

struct LabelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const LabelRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

struct LabelBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const LabelBounds& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

// The rectangle the text is drawn in: the client area less one pixel on either side,
// moved down by the layout when the text is lower than the label.
LabelRect ShadowLabelTextRect(int clientWidth, int clientHeight, int textHeight, TTextLayout layout);

// How far the shadow lies from the text. A disabled label always shows its shadow,
// one pixel down-right when the shadow size is 0.
void ShadowLabelShadowOffset(TShadowPosition position, int shadowSize, bool enabled, int& dx, int& dy);

// The bounds that cover a measured text, its shadow and the margins. A right-aligned
// label keeps its right edge.
LabelBounds ShadowLabelAutoSize(const LabelBounds& current, int textWidth, int textHeight,
                            int shadowSize, TAlignment alignment);

}  // namespace vconfig
