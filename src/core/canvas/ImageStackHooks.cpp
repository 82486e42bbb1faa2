// Places where the animation preview and the tile transforms plug into the canvas model. They are
// virtual and do nothing yet: MouseIsUp calls StartAnimation when a range is released (Range
// mode) and ApplyTransform on every release in Transform mode (the transform is named by
// CursorName); the widget's TimerAnim calls ShiftCellsOnTimer on every tick.

#include "canvas/ImageStack.h"

void ImageStack::StartAnimation() {}

void ImageStack::ShiftCellsOnTimer() {}

void ImageStack::ApplyTransform() {}
