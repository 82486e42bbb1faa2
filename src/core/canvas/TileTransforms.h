#pragma once
// The tile transforms of the canvas, as functions on pictures: a tile cut out of a picture, its
// quarter turn and its horizontal and vertical flips, swapping two tiles of a picture, and
// shifting a tile along the run of tiles between two cells. Whole pixels move, alpha with the
// colour, so turning a tile round four times gives it back exactly.

#include <QImage>
#include <QRect>
#include <QSize>

#include "core/canvas/CellRun.h"

namespace mosaicor {

// The rectangle of `picture` as a cell-sized 32-bit tile; whatever of it lies outside the picture
// (all of it for a null picture) is black.
QImage TileOf(const QImage& picture, const QRect& rect, QSize cell);

// A quarter turn clockwise, and the mirror images left to right and top to bottom. A tile that
// is not square turns within its own size: what falls outside it is lost.
QImage RotatedTile(const QImage& tile);
QImage HFlippedTile(const QImage& tile);
QImage VFlippedTile(const QImage& tile);

// `from` takes the pixels of `to`, and `to` takes `pressedTile` (the former content of `from`).
void SwapTiles(QImage& picture, const QRect& from, const QRect& to, const QImage& pressedTile);

// The cells of the run each take their neighbour's content toward its released end, and
// `lastRect` takes the content of the pressed end.
void ShiftTiles(QImage& picture, CellRun& run, const QRect& lastRect);

}  // namespace mosaicor
