#pragma once
// Tile <-> pixel arithmetic of a canvas grid: cell size, offset, the number of whole cells that
// fit a port, cell rectangles, reading-order indices, and the cursor box that snaps to the grid
// or moves freely. Division truncates toward zero, so points left of or above the grid's origin
// fall in column or row 0.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "core/packing/SetGeometry.h"

namespace mosaicor {

struct GridGeometry {
  int CellWidth = kSetCellSide;
  int CellHeight = kSetCellSide;
  int OffsetX = 0;
  int OffsetY = 0;
  int Cols = 0;
  int Rows = 0;

  // The grid of the given cells laid over a port: Cols and Rows count whole cells only.
  static GridGeometry Fit(QSize port, int cellWidth, int cellHeight, int offsetX, int offsetY);

  int HalfWidth() const { return CellWidth / 2; }
  int HalfHeight() const { return CellHeight / 2; }

  // The area covered by whole cells.
  QRect Rect() const { return QRect(OffsetX, OffsetY, Cols * CellWidth, Rows * CellHeight); }

  QRect CellRect(int column, int row) const {
    return QRect(column * CellWidth + OffsetX, row * CellHeight + OffsetY, CellWidth, CellHeight);
  }
  QRect CellRect(QPoint cell) const { return CellRect(cell.x(), cell.y()); }

  // Column and row of the cell holding a point (truncating division, so a point in the partial
  // strip left of or above the grid counts as column or row 0).
  QPoint CellAt(QPoint p) const { return QPoint((p.x() - OffsetX) / CellWidth, (p.y() - OffsetY) / CellHeight); }

  int Index(QPoint cell) const { return cell.y() * Cols + cell.x(); }

  // Column and row of a reading-order index (column = index mod Cols, row = index div Cols).
  QPoint CellOfIndex(int index) const { return Cols > 0 ? QPoint(index % Cols, index / Cols) : QPoint(index, 0); }
  QRect CellRectOfIndex(int index) const { return CellRect(CellOfIndex(index)); }

  // A cell-sized box centred on the point, never left of or above the picture's origin.
  QRect FreeBox(QPoint p) const;

  // Top-left of the cursor box for a pointer on a port: centred on the pointer and kept inside
  // the port; when snapping, the whole cell of the grid that holds that (clamped) centre.
  QPoint CursorBoxAt(QPoint p, QSize port, bool snap) const;

  // An offset that lines the grid up with the edges of a free box centred on the point, in
  // 0 <= offset < cell size.
  QPoint OffsetAlignedTo(QPoint p) const;
};

}  // namespace mosaicor
