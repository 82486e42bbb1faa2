// The grid of the canvas model: cell size and offset, the whole cells that fit the port, and the
// grid layer drawn dotted or with lines.

#include <algorithm>

#include "canvas/GridPainter.h"
#include "canvas/ImageStack.h"

void ImageStack::InitGrid(int cellWidth, int cellHeight) {
  CellWidth = std::max(cellWidth, 1);
  CellHeight = std::max(cellHeight, 1);
  GridOffsetX = 0;
  GridOffsetY = 0;
  GridStyle = GridStyleKind::Dotted;
  GridLocked = true;
  UpdateGrid();
}

void ImageStack::UpdateGrid() {
  const GridGeometry g = GridGeometry::Fit(port_, CellWidth, CellHeight, GridOffsetX, GridOffsetY);
  GridCols = g.Cols;
  GridRows = g.Rows;
  GridRect = g.Rect();
  // Both styles paint every pixel of the port's part of the layer, so the clearing comes with them.
  switch (GridStyle) {
    case GridStyleKind::Dotted:
      DrawGridDotted();
      break;
    case GridStyleKind::Lines:
      DrawGridLines();
      break;
    default:
      L5_Grid.Fill(PortRect(), ClearColor);
      break;
  }
}

void ImageStack::ResetGrid() {
  GridOffsetX = 0;
  GridOffsetY = 0;
  UpdateGrid();
  GridLocked = true;
}

void ImageStack::DrawGridDotted() {
  const GridGeometry g = Geometry();
  const QRect area = PortRect();
  L5_Grid.Paint(area,
                [&](QImage& picture) { PaintDottedGrid(picture, area, g, CanvasColours::GridOuterRing, GridColor); });
  L5_Grid.SetFillColour(ClearColor);
}

void ImageStack::DrawGridLines() {
  const GridGeometry g = Geometry();
  const QRect area = PortRect();
  L5_Grid.Paint(area, [&](QImage& picture) { PaintGridLines(picture, area, g, GridColor); });
  L5_Grid.SetFillColour(ClearColor);
}
