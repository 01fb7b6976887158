#include "controls/chrome/ShadowLabel.h"

namespace vconfig {

LabelRect ShadowLabelTextRect(int clientWidth, int clientHeight, int textHeight, TTextLayout layout) {
  LabelRect r{1, 0, clientWidth - 1, clientHeight};
  int offset = 0;
  if (layout == tlCenter) offset = (clientHeight - textHeight) / 2;
  if (layout == tlBottom) offset = clientHeight - textHeight;
  r.top += offset;
  r.bottom += offset;
  return r;
}

void ShadowLabelShadowOffset(TShadowPosition position, int shadowSize, bool enabled, int& dx, int& dy) {
  if (!enabled && shadowSize == 0) {
    dx = dy = 1;
    return;
  }
  switch (position) {
    case spLeftTop: dx = -shadowSize; dy = -shadowSize; break;
    case spLeftBottom: dx = -shadowSize; dy = shadowSize; break;
    case spRightBottom: dx = shadowSize; dy = shadowSize; break;
    case spRightTop: dx = shadowSize; dy = -shadowSize; break;
  }
}

LabelBounds ShadowLabelAutoSize(const LabelBounds& current, int textWidth, int textHeight,
                            int shadowSize, TAlignment alignment) {
  LabelBounds b = current;
  b.width = textWidth + 2 + shadowSize;
  b.height = textHeight + shadowSize;
  if (alignment == taRightJustify) b.left = current.left + current.width - b.width;
  return b;
}

}  // namespace vconfig
