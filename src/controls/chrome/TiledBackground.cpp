#include "controls/chrome/TiledBackground.h"

namespace vconfig {

std::vector<TilePoint> TilePositions(int width, int height, int tileWidth, int tileHeight) {
  std::vector<TilePoint> points;
  if (tileWidth <= 0 || tileHeight <= 0) return points;
  for (int y = 0; y < height; y += tileHeight)
    for (int x = 0; x < width; x += tileWidth) points.push_back({x, y});
  return points;
}

TilePoint SingleTilePosition(TTileMode mode, int width, int height, int tileWidth,
                             int tileHeight) {
  const int centreX = width / 2 - tileWidth / 2;
  const int middleY = height / 2 - tileHeight / 2;
  const int rightX = width - tileWidth - 1;
  const int bottomY = height - tileHeight;
  switch (mode) {
    case TTileMode::tmCenter: return {centreX, middleY};
    case TTileMode::tmLeftVCenter: return {0, middleY};
    case TTileMode::tmLeftVTop: return {0, 0};
    case TTileMode::tmLeftVBottom: return {0, bottomY};
    case TTileMode::tmRightVCenter: return {rightX, middleY};
    case TTileMode::tmRightVTop: return {rightX, 0};
    case TTileMode::tmRightVBottom: return {rightX, bottomY};
    case TTileMode::tmCenterVTop: return {centreX, 0};
    case TTileMode::tmCenterVBottom: return {centreX, bottomY};
    case TTileMode::tmTile:
    case TTileMode::tmStretch: break;
  }
  return {0, 0};
}

}  // namespace vconfig
