#include "core/resampling/TileSizes.h"

#include <cstring>

#include "core/resampling/TileResampler.h"

namespace mosaicor {

QImage MakeScrollTile(const QImage& cut) {
  const QImage half = ResizeTile(kScrollTileWidth, kScrollTileHalfHeight, cut);
  if (half.isNull()) return QImage();
  QImage tile(kScrollTileWidth, 2 * kScrollTileHalfHeight, QImage::Format_RGB888);
  if (tile.isNull()) return QImage();
  const size_t rowBytes = static_cast<size_t>(kScrollTileWidth) * 3;
  for (int y = 0; y < 2 * kScrollTileHalfHeight; ++y)
    std::memcpy(tile.scanLine(y), half.constScanLine(y % kScrollTileHalfHeight), rowBytes);
  return tile;
}

}  // namespace mosaicor
