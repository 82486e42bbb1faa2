#include "resampling/TileResampler.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "resampling/TapList.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Work buffers beyond this many bytes are refused rather than allocated: the callers ask for
// tiles of at most a few hundred pixels a side, so a larger request is a caller's mistake.
constexpr int64_t kMaxBufferBytes = int64_t{1} << 30;

// The tap lists of one axis, flattened so the passes walk plain arrays. Weights that do not fit
// in 16 bits (only possible with some other filter) send the whole axis down the scalar path.
struct AxisTaps {
  std::vector<int> Begin;  // taps of output i are Begin[i] .. Begin[i + 1] − 1
  std::vector<int> Index;
  std::vector<int> Weight;
  std::vector<int> Total;
  bool Narrow = true;
};

AxisTaps FlattenTaps(const std::vector<TapList>& lists) {
  AxisTaps axis;
  axis.Begin.reserve(lists.size() + 1);
  axis.Total.reserve(lists.size());
  axis.Begin.push_back(0);
  for (const TapList& list : lists) {
    int total = 0;
    for (const Tap& tap : list) {
      axis.Index.push_back(tap.Index);
      axis.Weight.push_back(tap.Weight);
      total += tap.Weight;
      if (tap.Weight < INT16_MIN || tap.Weight > INT16_MAX) axis.Narrow = false;
    }
    axis.Total.push_back(total);
    axis.Begin.push_back(static_cast<int>(axis.Index.size()));
  }
  return axis;
}

// values[e] × weight added to sums[e] for e < count: one tap applied to a whole line at once.
void AccumulateTap(int32_t* sums, const uint8_t* values, int count, int weight, bool narrow) {
  int e = 0;
#if defined(__SSE2__)
  if (narrow) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i w = _mm_set1_epi16(static_cast<int16_t>(weight));
    for (; e + 16 <= count; e += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(values + e));
      const __m128i halves[2] = {_mm_unpacklo_epi8(bytes, zero), _mm_unpackhi_epi8(bytes, zero)};
      for (int h = 0; h < 2; ++h) {
        const __m128i low = _mm_mullo_epi16(halves[h], w);
        const __m128i high = _mm_mulhi_epi16(halves[h], w);
        int32_t* out = sums + e + 8 * h;
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + 4));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_add_epi32(a, _mm_unpacklo_epi16(low, high)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4), _mm_add_epi32(b, _mm_unpackhi_epi16(low, high)));
      }
    }
  }
#else
  (void)narrow;
#endif
  for (; e < count; ++e) sums[e] += weight * values[e];
}

// The blend's last step: the sum divided by the total (truncating), or, for a zero total, the
// sum shifted right by 8 as an unsigned number; then clamped to a byte.
inline uint8_t FinishBlend(int32_t sum, int32_t total) {
  int32_t value;
  if (total != 0) {
    value = sum / total;
  } else {
    value = static_cast<int32_t>(static_cast<uint32_t>(sum) >> 8);
  }
  return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

// Blends every line of `lines` (each `lineLength` bytes, line n at lines + n·lineLength) into
// output line i by the taps of i, and hands the finished bytes of line i to `store`.
template <typename Store>
void BlendLines(const AxisTaps& axis, const uint8_t* lines, int lineLength, std::vector<int32_t>& sums, Store store) {
  const int outputs = static_cast<int>(axis.Total.size());
  for (int i = 0; i < outputs; ++i) {
    std::fill(sums.begin(), sums.end(), 0);
    for (int t = axis.Begin[i]; t < axis.Begin[i + 1]; ++t)
      AccumulateTap(sums.data(), lines + static_cast<size_t>(axis.Index[t]) * lineLength, lineLength, axis.Weight[t],
                    axis.Narrow);
    store(i, sums.data(), axis.Total[i]);
  }
}

}  // namespace

bool ResampleTwoPass(FilterFunction filter, float radius, const QImage& source, QImage& dest) {
  const int sw = source.width(), sh = source.height(), nw = dest.width(), nh = dest.height();
  if (sw <= 0 || sh <= 0 || nw <= 0 || nh <= 0) return true;
  if (int64_t{nw} * sh * 3 > kMaxBufferBytes || int64_t{sw} * sh * 3 > kMaxBufferBytes) return false;
  if (dest.format() != QImage::Format_RGB888) {
    dest = QImage(nw, nh, QImage::Format_RGB888);
    if (dest.isNull()) return false;
  }
  const QImage colours = (source.format() == QImage::Format_ARGB32 || source.format() == QImage::Format_RGB32)
                             ? source
                             : source.convertToFormat(QImage::Format_ARGB32);

  // The source is read column by column (R, G, B of rows 0 .. sh − 1 in a row), so that the
  // horizontal pass, like the vertical one, adds whole lines at a time.
  std::vector<uint8_t> columns(static_cast<size_t>(sw) * sh * 3);
  for (int k = 0; k < sh; ++k) {
    const auto* row = reinterpret_cast<const QRgb*>(colours.constScanLine(k));
    uint8_t* cell = columns.data() + static_cast<size_t>(k) * 3;
    for (int n = 0; n < sw; ++n, cell += static_cast<size_t>(sh) * 3) {
      cell[0] = static_cast<uint8_t>(qRed(row[n]));
      cell[1] = static_cast<uint8_t>(qGreen(row[n]));
      cell[2] = static_cast<uint8_t>(qBlue(row[n]));
    }
  }

  // Work picture nw × sh, row by row, R G B.
  std::vector<uint8_t> work(static_cast<size_t>(nw) * sh * 3);
  std::vector<int32_t> sums(static_cast<size_t>(sh) * 3);

  const AxisTaps across = FlattenTaps(BuildTapLists(sw, nw, AxisScale(sw, nw), filter, radius));
  BlendLines(across, columns.data(), sh * 3, sums, [&](int i, const int32_t* lineSums, int32_t total) {
    uint8_t* cell = work.data() + static_cast<size_t>(i) * 3;
    for (int k = 0; k < sh; ++k, cell += static_cast<size_t>(nw) * 3, lineSums += 3) {
      cell[0] = FinishBlend(lineSums[0], total);
      cell[1] = FinishBlend(lineSums[1], total);
      cell[2] = FinishBlend(lineSums[2], total);
    }
  });

  const AxisTaps down = FlattenTaps(BuildTapLists(sh, nh, AxisScale(sh, nh), filter, radius));
  sums.resize(static_cast<size_t>(nw) * 3);
  BlendLines(down, work.data(), nw * 3, sums, [&](int j, const int32_t* lineSums, int32_t total) {
    uint8_t* out = dest.scanLine(j);
    for (int e = 0; e < nw * 3; ++e) out[e] = FinishBlend(lineSums[e], total);
  });
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
