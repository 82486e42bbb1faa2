#include "core/resampling/TileResampler.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/graphics/AlphaKeying.h"
#include "core/resampling/TapList.h"

namespace mosaicor {

namespace {

// Pictures beyond this many bytes are refused rather than allocated: the callers ask for tiles
// of at most a few hundred pixels a side, so a larger request is a caller's mistake.
constexpr int64_t kMaxPictureBytes = int64_t{1} << 30;

// Rows of the source are transposed in strips of this many, so that the horizontal pass, too,
// blends whole contiguous lines; a strip of a wide source stays a few hundred kilobytes.
constexpr int kStripRows = 64;

// A weighted sum divided by the total of its weights, truncating toward zero, then clamped to a
// byte (the filter's negative lobes overshoot at hard edges). A zero total comes from filters
// whose weights cancel, or from reductions so strong (several hundred times) that every weight
// rounds to 0; the sum is then taken as unsigned and scaled down by 256.
uint8_t Normalise(int32_t sum, int32_t total) {
  const int32_t value = total != 0 ? sum / total : static_cast<int32_t>(static_cast<uint32_t>(sum) >> 8);
  return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

// Blends whole lines of bytes by one tap list: sums[k] = Σ weight × line(index)[k] for every k,
// where line n starts at lines + n × stride. Returns the total of the weights. Every output byte
// of a pass shares its tap list with a whole line of others, so the inner loop runs along
// contiguous memory, which the compiler vectorises.
int32_t SumLines(const TapList& taps, const uint8_t* lines, size_t stride, std::vector<int32_t>& sums) {
  std::fill(sums.begin(), sums.end(), 0);
  int32_t total = 0;
  int32_t* sum = sums.data();
  const size_t length = sums.size();
  for (const Tap& tap : taps) {
    total += tap.Weight;
    const int32_t weight = tap.Weight;
    const uint8_t* line = lines + static_cast<size_t>(tap.Index) * stride;
    for (size_t k = 0; k < length; ++k) sum[k] += weight * line[k];
  }
  return total;
}

}  // namespace

bool ResampleTwoPass(FilterFunction filter, float radius, const QImage& source, QImage& dest) {
  const int sw = source.width(), sh = source.height(), nw = dest.width(), nh = dest.height();
  if (sw <= 0 || sh <= 0 || nw <= 0 || nh <= 0) return true;
  if (int64_t{nw} * sh * 3 > kMaxPictureBytes) return false;
  if (dest.format() != QImage::Format_RGB888) {
    QImage rgb(nw, nh, QImage::Format_RGB888);
    if (rgb.isNull()) return false;
    dest = rgb;
  }
  // Read as 32-bit colours, whose alpha byte is then ignored (a premultiplied picture is
  // unpremultiplied first, so its colours count as they look).
  const QImage colours = (source.format() == QImage::Format_ARGB32 || source.format() == QImage::Format_RGB32)
                             ? source
                             : source.convertToFormat(QImage::Format_ARGB32);

  // Horizontal pass into the work picture, nw × sh pixels R, G, B. Each strip of source rows is
  // transposed first: line x holds column x of the strip as R, G, B triples.
  std::vector<uint8_t> work(static_cast<size_t>(nw) * sh * 3);
  const std::vector<TapList> across = BuildTapLists(sw, nw, AxisScale(sw, nw), filter, radius);
  std::vector<uint8_t> strip(static_cast<size_t>(sw) * std::min(sh, kStripRows) * 3);
  std::vector<int32_t> sums;
  for (int top = 0; top < sh; top += kStripRows) {
    const int rows = std::min(kStripRows, sh - top);
    const size_t stride = static_cast<size_t>(rows) * 3;
    for (int r = 0; r < rows; ++r) {
      const QRgb* pixels = reinterpret_cast<const QRgb*>(colours.constScanLine(top + r));
      for (int x = 0; x < sw; ++x) {
        uint8_t* triple = &strip[x * stride + static_cast<size_t>(r) * 3];
        triple[0] = static_cast<uint8_t>(qRed(pixels[x]));
        triple[1] = static_cast<uint8_t>(qGreen(pixels[x]));
        triple[2] = static_cast<uint8_t>(qBlue(pixels[x]));
      }
    }
    sums.resize(stride);
    for (int i = 0; i < nw; ++i) {
      const int32_t total = SumLines(across[i], strip.data(), stride, sums);
      for (int r = 0; r < rows; ++r) {
        uint8_t* rgb = &work[(static_cast<size_t>(top + r) * nw + i) * 3];
        for (int c = 0; c < 3; ++c) rgb[c] = Normalise(sums[static_cast<size_t>(r) * 3 + c], total);
      }
    }
  }

  // Vertical pass: the work picture's rows are whole lines already.
  const std::vector<TapList> down = BuildTapLists(sh, nh, AxisScale(sh, nh), filter, radius);
  const size_t rowBytes = static_cast<size_t>(nw) * 3;
  sums.resize(rowBytes);
  for (int j = 0; j < nh; ++j) {
    const int32_t total = SumLines(down[j], work.data(), rowBytes, sums);
    uint8_t* out = dest.scanLine(j);
    for (size_t k = 0; k < rowBytes; ++k) out[k] = Normalise(sums[k], total);
  }
  return true;
}

QImage ResizeTile(int newWidth, int newHeight, const QImage& source) {
  if (newWidth <= 0 || newHeight <= 0) return QImage();
  if (int64_t{newWidth} * newHeight * 3 > kMaxPictureBytes) return QImage();
  QImage dest(newWidth, newHeight, QImage::Format_RGB888);
  if (dest.isNull()) return QImage();
  if (source.isNull()) std::memset(dest.bits(), 0, static_cast<size_t>(dest.sizeInBytes()));  // nothing to resample
  if (!ResampleTwoPass(MitchellKernel, kMitchellRadius, source, dest)) return QImage();
  return dest;
}

QImage ResizeTileWithAlpha(int newWidth, int newHeight, const QImage& source) {
  const QImage argb = source.format() == QImage::Format_ARGB32 ? source : source.convertToFormat(QImage::Format_ARGB32);
  if (argb.isNull() && !source.isNull()) return QImage();
  const bool opaque = !HasTransparency(argb);
  // The premultiplied colours and the alpha as two pictures the colour resampler reads.
  QImage weighted(argb.size(), QImage::Format_RGB32), alpha(argb.size(), QImage::Format_RGB32);
  if (!argb.isNull() && (weighted.isNull() || alpha.isNull())) return QImage();
  for (int y = 0; y < argb.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    auto* w = reinterpret_cast<QRgb*>(weighted.scanLine(y));
    auto* a = reinterpret_cast<QRgb*>(alpha.scanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = in[x];
      const int cover = (p & 0xFFFFFFu) == (kOpaqueMagentaKey & 0xFFFFFFu) ? 0 : opaque ? 255 : qAlpha(p);
      const auto times = [cover](int c) { return (c * cover + 127) / 255; };
      w[x] = qRgb(times(qRed(p)), times(qGreen(p)), times(qBlue(p)));
      a[x] = qRgb(cover, cover, cover);
    }
  }
  const QImage colours = ResizeTile(newWidth, newHeight, weighted);
  const QImage covers = ResizeTile(newWidth, newHeight, alpha);
  if (colours.isNull() || covers.isNull()) return QImage();
  QImage out(newWidth, newHeight, QImage::Format_ARGB32);
  if (out.isNull()) return out;
  for (int y = 0; y < newHeight; ++y) {
    const uchar* c = colours.constScanLine(y);
    const uchar* a = covers.constScanLine(y);
    auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < newWidth; ++x, c += 3, a += 3) {
      const int cover = a[0];
      // The filter's lobes may overshoot the alpha; a colour is never brighter than white.
      const auto unweighted = [cover](int v) { return cover == 0 ? 0 : std::min(255, (v * 255 + cover / 2) / cover); };
      o[x] = qRgba(unweighted(c[0]), unweighted(c[1]), unweighted(c[2]), cover);
    }
  }
  return out;
}

}  // namespace mosaicor
