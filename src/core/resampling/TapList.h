#pragma once
// Tap lists of the separable tile resampler: for each output column (or row), which source
// pixels it blends and with what integer weight in units of 1/256. They are built once per
// axis, so the passes over the pixels need no floating point.

#include <vector>

#include "core/resampling/MitchellKernel.h"

namespace mosaicor {

struct Tap {
  int Index = 0;   // source index, already folded into 0 .. length − 1
  int Weight = 0;  // in 1/256, never 0

  friend bool operator==(const Tap&, const Tap&) = default;
};

// The taps of one output position in increasing order of their unmirrored source position.
using TapList = std::vector<Tap>;

// Scale of one axis, target over source with the first and last pixels mapped onto each other:
// (target − 1) / (source − 1), or target / source when either side is a single pixel.
// Both lengths must be positive.
float AxisScale(int sourceLength, int targetLength);

// Folds an unmirrored source position into 0 .. length − 1. Positions up to one length outside
// are mirrored: −j below, 2·length − 1 − j above (the border pixel repeated only on the high
// side). Positions that this still leaves outside (short axes, strong reductions) are mirrored
// once more and then clamped, so no tap ever reads outside the picture.
int MirrorIndex(int position, int length);

// The tap lists of output positions 0 .. targetLength − 1 on an axis of `sourceLength` pixels
// at `scale`. A reduction (scale < 1) widens the filter to radius / scale source pixels and
// scales its weights down, so every source pixel contributes; weights are rounded half to even.
std::vector<TapList> BuildTapLists(int sourceLength, int targetLength, float scale, FilterFunction filter,
                                   float radius);

}  // namespace mosaicor
