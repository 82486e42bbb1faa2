#include "resampling/TileResampler.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>

#include "resampling/GroupedBlend.h"
#include "resampling/LineBlend.h"
#include "resampling/TapList.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Buffers beyond this many bytes are refused rather than allocated: the callers ask for tiles
// of at most a few hundred pixels a side, so a larger request is a caller's mistake.
constexpr int64_t kMaxBufferBytes = int64_t{1} << 30;

// A buffer of lines of pixels. Only the padding at the end of each line is cleared up front:
// the passes write every pixel inside the lines before anything reads it.
class Lines {
 public:
  Lines(int count, int used, int stride) : stride_(stride), pixels_(new uint32_t[static_cast<size_t>(count) * stride]) {
    for (int n = 0; n < count; ++n) std::fill(Line(n) + used, Line(n) + stride, 0u);
  }
  uint32_t* Line(int n) { return pixels_.get() + static_cast<size_t>(n) * stride_; }
  const uint8_t* Bytes() const { return reinterpret_cast<const uint8_t*>(pixels_.get()); }

 private:
  int stride_;
  std::unique_ptr<uint32_t[]> pixels_;
};

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

// The picture's columns as lines (stride at least the height rounded up to 4), so that the
// horizontal pass adds whole columns the way the vertical pass adds rows.
Lines Columns(const QImage& colours, int stride) {
  const int width = colours.width(), height = colours.height();
  Lines columns(width, (height + 3) / 4 * 4, stride);
  const int wholeWidth = width / 4 * 4;
  for (int top = 0; top < height; top += 4) {
    const uint32_t* rows[4];
    for (int r = 0; r < 4; ++r)
      rows[r] = reinterpret_cast<const uint32_t*>(colours.constScanLine(std::min(top + r, height - 1)));
    for (int n = 0; n < wholeWidth; n += 4) TransposeBlock(rows, n, columns.Line(n) + top, stride);
    for (int n = wholeWidth; n < width; ++n)
      for (int r = 0; r < 4; ++r) columns.Line(n)[top + r] = rows[r][n];
  }
  return columns;
}

// A blended line of 32-bit pixels as a row of the 24-bit output (bytes R, G, B).
void StoreRgb888(const uint32_t* pixels, int count, uint8_t* out) {
  int x = 0;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
  // 0xAARRGGBB byte-swapped and shifted is R, G, B, 0 in memory; each store's fourth byte is
  // overwritten by the next pixel.
  for (; x + 1 < count; ++x) {
    const uint32_t rgb = __builtin_bswap32(pixels[x]) >> 8;
    std::memcpy(out + 3 * x, &rgb, 4);
  }
#endif
  for (; x < count; ++x) {
    out[3 * x] = static_cast<uint8_t>(qRed(pixels[x]));
    out[3 * x + 1] = static_cast<uint8_t>(qGreen(pixels[x]));
    out[3 * x + 2] = static_cast<uint8_t>(qBlue(pixels[x]));
  }
}

// Both passes over lines of whole 32-bit pixels: the source's columns as lines for the
// horizontal pass, the work picture's rows for the vertical one.
void ResampleByLines(BlendPlan across, BlendPlan down, const QImage& colours, QImage& dest) {
  const int sh = colours.height(), nw = dest.width(), nh = dest.height();
  const int columnStride = LineStride(sh), workStride = LineStride(nw);
  const Lines columns = Columns(colours, columnStride);

  // Horizontal pass into the work picture (nw × sh, row by row), four output columns at a time
  // so that they go into the work picture as 4 × 4 blocks.
  constexpr int kBlock = 4;
  const int workRows = (sh + kBlock - 1) / kBlock * kBlock;
  Lines blocks(kBlock, PaddedPixels(sh), columnStride);
  Lines work(workRows, (nw + kBlock - 1) / kBlock * kBlock, workStride);
  ChangeLineStride(across, static_cast<size_t>(columnStride) * 4);
  for (int left = 0; left < nw; left += kBlock) {
    const uint32_t* lines[kBlock];
    for (int b = 0; b < kBlock; ++b) {
      uint32_t* line = blocks.Line(b);
      if (left + b < nw) {
        BlendLine(across, left + b, columns.Bytes(), sh, reinterpret_cast<uint8_t*>(line));
      } else {
        std::fill(line, line + workRows, 0u);  // the block's columns beyond the picture
      }
      lines[b] = line;
    }
    for (int k = 0; k < sh; k += kBlock) TransposeBlock(lines, k, work.Line(k) + left, workStride);
  }

  // Vertical pass from the work picture's rows into the output.
  ChangeLineStride(down, static_cast<size_t>(workStride) * 4);
  Lines line(1, PaddedPixels(nw), workStride);
  for (int j = 0; j < nh; ++j) {
    BlendLine(down, j, work.Bytes(), nw, reinterpret_cast<uint8_t*>(line.Line(0)));
    StoreRgb888(line.Line(0), nw, dest.scanLine(j));
  }
}

}  // namespace

bool ResampleTwoPass(FilterFunction filter, float radius, const QImage& source, QImage& dest) {
  return ResampleTwoPassUsing(FastestBlendKernel(), filter, radius, source, dest);
}

bool ResampleTwoPassUsing(BlendKernel kernel, FilterFunction filter, float radius, const QImage& source, QImage& dest) {
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
  // The plans are laid out for lines of one byte; each route sets its own line stride. Square
  // tiles, the usual case, have the same taps on both axes.
  const bool sameAxes = sh == sw && nh == nw;
  if ((kernel == BlendKernel::Vnni || kernel == BlendKernel::Avx2Groups) && BlendKernelAvailable(kernel)) {
    const BlendForm form = kernel == BlendKernel::Vnni ? BlendForm::Groups : BlendForm::PairSumGroups;
    const BlendPlan across = MakeBlendPlan(sw, nw, filter, radius, 1, form);
    const BlendPlan down = sameAxes ? BlendPlan{} : MakeBlendPlan(sh, nh, filter, radius, 1, form);
    if (ResampleGrouped(kernel, across, sameAxes ? across : down, colours, dest)) return true;
  }
  BlendPlan across = MakeBlendPlan(sw, nw, filter, radius, 1);
  BlendPlan down = sameAxes ? across : MakeBlendPlan(sh, nh, filter, radius, 1);
  for (BlendPlan* plan : {&across, &down})
    if (BlendKernelAvailable(kernel)) plan->Kernel = kernel;
  ResampleByLines(std::move(across), std::move(down), colours, dest);
  return true;
}

QImage ResizeTile(int newWidth, int newHeight, const QImage& source) {
  if (newWidth <= 0 || newHeight <= 0) return QImage();
  if (int64_t{newWidth} * newHeight * 3 > kMaxBufferBytes) return QImage();
  QImage dest(newWidth, newHeight, QImage::Format_RGB888);
  if (dest.isNull()) return QImage();
  if (source.isNull()) std::memset(dest.bits(), 0, static_cast<size_t>(dest.sizeInBytes()));  // nothing to resample
  if (!ResampleTwoPass(MitchellKernel, kMitchellRadius, source, dest)) return QImage();
  return dest;
}
