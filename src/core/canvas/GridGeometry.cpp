#include "core/canvas/GridGeometry.h"

#include <algorithm>

namespace mosaicor {

namespace {

// min(max(v, lo), hi): when lo > hi the upper bound wins, as the cursor rules expect.
int Clamp(int v, int lo, int hi) { return std::min(std::max(v, lo), hi); }

// Remainder in 0 .. n-1, also for negative values.
int Modulo(int v, int n) {
  const int m = v % n;
  return m < 0 ? m + n : m;
}

}  // namespace

GridGeometry GridGeometry::Fit(QSize port, int cellWidth, int cellHeight, int offsetX, int offsetY) {
  GridGeometry g;
  g.CellWidth = std::max(cellWidth, 1);
  g.CellHeight = std::max(cellHeight, 1);
  g.OffsetX = offsetX;
  g.OffsetY = offsetY;
  g.Cols = std::max((port.width() - offsetX) / g.CellWidth, 0);
  g.Rows = std::max((port.height() - offsetY) / g.CellHeight, 0);
  return g;
}

QRect GridGeometry::FreeBox(QPoint p) const {
  const int x = std::max(p.x(), HalfWidth());
  const int y = std::max(p.y(), HalfHeight());
  return QRect(x - HalfWidth(), y - HalfHeight(), CellWidth, CellHeight);
}

QPoint GridGeometry::CursorBoxAt(QPoint p, QSize port, bool snap) const {
  const int hw = HalfWidth(), hh = HalfHeight();
  int cx = Clamp(p.x(), hw, port.width() - hw);
  int cy = Clamp(p.y(), hh, port.height() - hh);
  if (!snap) return QPoint(cx - hw, cy - hh);
  const QRect grid = Rect();
  cx = Clamp(cx, grid.x() + hw, grid.x() + grid.width() - hw);
  cy = Clamp(cy, grid.y() + hh, grid.y() + grid.height() - hh);
  return QPoint((cx - OffsetX) / CellWidth * CellWidth + OffsetX, (cy - OffsetY) / CellHeight * CellHeight + OffsetY);
}

QPoint GridGeometry::OffsetAlignedTo(QPoint p) const {
  return QPoint(Modulo(p.x() - HalfWidth(), CellWidth), Modulo(p.y() - HalfHeight(), CellHeight));
}

}  // namespace mosaicor
