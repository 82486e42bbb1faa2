#include "app/canvas/CanvasZoom.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/canvas/LayerCompositor.h"
#include "core/canvas/LayerStack.h"

namespace mosaicor {

int SnapZoom(int factor) {
  int best = ZoomFactors.front();
  for (int z : ZoomFactors)
    if (std::abs(z - factor) < std::abs(best - factor)) best = z;
  return best;
}

int NextZoomUp(int factor) {
  for (int z : ZoomFactors)
    if (z > factor) return z;
  return factor;
}

int NextZoomDown(int factor) {
  for (auto z = ZoomFactors.rbegin(); z != ZoomFactors.rend(); ++z)
    if (*z < factor) return *z;
  return factor;
}

int FloorDiv(int value, int divisor) {
  const int q = value / divisor;
  return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? q - 1 : q;
}

QPoint PortPointAt(QPointF widgetPos, int zoom) {
  return QPoint(static_cast<int>(std::floor(widgetPos.x() / zoom)), static_cast<int>(std::floor(widgetPos.y() / zoom)));
}

QRect PortRectUnder(const QRect& widgetRect, int zoom) {
  if (widgetRect.isEmpty()) return QRect();
  const QPoint topLeft(FloorDiv(widgetRect.left(), zoom), FloorDiv(widgetRect.top(), zoom));
  // Exclusive right and bottom, rounded up so that a partly exposed picture pixel is drawn whole.
  const QPoint end(FloorDiv(widgetRect.left() + widgetRect.width() + zoom - 1, zoom),
                   FloorDiv(widgetRect.top() + widgetRect.height() + zoom - 1, zoom));
  return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

void PaintZoomed(QPainter& painter, const LayerStack& stack, const QRegion& region, int zoom, QImage& buffer) {
  // Smoothing would blur the blown-up pixels (and the device pixel ratio is a scale too).
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  for (const QRect& rect : region) {
    const QRect port = PortRectUnder(rect, zoom).intersected(stack.PortRect());
    if (port.isEmpty()) continue;
    if (buffer.width() < port.width() || buffer.height() < port.height())
      buffer = QImage(port.size().expandedTo(buffer.size()), QImage::Format_RGB32);
    // A window on the top-left of the buffer, so that only what is drawn gets cleared.
    QImage part(buffer.bits(), port.width(), port.height(), buffer.bytesPerLine(), QImage::Format_RGB32);
    part.fill(Qt::black);
    ComposeLayers(stack, port, part, QPoint(0, 0));
    if (zoom == 1)
      painter.drawImage(port.topLeft(), part);
    else
      painter.drawImage(WidgetRectOf(port, zoom), part);
  }
}

}  // namespace mosaicor
