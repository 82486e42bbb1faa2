#pragma once
// What the size selector makes of a cut, without the window: the size each of its modes asks
// for, the resize itself, and the picker mask. Packing pictures as tiles treats each picture as
// one such cut.

#include "core/graphics/AlphaKeying.h"

#include <QImage>
#include <QRgb>
#include <QSize>

namespace mosaicor {

// The size selector's modes, numbered as its positions.
enum class CutSizeMode : int { MultiTile = 1, Fixed64, Fixed128, Fixed256, AutoSize, ScrollTile };

// The size a cut of `cut` pixels is made: Multi Tile keeps it; Auto Size rounds each side to the
// nearest multiple of 64 (never below 64, so no cut is resampled to nothing); Scroll Tile asks for
// the 64 x 32 half of the scrolling tile.
QSize CutSizeFor(CutSizeMode mode, QSize cut);

// The cut resized as the mode asks. A cut already of the size asked for is returned as it is
// (resampling at equal size would still filter); so is a 64 x 32 cut in Scroll Tile mode. Null
// when the cut cannot be resampled.
QImage SizeCut(const QImage& cut, CutSizeMode mode);

// The cut sized as the mode asks with its alpha resampled together with the colour (ARGB32; see
// ResizeTileWithAlpha). A cut of the size asked for is returned as it is.
QImage SizeCutWithAlpha(const QImage& cut, CutSizeMode mode);

// The cut sized as the mode asks and keyed to magenta: colour and alpha are resampled together
// and the result keyed after, so that no magenta is blended into the shape's edges. A cut of the
// size asked for is keyed as it is. Null when it cannot be made.
QImage SizeCutKeyed(const QImage& cut, CutSizeMode mode, const AlphaKeying& keying);

// The picker mask: every pixel of exactly `picked`'s red, green and blue becomes `replacement`.
// Pictures other than 24-bit or 32-bit are first converted to ARGB32.
void MaskPickedColour(QImage& tile, QRgb picked, QRgb replacement);

}  // namespace mosaicor
