#pragma once
// The grid of a canvas: cell size and offset as the host sets them, the whole cells that fit the
// port (GridCols, GridRows, GridRect), whether the cursor snaps to it, and the grid layer
// (L5_Grid) drawn dotted or with lines.

#include <QPoint>
#include <QRect>

#include "core/canvas/CanvasTypes.h"
#include "core/canvas/GridGeometry.h"

namespace mosaicor {

class LayerStack;

class CanvasGrid {
 public:
  explicit CanvasGrid(LayerStack& layers) : layers_(layers) {}
  CanvasGrid(const CanvasGrid&) = delete;
  CanvasGrid& operator=(const CanvasGrid&) = delete;

  // The host writes these, then calls UpdateGrid.
  int CellWidth = kSetCellSide;
  int CellHeight = kSetCellSide;
  int GridOffsetX = 0;  // 0 <= offset < cell size
  int GridOffsetY = 0;
  GridStyleKind GridStyle = GridStyleKind::Dotted;
  bool GridLocked = true;  // the cursor snaps to the grid; false in FREE mode

  // Whole cells across and down the port, and their area; set by UpdateGrid.
  int GridCols() const { return cols_; }
  int GridRows() const { return rows_; }
  QRect GridRect() const { return rect_; }
  // The grid as it stands, for cell arithmetic (cell sizes of at least 1).
  GridGeometry Geometry() const;

  // Cell size as given, offset 0, dotted, locked; then UpdateGrid.
  void InitGrid(int cellWidth, int cellHeight);
  // Fits the cells to the port and redraws the grid layer in GridStyle.
  void UpdateGrid();
  // Offset 0, then UpdateGrid, locked.
  void ResetGrid();
  void DrawGridDotted();
  void DrawGridLines();
  // The double click: lines the grid up with a cell-sized box centred on `point` and switches
  // between the locked grid and FREE mode, hiding the grid layer in FREE mode.
  void ToggleLockAt(QPoint point);

 private:
  LayerStack& layers_;
  int cols_ = 0;
  int rows_ = 0;
  QRect rect_;
};

}  // namespace mosaicor
