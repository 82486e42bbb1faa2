#include "core/resampling/TileSizes.h"

#include <cstring>

#include "core/resampling/TileResampler.h"

namespace mosaicor {

QImage MakeScrollTile(const QImage& cut) {
  const QImage half = ResizeTile(kScrollTileWidth, kScrollTileHalfHeight, cut);
  return half.isNull() ? half : RepeatedScrollHalf(half);
}

QImage RepeatedScrollHalf(const QImage& half) {
  QImage tile(half.width(), 2 * half.height(), half.format());
  if (tile.isNull()) return QImage();
  const size_t rowBytes = static_cast<size_t>(half.bytesPerLine());
  for (int y = 0; y < tile.height(); ++y) std::memcpy(tile.scanLine(y), half.constScanLine(y % half.height()), rowBytes);
  return tile;
}

}  // namespace mosaicor
