#include "resampling/TileResampler.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "resampling/TapList.h"

namespace {

// Pictures beyond this many bytes are refused rather than allocated: the callers ask for tiles
// of at most a few hundred pixels a side, so a larger request is a caller's mistake.
constexpr int64_t kMaxPictureBytes = int64_t{1} << 30;

// One source row (horizontal pass) or one work-picture column (vertical pass) as a plain
// integer array per channel, so that the blends read no picture format.
struct LineCache {
  explicit LineCache(int length) : R(length), G(length), B(length) {}
  void Set(int n, int r, int g, int b) {
    R[n] = r;
    G[n] = g;
    B[n] = b;
  }
  std::vector<int32_t> R, G, B;
};

// A weighted sum divided by the total of its weights, truncating toward zero, then clamped to a
// byte (the filter's negative lobes overshoot at hard edges). A zero total comes from filters
// whose weights cancel, or from reductions so strong (several hundred times) that every weight
// rounds to 0; the sum is then taken as unsigned and scaled down by 256.
uint8_t Normalise(int32_t sum, int32_t total) {
  const int32_t value = total != 0 ? sum / total : static_cast<int32_t>(static_cast<uint32_t>(sum) >> 8);
  return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

// Writes the blend of the cached line by `taps` to rgb[0 .. 2].
void Blend(const TapList& taps, const LineCache& line, uint8_t* rgb) {
  int32_t total = 0, r = 0, g = 0, b = 0;
  for (const Tap& tap : taps) {
    total += tap.Weight;
    r += tap.Weight * line.R[tap.Index];
    g += tap.Weight * line.G[tap.Index];
    b += tap.Weight * line.B[tap.Index];
  }
  rgb[0] = Normalise(r, total);
  rgb[1] = Normalise(g, total);
  rgb[2] = Normalise(b, total);
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

  // Horizontal pass: every source row into the work picture, nw × sh bytes R, G, B.
  std::vector<uint8_t> work(static_cast<size_t>(nw) * sh * 3);
  const std::vector<TapList> across = BuildTapLists(sw, nw, AxisScale(sw, nw), filter, radius);
  LineCache row(sw);
  for (int k = 0; k < sh; ++k) {
    const QRgb* pixels = reinterpret_cast<const QRgb*>(colours.constScanLine(k));
    for (int n = 0; n < sw; ++n) row.Set(n, qRed(pixels[n]), qGreen(pixels[n]), qBlue(pixels[n]));
    for (int i = 0; i < nw; ++i) Blend(across[i], row, &work[(static_cast<size_t>(k) * nw + i) * 3]);
  }

  // Vertical pass: every column of the work picture into the output.
  const std::vector<TapList> down = BuildTapLists(sh, nh, AxisScale(sh, nh), filter, radius);
  LineCache column(sh);
  for (int k = 0; k < nw; ++k) {
    for (int n = 0; n < sh; ++n) {
      const uint8_t* rgb = &work[(static_cast<size_t>(n) * nw + k) * 3];
      column.Set(n, rgb[0], rgb[1], rgb[2]);
    }
    for (int j = 0; j < nh; ++j) Blend(down[j], column, dest.scanLine(j) + k * 3);
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
