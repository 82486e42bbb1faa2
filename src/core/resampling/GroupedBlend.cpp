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

#define MOSAICOR_VNNI __attribute__((target("avx2,avx512vl,avx512vnni")))

// Four 32-bit pixels (B, G, R, A each) as one cell: byte 4c + t := channel c of pixel t.
MOSAICOR_VNNI inline __m256i CellShuffle() {
  return _mm256_setr_epi8(0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14,
                          3, 7, 11, 15);
}

// The source as interleaved lines of four columns each, one cell per row.
MOSAICOR_VNNI void GroupColumns(const QImage& colours, int paddedRows, uint8_t* lines, size_t stride) {
  const int width = colours.width(), height = colours.height(), groups = (width + 3) / 4;
  const __m256i shuffle = CellShuffle();
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

// One block of eight positions blended by the entries [first, last): the eight results as
// 32-bit pixels in position order.
MOSAICOR_VNNI inline __m256i BlendBlock(const GroupEntry* first, const GroupEntry* last, const uint8_t* block,
                                        size_t stride, __m256i divisor, __m256i limit) {
  __m256i acc0 = _mm256_setzero_si256(), acc1 = acc0, acc2 = acc0, acc3 = acc0;
  for (const GroupEntry* e = first; e != last; ++e) {
    const uint8_t* cells = block + e->Group * stride;
    const __m256i weights = _mm256_set1_epi32(static_cast<int>(e->Weights));
    acc0 = _mm256_dpbusd_epi32(acc0, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(cells)), weights);
    acc1 = _mm256_dpbusd_epi32(acc1, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(cells + 32)), weights);
    acc2 = _mm256_dpbusd_epi32(acc2, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(cells + 64)), weights);
    acc3 = _mm256_dpbusd_epi32(acc3, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(cells + 96)), weights);
  }
  // acc0 holds positions 0 and 4, acc1 1 and 5, and so on; packing within 128-bit halves puts
  // positions 0 .. 3 in the low half and 4 .. 7 in the high half.
  const __m256i words0 = _mm256_packs_epi32(DivideAvx2(acc0, divisor, limit), DivideAvx2(acc1, divisor, limit));
  const __m256i words1 = _mm256_packs_epi32(DivideAvx2(acc2, divisor, limit), DivideAvx2(acc3, divisor, limit));
  return _mm256_packus_epi16(words0, words1);
}

// Horizontal pass: output column i over every source row, written as cell i of the work
// picture's interleaved lines of four rows each.
MOSAICOR_VNNI void BlendAcross(const BlendPlan& plan, const uint8_t* columns, size_t columnStride, int paddedRows,
                               uint8_t* work, size_t workStride) {
  const __m256i shuffle = CellShuffle();
  for (size_t i = 0; i < plan.Total.size(); ++i) {
    const GroupEntry* first = plan.Groups.data() + plan.GroupBegin[i];
    const GroupEntry* last = plan.Groups.data() + plan.GroupBegin[i + 1];
    const __m256i divisor = _mm256_set1_epi32(static_cast<int>(plan.Reciprocal[i]));
    const __m256i limit = _mm256_set1_epi32(255 * plan.Total[i]);
    uint8_t* cells = work + CellOffset(static_cast<int>(i));
    for (int b = 0; b < paddedRows / kBlock; ++b) {
      const __m256i rows = _mm256_shuffle_epi8(
          BlendBlock(first, last, columns + b * kBlock * kCellBytes, columnStride, divisor, limit), shuffle);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(cells + 2 * b * workStride), _mm256_castsi256_si128(rows));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(cells + (2 * b + 1) * workStride), _mm256_extracti128_si256(rows, 1));
    }
  }
}

// Vertical pass: output row j over every work column, as 24-bit pixels (R, G, B).
MOSAICOR_VNNI void BlendDown(const BlendPlan& plan, const uint8_t* work, size_t workStride, uint8_t* rgb,
                             QImage& dest) {
  const int width = dest.width();
  const __m256i toRgb = _mm256_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1, 2, 1, 0, 6, 5, 4, 10,
                                         9, 8, 14, 13, 12, -1, -1, -1, -1);
  for (size_t j = 0; j < plan.Total.size(); ++j) {
    const GroupEntry* first = plan.Groups.data() + plan.GroupBegin[j];
    const GroupEntry* last = plan.Groups.data() + plan.GroupBegin[j + 1];
    const __m256i divisor = _mm256_set1_epi32(static_cast<int>(plan.Reciprocal[j]));
    const __m256i limit = _mm256_set1_epi32(255 * plan.Total[j]);
    for (int b = 0; b < RoundUpToBlock(width) / kBlock; ++b) {
      const __m256i pixels = _mm256_shuffle_epi8(
          BlendBlock(first, last, work + b * kBlock * kCellBytes, workStride, divisor, limit), toRgb);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(rgb + 24 * b), _mm256_castsi256_si128(pixels));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(rgb + 24 * b + 12), _mm256_extracti128_si256(pixels, 1));
    }
    std::memcpy(dest.scanLine(static_cast<int>(j)), rgb, static_cast<size_t>(width) * 3);
  }
}

// Buffers beyond this many bytes are refused rather than allocated.
constexpr int64_t kMaxBufferBytes = int64_t{1} << 30;

}  // namespace

bool ResampleGrouped(const BlendPlan& across, const BlendPlan& down, const QImage& colours, QImage& dest) {
  if (!BlendKernelAvailable(BlendKernel::Vnni)) return false;
  const int sw = colours.width(), sh = colours.height(), nw = dest.width(), nh = dest.height();
  if (sw <= 0 || sh <= 0 || nw <= 0 || nh <= 0 || dest.format() != QImage::Format_RGB888) return false;
  const int paddedRows = RoundUpToBlock(sh);
  const size_t columnStride = GroupStride(sh), workStride = GroupStride(nw);
  const int64_t columnBytes = int64_t{(sw + 3) / 4} * static_cast<int64_t>(columnStride);
  const int64_t workBytes = int64_t{paddedRows / 4} * static_cast<int64_t>(workStride);
  const int64_t rgbBytes = int64_t{RoundUpToBlock(nw)} * 3 + 32;
  if (columnBytes + workBytes + rgbBytes > kMaxBufferBytes) return false;
  const auto grouped = [](const BlendPlan& plan, int outputs) {
    return plan.Narrow && plan.Total.size() == static_cast<size_t>(outputs) &&
           plan.GroupBegin.size() == plan.Total.size() + 1 &&
           std::find(plan.Reciprocal.begin(), plan.Reciprocal.end(), 0u) == plan.Reciprocal.end();
  };
  if (!grouped(across, nw) || !grouped(down, nh)) return false;

  const std::unique_ptr<uint8_t[]> buffer(new uint8_t[static_cast<size_t>(columnBytes + workBytes + rgbBytes)]);
  uint8_t* columns = buffer.get();
  uint8_t* work = columns + columnBytes;
  uint8_t* rgb = work + workBytes;
  GroupColumns(colours, paddedRows, columns, columnStride);
  // Work cells past the last column are read with their block but never written by the pass.
  for (int m = 0; m < paddedRows / 4; ++m)
    for (int x = nw; x < RoundUpToBlock(nw); ++x) std::memset(work + m * workStride + CellOffset(x), 0, kCellBytes);
  BlendAcross(across, columns, columnStride, paddedRows, work, workStride);
  BlendDown(down, work, workStride, rgb, dest);
  return true;
}

#else

bool ResampleGrouped(const BlendPlan&, const BlendPlan&, const QImage&, QImage&) { return false; }

#endif
