#include "controls/PopupPlacement.h"

#include <algorithm>

namespace vconfig {

KeyboardPopup PlaceKeyboardPopup(const Box& row, const Box& client, int indent) {
  KeyboardPopup popup;
  const Box visible{std::max(row.left, client.left), std::max(row.top, client.top),
                    std::min(row.right, client.right), std::min(row.bottom, client.bottom)};
  if (visible.left >= visible.right || visible.top >= visible.bottom) return popup;
  popup.shown = true;
  popup.hitX = std::clamp(row.left + std::max(indent, 0), visible.left, visible.right - 1);
  popup.hitY = visible.top + (visible.bottom - visible.top) / 2;
  popup.menuX = popup.hitX;
  popup.menuY = visible.bottom;
  return popup;
}

}  // namespace vconfig
