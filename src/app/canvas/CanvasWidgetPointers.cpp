#include "app/canvas/CanvasWidgetPointers.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace mosaicor {

namespace {

// A 32 x 32 arrow pointer with its tip at (1, 1) and `boxes` small boxes below right of it,
// stacked a little apart.
QCursor ArrowWithBoxes(int boxes) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QPolygon arrow({{1, 1}, {1, 17}, {5, 13}, {8, 20}, {11, 19}, {8, 12}, {13, 12}});
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawPolygon(arrow);
  for (int i = boxes - 1; i >= 0; --i) {
    const QRect box(12 + 3 * i, 19 - 3 * i, 10, 8);
    painter.setBrush(Qt::white);
    painter.drawRect(box);
  }
  painter.end();
  return QCursor(pixmap, 1, 1);
}

}  // namespace

QCursor FramePointerCursor(FramePointer pointer) {
  switch (pointer) {
    case FramePointer::Move:
      return QCursor(Qt::SizeAllCursor);
    case FramePointer::Crosshair:
      return QCursor(Qt::CrossCursor);
    case FramePointer::Drag:
      return ArrowWithBoxes(1);
    case FramePointer::MultiDrag:
      return ArrowWithBoxes(3);
    default:
      return QCursor(Qt::ArrowCursor);
  }
}

}  // namespace mosaicor
