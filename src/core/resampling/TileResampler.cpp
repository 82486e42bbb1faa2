#include "resampling/TileResampler.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "resampling/LineBlend.h"
#include "resampling/TapList.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Buffers beyond this many bytes are refused rather than allocated: the callers ask for tiles
// of at most a few hundred pixels a side, so a larger request is a caller's mistake.
constexpr int64_t kMaxBufferBytes = int64_t{1} << 30;

const uint8_t* Bytes(const std::vector<uint32_t>& pixels) { return reinterpret_cast<const uint8_t*>(pixels.data()); }
uint8_t* Bytes(std::vector<uint32_t>& pixels) { return reinterpret_cast<uint8_t*>(pixels.data()); }

// Copies a 4 × 4 block of pixels, rows becoming columns.
inline void TransposeBlock(const uint32_t* const rows[4], size_t column, uint32_t* out, size_t outStride) {
#if defined(__SSE2__)
  const __m128i r0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[0] + column));
  const __m128i r1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[1] + column));
  const __m128i r2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[2] + column));
  const __m128i r3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[3] + column));
  const __m128i t0 = _mm_unpacklo_epi32(r0, r1), t1 = _mm_unpacklo_epi32(r2, r3);
  const __m128i t2 = _mm_unpackhi_epi32(r0, r1), t3 = _mm_unpackhi_epi32(r2, r3);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi64(t0, t1));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out + outStride), _mm_unpackhi_epi64(t0, t1));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * outStride), _mm_unpacklo_epi64(t2, t3));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 3 * outStride), _mm_unpackhi_epi64(t2, t3));
#else
  for (int c = 0; c < 4; ++c)
    for (int r = 0; r < 4; ++r) out[c * outStride + r] = rows[r][column + c];
#endif
}

// The picture's columns as lines of `stride` pixels (stride a multiple of 4, at least the
// height), so that the horizontal pass adds whole columns the way the vertical pass adds rows.
std::vector<uint32_t> Columns(const QImage& colours, int stride) {
  const int width = colours.width(), height = colours.height();
  std::vector<uint32_t> columns(static_cast<size_t>(width) * stride);
  const int wholeWidth = width / 4 * 4;
  for (int top = 0; top < height; top += 4) {
    const uint32_t* rows[4];
    for (int r = 0; r < 4; ++r)
      rows[r] = reinterpret_cast<const uint32_t*>(colours.constScanLine(std::min(top + r, height - 1)));
    for (int n = 0; n < wholeWidth; n += 4)
      TransposeBlock(rows, n, columns.data() + static_cast<size_t>(n) * stride + top, stride);
    for (int n = wholeWidth; n < width; ++n)
      for (int r = 0; r < 4; ++r) columns[static_cast<size_t>(n) * stride + top + r] = rows[r][n];
  }
  return columns;
}

}  // namespace

bool ResampleTwoPass(FilterFunction filter, float radius, const QImage& source, QImage& dest) {
  const int sw = source.width(), sh = source.height(), nw = dest.width(), nh = dest.height();
  if (sw <= 0 || sh <= 0 || nw <= 0 || nh <= 0) return true;
  const int columnStride = LineStride(sh), workStride = LineStride(nw);
  if (int64_t{sw} * columnStride * 4 > kMaxBufferBytes || int64_t{columnStride} * workStride * 4 > kMaxBufferBytes)
    return false;
  if (dest.format() != QImage::Format_RGB888) {
    dest = QImage(nw, nh, QImage::Format_RGB888);
    if (dest.isNull()) return false;
  }
  // Blending runs on 32-bit pixels; the alpha byte rides along and is dropped at the end.
  const QImage colours = (source.format() == QImage::Format_ARGB32 || source.format() == QImage::Format_RGB32)
                             ? source
                             : source.convertToFormat(QImage::Format_ARGB32);
  const std::vector<uint32_t> columns = Columns(colours, columnStride);

  // Horizontal pass into the work picture (nw × sh, row by row), four output columns at a time
  // so that they go into the work picture as 4 × 4 blocks.
  constexpr int kBlock = 4;
  std::vector<uint32_t> blocks(static_cast<size_t>(kBlock) * columnStride);
  std::vector<uint32_t> work(static_cast<size_t>(columnStride) * workStride);
  BlendPlan across = MakeBlendPlan(sw, nw, filter, radius, static_cast<size_t>(columnStride) * 4);
  for (int left = 0; left < nw; left += kBlock) {
    const uint32_t* lines[kBlock];
    for (int b = 0; b < kBlock; ++b) {
      uint32_t* line = blocks.data() + static_cast<size_t>(b) * columnStride;
      if (left + b < nw) BlendLine(across, left + b, Bytes(columns), sh, reinterpret_cast<uint8_t*>(line));
      lines[b] = line;
    }
    for (int k = 0; k < sh; k += kBlock)
      TransposeBlock(lines, k, work.data() + static_cast<size_t>(k) * workStride + left, workStride);
  }

  // Vertical pass from the work picture's rows into the output.
  // Square tiles, the usual case, have the same taps on both axes.
  BlendPlan down;
  if (sh == sw && nh == nw) {
    down = std::move(across);
    ChangeLineStride(down, static_cast<size_t>(workStride) * 4);
  } else {
    down = MakeBlendPlan(sh, nh, filter, radius, static_cast<size_t>(workStride) * 4);
  }
  std::vector<uint32_t> line(static_cast<size_t>(workStride));
  for (int j = 0; j < nh; ++j) {
    BlendLine(down, j, Bytes(work), nw, Bytes(line));
    uint8_t* out = dest.scanLine(j);
    for (int x = 0; x < nw; ++x, out += 3) {
      out[0] = static_cast<uint8_t>(qRed(line[x]));
      out[1] = static_cast<uint8_t>(qGreen(line[x]));
      out[2] = static_cast<uint8_t>(qBlue(line[x]));
    }
  }
  return true;
}

QImage ResizeTile(int newWidth, int newHeight, const QImage& source) {
  if (newWidth <= 0 || newHeight <= 0) return QImage();
  if (int64_t{newWidth} * newHeight * 3 > kMaxBufferBytes) return QImage();
  QImage dest(newWidth, newHeight, QImage::Format_RGB888);
  if (dest.isNull()) return QImage();
  dest.fill(Qt::black);
  if (!ResampleTwoPass(MitchellKernel, kMitchellRadius, source, dest)) return QImage();
  return dest;
}
