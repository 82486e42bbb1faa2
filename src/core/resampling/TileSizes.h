#pragma once
// Tile sizes the size selector asks the resampler for that take more than a width and a height:
// the Auto Size rounding and the Dual 64x32 scrolling tile.

#include <QImage>

#include "core/common/SetSizes.h"

namespace mosaicor {

inline constexpr int kScrollTileWidth = 64;
inline constexpr int kScrollTileHalfHeight = 32;

// A side rounded to the nearest multiple of a set's cell (64), a half rounding up:
// (side + 32) div 64 × 64. Sides under 32 give 0; the size selector keeps such cuts from the
// resampler.
constexpr int AutoSizeSide(int side) { return (side + kSetCellSide / 2) / kSetCellSide * kSetCellSide; }

// The Dual 64x32 scrolling tile of a cut: the cut resampled to 64 × 32, then extended to
// 64 × 64 with rows 32..63 equal to rows 0..31. The result is Format_RGB888 (null when the cut
// cannot be resampled). The size selector keeps a cut that is already 64 × 32 as it is instead
// of calling this, since resampling at equal size still filters.
QImage MakeScrollTile(const QImage& cut);

// The 64 x 64 scrolling tile of its 64 x 32 half: rows 32..63 repeat rows 0..31, in the half's
// format. Null when memory runs out.
QImage RepeatedScrollHalf(const QImage& half);

}  // namespace mosaicor
