#include "resampling/GroupedBlend.h"

#include <algorithm>
#include <cstring>
#include <memory>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define MOSAICOR_X86_GROUPS 1
#include "resampling/SimdDivide.h"
#endif

#if defined(MOSAICOR_X86_GROUPS)

namespace {

// Interleaved lines are runs of 16-byte cells, one per position along the line: channel c of
// the group's four lines in bytes 4c .. 4c + 3. Within each block of eight positions the cells
// are stored in the order 0, 4, 1, 5, 2, 6, 3, 7, so that the 256-bit sums of a block pack back
// into positions 0 .. 7 in order.
constexpr int kBlock = 8;
constexpr int kCellBytes = 16;
constexpr int kSlot[kBlock] = {0, 2, 4, 6, 1, 3, 5, 7};

inline size_t CellOffset(int position) {
  return static_cast<size_t>((position & ~(kBlock - 1)) + kSlot[position & (kBlock - 1)]) * kCellBytes;
}

constexpr int RoundUpToBlock(int n) { return (n + kBlock - 1) / kBlock * kBlock; }

// Bytes from one interleaved line to the next: a little more than the cells, so that lines read
// together do not fall on the same cache sets.
size_t GroupStride(int positions) { return static_cast<size_t>(RoundUpToBlock(positions)) * kCellBytes + 64; }

#define MOSAICOR_AVX2 __attribute__((target("avx2")))
#define MOSAICOR_VNNI __attribute__((target("avx2,avx512vl,avx512vnni")))

// Four 32-bit pixels (B, G, R, A each) as one cell: byte 4c + k := channel c of pixel k, or, with
// pairsTwoApart, of pixel 0, 2, 1, 3 for k = 0 .. 3 (the lane order of GroupBytes).
MOSAICOR_AVX2 inline __m256i CellShuffle(bool pairsTwoApart) {
  if (pairsTwoApart)
    return _mm256_setr_epi8(0, 8, 4, 12, 1, 9, 5, 13, 2, 10, 6, 14, 3, 11, 7, 15, 0, 8, 4, 12, 1, 9, 5, 13, 2, 10, 6,
                            14, 3, 11, 7, 15);
  return _mm256_setr_epi8(0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14,
                          3, 7, 11, 15);
}

// The source as interleaved lines of four columns each, one cell per row.
MOSAICOR_AVX2 void GroupColumns(const QImage& colours, bool pairsTwoApart, int paddedRows, uint8_t* lines,
                                size_t stride) {
  const int width = colours.width(), height = colours.height(), groups = (width + 3) / 4;
  const __m256i shuffle = CellShuffle(pairsTwoApart);
  for (int k = 0; k < paddedRows; ++k) {
    uint8_t* cells = lines + CellOffset(k);
    if (k >= height) {
      for (int g = 0; g < groups; ++g) std::memset(cells + g * stride, 0, kCellBytes);
      continue;
    }
    const uint8_t* row = colours.constScanLine(k);
    int g = 0;
    for (; 4 * g + 8 <= width; g += 2) {
      const __m256i both =
          _mm256_shuffle_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + 16 * g)), shuffle);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(cells + g * stride), _mm256_castsi256_si128(both));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(cells + (g + 1) * stride), _mm256_extracti128_si256(both, 1));
    }
    for (; g < groups; ++g) {
      // The last columns of a width that is not a multiple of 4 are padded with zeros.
      alignas(16) uint8_t pixels[kCellBytes] = {};
      std::memcpy(pixels, row + 16 * g, static_cast<size_t>(std::min(4, width - 4 * g)) * 4);
      const __m128i cell =
          _mm_shuffle_epi8(_mm_load_si128(reinterpret_cast<const __m128i*>(pixels)), _mm256_castsi256_si128(shuffle));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(cells + g * stride), cell);
    }
  }
}

// The passes with 8-bit dot products: one instruction per entry and 256-bit vector.
namespace dot {
#define MOSAICOR_GROUP_TARGET MOSAICOR_VNNI
constexpr bool kPairsTwoApart = kDotProductBytes.PairsTwoApart;
MOSAICOR_GROUP_TARGET inline __m256i DotAdd(__m256i sums, __m256i pixels, __m256i weights) {
  return _mm256_dpbusd_epi32(sums, pixels, weights);
}
#include "resampling/GroupedPasses.inc"
#undef MOSAICOR_GROUP_TARGET
}  // namespace dot

// The passes on plain AVX2: bytes multiplied and neighbouring products added into 16 bits, then
// pairs of those into 32 bits. The 16-bit sums never saturate because the plan keeps each pair
// of bytes within its budget (kPairSumBytes), so every lane gets the dot product's sum.
namespace pairsum {
#define MOSAICOR_GROUP_TARGET MOSAICOR_AVX2
constexpr bool kPairsTwoApart = kPairSumBytes.PairsTwoApart;
MOSAICOR_GROUP_TARGET inline __m256i DotAdd(__m256i sums, __m256i pixels, __m256i weights) {
  return _mm256_add_epi32(sums, _mm256_madd_epi16(_mm256_maddubs_epi16(pixels, weights), _mm256_set1_epi16(1)));
}
#include "resampling/GroupedPasses.inc"
#undef MOSAICOR_GROUP_TARGET
}  // namespace pairsum

// Buffers beyond this many bytes are refused rather than allocated.
constexpr int64_t kMaxBufferBytes = int64_t{1} << 30;

}  // namespace

bool ResampleGrouped(BlendKernel kernel, const BlendPlan& across, const BlendPlan& down, const QImage& colours,
                     QImage& dest) {
  if (kernel != BlendKernel::Vnni && kernel != BlendKernel::Avx2Groups) return false;
  if (!BlendKernelAvailable(kernel)) return false;
  const BlendForm form = kernel == BlendKernel::Vnni ? BlendForm::Groups : BlendForm::PairSumGroups;
  const int sw = colours.width(), sh = colours.height(), nw = dest.width(), nh = dest.height();
  if (sw <= 0 || sh <= 0 || nw <= 0 || nh <= 0 || dest.format() != QImage::Format_RGB888) return false;
  const int paddedRows = RoundUpToBlock(sh);
  const size_t columnStride = GroupStride(sh), workStride = GroupStride(nw);
  const int64_t columnBytes = int64_t{(sw + 3) / 4} * static_cast<int64_t>(columnStride);
  const int64_t workBytes = int64_t{paddedRows / 4} * static_cast<int64_t>(workStride);
  const int64_t rgbBytes = int64_t{RoundUpToBlock(nw)} * 3 + 32;
  if (columnBytes + workBytes + rgbBytes > kMaxBufferBytes) return false;
  const auto grouped = [form](const BlendPlan& plan, int outputs) {
    return plan.Form == form && plan.Narrow && plan.Total.size() == static_cast<size_t>(outputs) &&
           plan.GroupBegin.size() == plan.Total.size() + 1 &&
           std::find(plan.Reciprocal.begin(), plan.Reciprocal.end(), 0u) == plan.Reciprocal.end();
  };
  if (!grouped(across, nw) || !grouped(down, nh)) return false;

  const std::unique_ptr<uint8_t[]> buffer(new uint8_t[static_cast<size_t>(columnBytes + workBytes + rgbBytes)]);
  uint8_t* columns = buffer.get();
  uint8_t* work = columns + columnBytes;
  uint8_t* rgb = work + workBytes;
  GroupColumns(colours, (kernel == BlendKernel::Vnni ? kDotProductBytes : kPairSumBytes).PairsTwoApart, paddedRows,
               columns, columnStride);
  // Work cells past the last column are read with their block but never written by the pass.
  for (int m = 0; m < paddedRows / 4; ++m)
    for (int x = nw; x < RoundUpToBlock(nw); ++x) std::memset(work + m * workStride + CellOffset(x), 0, kCellBytes);
  if (kernel == BlendKernel::Vnni) {
    dot::BlendAcross(across, columns, columnStride, paddedRows, work, workStride);
    dot::BlendDown(down, work, workStride, rgb, dest);
  } else {
    pairsum::BlendAcross(across, columns, columnStride, paddedRows, work, workStride);
    pairsum::BlendDown(down, work, workStride, rgb, dest);
  }
  return true;
}

#else

bool ResampleGrouped(BlendKernel, const BlendPlan&, const BlendPlan&, const QImage&, QImage&) { return false; }

#endif
