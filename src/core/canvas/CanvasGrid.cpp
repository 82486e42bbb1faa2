#include "core/canvas/CanvasGrid.h"

#include <algorithm>

#include "core/canvas/GridPainter.h"
#include "core/canvas/LayerStack.h"

namespace mosaicor {

GridGeometry CanvasGrid::Geometry() const {
  GridGeometry g;
  g.CellWidth = std::max(CellWidth, 1);
  g.CellHeight = std::max(CellHeight, 1);
  g.OffsetX = GridOffsetX;
  g.OffsetY = GridOffsetY;
  g.Cols = cols_;
  g.Rows = rows_;
  return g;
}

void CanvasGrid::InitGrid(int cellWidth, int cellHeight) {
  CellWidth = std::max(cellWidth, 1);
  CellHeight = std::max(cellHeight, 1);
  GridOffsetX = 0;
  GridOffsetY = 0;
  GridStyle = GridStyleKind::Dotted;
  GridLocked = true;
  UpdateGrid();
}

void CanvasGrid::UpdateGrid() {
  const GridGeometry g = GridGeometry::Fit(layers_.PortSize(), CellWidth, CellHeight, GridOffsetX, GridOffsetY);
  cols_ = g.Cols;
  rows_ = g.Rows;
  rect_ = g.Rect();
  // Both styles paint every pixel of the port's part of the layer, so the clearing comes with them.
  switch (GridStyle) {
    case GridStyleKind::Dotted:
      DrawGridDotted();
      break;
    case GridStyleKind::Lines:
      DrawGridLines();
      break;
    default:
      layers_.L5_Grid().Fill(layers_.PortRect(), layers_.Colours().ClearColor);
      break;
  }
}

void CanvasGrid::ResetGrid() {
  GridOffsetX = 0;
  GridOffsetY = 0;
  UpdateGrid();
  GridLocked = true;
}

void CanvasGrid::DrawGridDotted() {
  const GridGeometry g = Geometry();
  const QRect area = layers_.PortRect();
  const CanvasPalette& colours = layers_.Colours();
  layers_.L5_Grid().Paint(area, [&](QImage& picture) {
    PaintDottedGrid(picture, area, g, CanvasColours::GridOuterRing, colours.GridColor);
  });
  layers_.L5_Grid().SetFillColour(colours.ClearColor);
}

void CanvasGrid::DrawGridLines() {
  const GridGeometry g = Geometry();
  const QRect area = layers_.PortRect();
  const CanvasPalette& colours = layers_.Colours();
  layers_.L5_Grid().Paint(area, [&](QImage& picture) { PaintGridLines(picture, area, g, colours.GridColor); });
  layers_.L5_Grid().SetFillColour(colours.ClearColor);
}

void CanvasGrid::ToggleLockAt(QPoint point) {
  const QPoint offset = Geometry().OffsetAlignedTo(point);
  GridOffsetX = offset.x();
  GridOffsetY = offset.y();
  GridLocked = !GridLocked;
  if (GridLocked) UpdateGrid();
  layers_.L5_Grid().SetVisible(GridLocked);
}

}  // namespace mosaicor
