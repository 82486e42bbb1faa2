#pragma once
// The colour-picker cursor ("PICKER"): a pipette whose tip is the hot spot, so the colour sampled is
// the one under the tip.

#include <QCursor>
#include <QPoint>

namespace mosaicor {

// Where the pipette's tip lies in the 32 x 32 picture.
constexpr QPoint PickerHotSpot{2, 29};

QCursor LoadPickerCursor();

}  // namespace mosaicor
