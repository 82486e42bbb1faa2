#pragma once
// What the canvas model asks of whoever shows it (the widget, or a test): the scroll position and
// visible size of the port, repaints of changed port rectangles, the port's size, the frame's
// mouse pointer, drop acceptance, the animation timer, and where a cut goes when it is exported
// (the clipboard). It is the one way the model speaks to whoever shows it.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "core/canvas/CanvasTypes.h"

namespace mosaicor {

class CanvasView {
 public:
  virtual ~CanvasView() = default;
  // Scroll position of the port (its pixel at the top-left of the visible area).
  virtual QPoint ScrollPosition() const = 0;
  // The view keeps the position within its range.
  virtual void SetScrollPosition(QPoint position) = 0;
  // Size of the visible area of the port.
  virtual QSize ClientSize() const = 0;
  // The given port rectangle looks different now.
  virtual void Invalidate(const QRect& portRect) = 0;
  virtual void PortResized(QSize size) = 0;
  virtual void PointerChanged(FramePointer pointer) = 0;
  // Files dropped from the desktop are welcome from now on.
  virtual void AcceptDrops() {}
  // The animation preview's timer: interval in milliseconds and whether it runs.
  virtual void SetTimerAnim(bool enabled, int intervalMs) {
    (void)enabled;
    (void)intervalMs;
  }
  // A cut made while AutoExport is on.
  virtual void ExportCut(const QImage& cut) { (void)cut; }
  // The model is going: the view forgets it.
  virtual void ModelDestroyed() {}
};

}  // namespace mosaicor
