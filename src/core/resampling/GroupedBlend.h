#pragma once
// The two passes of the tile resampler on processors with AVX2, in two variants: with 8-bit dot
// products (AVX-512 VNNI on 256-bit vectors) and with AVX2's byte multiplies alone. Pixels are
// kept four lines at a time, their bytes interleaved so that one 32-bit lane holds one channel
// of four neighbouring pixels; one dot product (or one pair of multiplies) then multiplies those
// bytes by four byte-sized weights and adds the products to the lane's sum. Source rows
// take that form with one byte shuffle each (no transposition of the picture), and the
// horizontal pass writes its results straight in the form the vertical pass reads. The
// arithmetic is the plain blend's: the same sums, divisions, clamping and bytes.

#include <QImage>
#include "resampling/LineBlend.h"

// Both passes from `colours` (32-bit pixels, ARGB32 or RGB32) into `dest` (Format_RGB888, the
// target size) with the plans of the two axes, by `kernel`: Vnni with plans in the Groups form,
// Avx2Groups with plans in the PairSumGroups form. False, with `dest` untouched, for any other
// kernel, when the processor lacks the instructions, a plan is not in that form or has an
// output the grouped blend cannot take (a total outside the reciprocal range, a weight wider
// than 16 bits), or the buffers would be too large.
bool ResampleGrouped(BlendKernel kernel, const BlendPlan& across, const BlendPlan& down, const QImage& colours,
                     QImage& dest);
