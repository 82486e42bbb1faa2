#pragma once
// Composes the layers of a canvas model into a picture, the way the canvas shows them: black
// port, then each shown layer bottom to top, opaque layers covering, transparent ones letting
// their key colour through. Works on one port rectangle at a time, so a repaint costs what the
// changed area costs.

#include <QImage>
#include <QRect>

namespace mosaicor {

class LayerStack;

// Writes portRect of the composed canvas to `target` (Format_RGB32) at targetPos. Parts of
// portRect outside the port are left alone.
void ComposeLayers(const LayerStack& stack, const QRect& portRect, QImage& target, QPoint targetPos);

// The composed port rectangle as a new RGB32 picture.
QImage ComposeLayers(const LayerStack& stack, const QRect& portRect);

}  // namespace mosaicor
