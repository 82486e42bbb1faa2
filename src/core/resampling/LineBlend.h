#pragma once
// The integer inner loop of the tile resampler: blending whole lines of 32-bit pixels (four
// byte channels each) by one tap list, so that a pass adds line after line instead of pixel
// after pixel. The fourth channel is carried along and ignored by the caller.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "resampling/GroupPlan.h"
#include "resampling/TapList.h"

// Ways to run the same integer arithmetic; every one gives the same bytes. Avx2Groups and Vnni
// are the grouped routes of GroupedBlend.h (byte multiplies with 16-bit pair sums, and 8-bit dot
// products); a line plan told to use either blends as Avx2.
enum class BlendKernel { Scalar, Sse2, Avx2, Avx2Groups, Vnni };

bool BlendKernelAvailable(BlendKernel kernel);

// The last of Scalar, Sse2, Avx2, Avx2Groups, Vnni that this processor runs.
BlendKernel FastestBlendKernel();

// The taps of a plan as pairs for BlendLine, or as group entries for the grouped blend
// (GroupedBlend.h), which then has no pairs: Groups with whole signed bytes for 8-bit dot
// products, PairSumGroups with the bytes laid out for AVX2's byte multiplies (kPairSumBytes in
// GroupPlan.h). Every form has the totals and reciprocals.
enum class BlendForm { Pairs, Groups, PairSumGroups };

// The tap lists of one axis for lines `LineStride` bytes apart, taken in pairs of taps (a lone
// last tap is paired with itself at weight 0), each list with its total and the reciprocal that
// divides by that total.
struct BlendPlan {
  struct TapPair {
    size_t OffsetA = 0, OffsetB = 0;  // byte offsets of the two lines
    int IndexA = 0, IndexB = 0;       // their line numbers
    int WeightA = 0, WeightB = 0;
    uint32_t PackedWeights = 0;  // WeightA in the low 16 bits, WeightB in the high 16 bits
  };
  std::vector<int> Begin;  // pairs of output i are Begin[i] .. Begin[i + 1] − 1
  std::vector<TapPair> Pairs;
  std::vector<int> GroupBegin;  // the Groups form: entries of output i are GroupBegin[i] .. GroupBegin[i + 1] − 1
  std::vector<GroupEntry> Groups;
  std::vector<int> Total;
  std::vector<uint32_t> Reciprocal;          // ceil(2^32 / total) for totals 2 .. 4096, else 0
  size_t LineStride = 0;                     // bytes from one line to the next
  bool Narrow = true;                        // every weight fits in 16 bits
  BlendKernel Kernel = BlendKernel::Scalar;  // the fastest the processor runs
  BlendForm Form = BlendForm::Pairs;
};

// The plan of an axis of `sourceLength` lines resampled to `targetLength` by `filter`.
BlendPlan MakeBlendPlan(int sourceLength, int targetLength, FilterFunction filter, float radius, size_t lineStride,
                        BlendForm form = BlendForm::Pairs);

// The same plan for lines `lineStride` bytes apart.
void ChangeLineStride(BlendPlan& plan, size_t lineStride);

// Lines are padded to whole groups of this many pixels; reads and writes cover the padding.
inline constexpr int kBlendGroup = 8;
constexpr int PaddedPixels(int pixels) { return (pixels + kBlendGroup - 1) / kBlendGroup * kBlendGroup; }

// Pixels from one line to the next in a buffer of lines of `pixels`: padded, and kept off
// multiples of 256 bytes so that lines read together do not alias in the cache.
constexpr int LineStride(int pixels) {
  return PaddedPixels(pixels) + (PaddedPixels(pixels) % 64 == 0 ? kBlendGroup : 0);
}

// For every byte e of `pixels` pixels (rounded up to kBlendGroup): out[e] := the blend of
// lines[offset + e] by the taps of output `output`: the weighted sum divided by the total,
// truncating (or, for a zero total, shifted right by 8 as unsigned), clamped to 0..255.
void BlendLine(const BlendPlan& plan, int output, const uint8_t* lines, int pixels, uint8_t* out);
