#pragma once
// The two passes of the tile resampler on processors with 8-bit dot products (AVX-512 VNNI with
// 256-bit vectors). Pixels are kept four lines at a time, their bytes interleaved so that one
// 32-bit lane holds one channel of four neighbouring pixels; one instruction then multiplies
// those bytes by four byte-sized weights and adds the products to the lane's sum. Source rows
// take that form with one byte shuffle each (no transposition of the picture), and the
// horizontal pass writes its results straight in the form the vertical pass reads. The
// arithmetic is the plain blend's: the same sums, divisions, clamping and bytes.

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "resampling/LineBlend.h"

// One output's taps as weights on groups of four lines: a weight outside −128 .. 127, or two
// taps that fold onto the same line, take more than one entry on the same group, which leaves
// every sum as it was.
struct GroupPlan {
  struct Entry {
    uint32_t Group = 0;    // lines 4 × Group .. 4 × Group + 3
    uint32_t Weights = 0;  // the four lines' weights as signed bytes, the first in the low byte
  };
  std::vector<int> Begin;  // entries of output i are Begin[i] .. Begin[i + 1] − 1
  std::vector<Entry> Entries;
};

// The grouped form of `plan`. False when some output cannot take this route (a total outside
// the reciprocal range, or a weight wider than 16 bits), which the line kernels then handle.
bool MakeGroupPlan(const BlendPlan& plan, GroupPlan& groups);

// Both passes from `colours` (32-bit pixels, ARGB32 or RGB32) into `dest` (Format_RGB888, the
// target size) with the plans of the two axes. False, with `dest` untouched, when the processor
// lacks the instructions, a plan cannot be grouped or the buffers would be too large. Passing
// one plan as both (square tiles) groups it once.
bool ResampleGrouped(const BlendPlan& across, const BlendPlan& down, const QImage& colours, QImage& dest);
