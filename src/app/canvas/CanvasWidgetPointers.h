#pragma once
// The mouse pointers the canvas shows over its port: the platform's arrow, four-way move and
// crosshair, and the drag pointers of the swap and shift transforms (an arrow with one small box,
// an arrow with a stack of boxes), drawn in code since not every platform has them.

#include <QCursor>

#include "core/canvas/CanvasTypes.h"

namespace mosaicor {

QCursor FramePointerCursor(FramePointer pointer);

}  // namespace mosaicor
