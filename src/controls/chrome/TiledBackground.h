// Where the tiled form background puts its bitmap. Portable, so the placement
// rules can be checked without a window.
#pragma once

#include <vector>

namespace vconfig {

enum class TTileMode {
  tmTile,
  tmStretch,
  tmCenter,
  tmLeftVCenter,
  tmLeftVTop,
  tmLeftVBottom,
  tmRightVCenter,
  tmRightVTop,
  tmRightVBottom,
  tmCenterVTop,
  tmCenterVBottom,
};

struct TilePoint {
  int x = 0;
  int y = 0;
  bool operator==(const TilePoint& o) const { return x == o.x && y == o.y; }
};

// Top-left corners of the copies that cover an area of width x height with a tile of
// tileWidth x tileHeight, row by row from (0, 0). A tile without width or height
// gives no copies, so no loop can run forever.
std::vector<TilePoint> TilePositions(int width, int height, int tileWidth, int tileHeight);

// The one copy of a single-copy mode in a client area of width x height.
// tmTile and tmStretch have no single position; they give (0, 0).
TilePoint SingleTilePosition(TTileMode mode, int width, int height, int tileWidth, int tileHeight);

}  // namespace vconfig
