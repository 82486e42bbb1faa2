#include "core/canvas/TileTransforms.h"

#include "core/canvas/CanvasTypes.h"
#include "core/graphics/RectCopy.h"

namespace mosaicor {

namespace {

// The tile with every pixel (x, y), i-th in reading order, moved to destination(x, y, i, w, h).
QImage MovedPixels(const QImage& tile, QPoint (*destination)(int x, int y, int i, int w, int h)) {
  const int w = tile.width(), h = tile.height();
  QImage moved = tile.copy();
  for (int i = 0; i < w * h; ++i) {
    const int x = i % w, y = i / w;
    const QPoint to = destination(x, y, i, w, h);
    if (moved.valid(to)) moved.setPixel(to, tile.pixel(x, y));
  }
  return moved;
}

}  // namespace

QImage TileOf(const QImage& picture, const QRect& rect, QSize cell) {
  QImage tile(cell, QImage::Format_ARGB32);
  tile.fill(CanvasColours::Clear);
  if (!picture.isNull()) CopyRect(tile, QPoint(0, 0), picture, rect);
  return tile;
}

QImage RotatedTile(const QImage& tile) {
  return MovedPixels(tile, [](int, int, int i, int w, int h) { return QPoint((w - 1) - i / h, i % h); });
}

QImage HFlippedTile(const QImage& tile) {
  return MovedPixels(tile, [](int x, int y, int, int w, int) { return QPoint(w - 1 - x, y); });
}

QImage VFlippedTile(const QImage& tile) {
  return MovedPixels(tile, [](int x, int y, int, int, int h) { return QPoint(x, h - 1 - y); });
}

void SwapTiles(QImage& picture, const QRect& from, const QRect& to, const QImage& pressedTile) {
  CopyRect(picture, from.topLeft(), picture, to);
  CopyRect(picture, to.topLeft(), pressedTile, pressedTile.rect());
}

void ShiftTiles(QImage& picture, CellRun& run, const QRect& lastRect) {
  const QRect cell = run.RectAt(0);
  QImage spare = BlankLike(picture, cell.size());
  run.Step(picture, spare, lastRect);
}

}  // namespace mosaicor
