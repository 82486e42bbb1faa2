#pragma once
// Drawing a whole grid onto a cleared picture in one sweep. A grid repeats row by row, so each
// distinct kind of row is drawn once and copied to every row of its kind: 131,072 eight-pixel
// cells cost little more than clearing the picture. The result equals framing each cell in turn.

#include <QImage>
#include <QRect>

#include "core/canvas/GridGeometry.h"

namespace mosaicor {

// The dotted style on `area` (picture coordinates from the top-left; the area is first treated as
// cleared to black): the whole cells and one ring of cells around them framed with focus frames
// in ringColour, then the whole cells again in gridColour, both combined by exclusive-or.
void PaintDottedGrid(QImage& picture, const QRect& area, const GridGeometry& grid, QRgb ringColour, QRgb gridColour);

// The line style: area cleared to black, then solid 1-pixel lines in lineColour at every cell
// edge of the grid (columns 0..Cols, rows 0..Rows), running across the whole area.
void PaintGridLines(QImage& picture, const QRect& area, const GridGeometry& grid, QRgb lineColour);

}  // namespace mosaicor
