#pragma once
// The tile resampler the size selector uses: a separable two-pass resize with the Mitchell
// filter, integer weights in 1/256, mirrored borders and 8-bit clamping. Its output is always a
// 24-bit picture (QImage::Format_RGB888) and the same on every build, so that resampled tiles
// are reproducible.

#include <QImage>

#include "core/resampling/MitchellKernel.h"

namespace mosaicor {

// Resamples `source` (any format; read as 24-bit colour, alpha ignored) to newWidth × newHeight
// with the Mitchell filter and radius 2. A side of 0 or less gives an empty (null) picture.
// An empty source gives a black picture of the new size. Returns a null picture when the
// new size is too large to allocate.
QImage ResizeTile(int newWidth, int newHeight, const QImage& source);

// Resamples colour and alpha together and gives an ARGB32 picture (null when it cannot be made).
// Each colour is weighted by its alpha, so a transparent pixel's colour never bleeds into its
// neighbours. Pixels of the magenta key's colour count as transparent, and a picture without
// transparency (no alpha, or alpha 0 throughout as loaded) as opaque elsewhere.
QImage ResizeTileWithAlpha(int newWidth, int newHeight, const QImage& source);

// Resamples `source` into `dest`, whose size is the target size and whose format should be
// Format_RGB888 (a picture of another format is replaced by an RGB888 one of the same size).
// Nothing is written when either picture has a side of 0. Horizontal pass first, then the
// vertical one, each blend clamped to 0..255 before the next pass reads it. The filter's
// weights must keep every weighted sum of bytes within 32 bits. Returns false, with `dest`
// unchanged, when the work picture would be unreasonably large (over 1 GiB).
bool ResampleTwoPass(FilterFunction filter, float radius, const QImage& source, QImage& dest);

}  // namespace mosaicor
