#pragma once
// The canvas zoom: the whole-number factors a canvas may be shown at, the mapping between the port
// widget's pixels and picture pixels, and the painting of a canvas model blown up by a factor.
// Every picture pixel becomes a factor x factor block, nearest neighbour and never smoothed, so a
// 64 x 64 tile stays crisp at 8x and on a 200 % screen.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <array>

class QPainter;

namespace mosaicor {

class LayerStack;

inline constexpr std::array<int, 6> ZoomFactors{1, 2, 3, 4, 6, 8};

// The allowed factor nearest to `factor` (the smaller one on a tie).
int SnapZoom(int factor);
// The next allowed factor up or down from `factor`, or `factor` itself at the end of the list.
int NextZoomUp(int factor);
int NextZoomDown(int factor);

// Division rounding toward minus infinity: a widget pixel left of or above the port belongs to a
// picture pixel at a negative coordinate, not to pixel 0.
int FloorDiv(int value, int divisor);
// The picture pixel under a widget position (which may lie between device pixels).
QPoint PortPointAt(QPointF widgetPos, int zoom);
// The picture pixels that the widget rectangle touches, and the widget rectangle of port pixels.
QRect PortRectUnder(const QRect& widgetRect, int zoom);
inline QRect WidgetRectOf(const QRect& portRect, int zoom) {
  return QRect(portRect.topLeft() * zoom, portRect.size() * zoom);
}

// Paints `region` (widget coordinates) of the canvas shown at `zoom`: the picture pixels under it
// are composed into `buffer` (kept by the caller between repaints) and drawn scaled.
void PaintZoomed(QPainter& painter, const LayerStack& stack, const QRegion& region, int zoom, QImage& buffer);

}  // namespace mosaicor
