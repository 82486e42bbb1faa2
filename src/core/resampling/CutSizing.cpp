#include "core/resampling/CutSizing.h"

#include <algorithm>

#include "core/resampling/TileResampler.h"
#include "core/resampling/TileSizes.h"

namespace mosaicor {

QSize CutSizeFor(CutSizeMode mode, QSize cut) {
  switch (mode) {
    case CutSizeMode::MultiTile:
      return cut;
    case CutSizeMode::Fixed64:
      return QSize(64, 64);
    case CutSizeMode::Fixed128:
      return QSize(128, 128);
    case CutSizeMode::Fixed256:
      return QSize(256, 256);
    case CutSizeMode::AutoSize:
      return QSize(std::max(AutoSizeSide(cut.width()), kSetCellSide),
                   std::max(AutoSizeSide(cut.height()), kSetCellSide));
    case CutSizeMode::ScrollTile:
      return QSize(kScrollTileWidth, kScrollTileHalfHeight);
  }
  return cut;
}

QImage SizeCut(const QImage& cut, CutSizeMode mode) {
  const QSize wanted = CutSizeFor(mode, cut.size());
  if (wanted == cut.size()) return cut;
  return mode == CutSizeMode::ScrollTile ? MakeScrollTile(cut) : ResizeTile(wanted.width(), wanted.height(), cut);
}

QImage SizeCutWithAlpha(const QImage& cut, CutSizeMode mode) {
  const QSize wanted = CutSizeFor(mode, cut.size());
  if (wanted == cut.size()) return cut;
  const QImage sized = ResizeTileWithAlpha(wanted.width(), wanted.height(), cut);
  return mode == CutSizeMode::ScrollTile && !sized.isNull() ? RepeatedScrollHalf(sized) : sized;
}

QImage SizeCutKeyed(const QImage& cut, CutSizeMode mode, const AlphaKeying& keying) {
  return KeyAlphaToMagenta(SizeCutWithAlpha(cut, mode), keying);
}

void MaskPickedColour(QImage& tile, QRgb picked, QRgb replacement) {
  const QRgb key = picked & 0xFFFFFFu;
  if (tile.format() == QImage::Format_RGB888) {
    const uchar r = qRed(replacement), g = qGreen(replacement), b = qBlue(replacement);
    for (int y = 0; y < tile.height(); ++y) {
      uchar* p = tile.scanLine(y);
      for (int x = 0; x < tile.width(); ++x, p += 3)
        if (p[0] == qRed(key) && p[1] == qGreen(key) && p[2] == qBlue(key)) p[0] = r, p[1] = g, p[2] = b;
    }
    return;
  }
  if (tile.format() != QImage::Format_ARGB32 && tile.format() != QImage::Format_RGB32)
    tile = tile.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < tile.height(); ++y) {
    auto* p = reinterpret_cast<QRgb*>(tile.scanLine(y));
    for (int x = 0; x < tile.width(); ++x)
      if ((p[x] & 0xFFFFFFu) == key) p[x] = replacement;
  }
}

}  // namespace mosaicor
