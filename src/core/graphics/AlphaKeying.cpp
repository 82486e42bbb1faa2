#include "core/graphics/AlphaKeying.h"

#include <algorithm>
#include <vector>

namespace mosaicor {

namespace {

bool NearMagenta(QRgb p) {
  // Most colours fail the cheap test; only the rest pay for the distance.
  constexpr int far = 255 - kNearMagentaDistance;
  if (qRed(p) < far || qGreen(p) > kNearMagentaDistance || qBlue(p) < far) return false;
  const int dr = 255 - qRed(p), dg = qGreen(p), db = 255 - qBlue(p);
  return dr * dr + dg * dg + db * db <= kNearMagentaDistance * kNearMagentaDistance;
}

// Per pixel, while the fringe is found: suspect pixels (half transparent or near magenta) may
// belong to it; fringe pixels do.
enum : uchar { kPlain = 0, kSuspect = 1, kFringe = 2 };

class FringeCleaner {
 public:
  FringeCleaner(QImage& keyed, const std::vector<qsizetype>& suspects)
      : keyed_(keyed), width_(keyed.width()), height_(keyed.height()), state_(size_t(width_) * height_, kPlain) {
    for (qsizetype i : suspects) state_[size_t(i)] = kSuspect;
    for (qsizetype i : suspects)
      if (TouchesKey(i)) Join(i);
    // Grows through suspect pixels from those at the key, so a rim of several pixels goes whole.
    for (size_t next = 0; next < fringe_.size(); ++next) {
      const int x = int(fringe_[next] % width_), y = int(fringe_[next] / width_);
      ForNeighbours(x, y, [this](qsizetype n) {
        if (state_[size_t(n)] == kSuspect) Join(n);
      });
    }
  }

  void Clean() {
    for (qsizetype i : fringe_) {
      const int x = int(i % width_), y = int(i / width_);
      QRgb colour = 0;
      if (NearestSolid(x, y, colour)) Pixel(x, y) = colour;
    }
  }

 private:
  QRgb& Pixel(int x, int y) { return reinterpret_cast<QRgb*>(keyed_.scanLine(y))[x]; }
  bool Solid(int x, int y) { return state_[size_t(y) * width_ + x] == kPlain && Pixel(x, y) != kOpaqueMagentaKey; }

  template <typename Visit>
  void ForNeighbours(int x, int y, Visit visit) {
    for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, height_ - 1); ++ny)
      for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, width_ - 1); ++nx)
        if (nx != x || ny != y) visit(qsizetype(ny) * width_ + nx);
  }

  bool TouchesKey(qsizetype i) {
    bool touches = false;
    ForNeighbours(int(i % width_), int(i / width_), [&](qsizetype n) {
      touches = touches || Pixel(int(n % width_), int(n / width_)) == kOpaqueMagentaKey;
    });
    return touches;
  }

  void Join(qsizetype i) {
    state_[size_t(i)] = kFringe;
    fringe_.push_back(i);
  }

  // Rings of growing size around (x, y); once a pixel is found at distance d, rings beyond d
  // cannot hold a nearer one. Ties go to the first found.
  bool NearestSolid(int x, int y, QRgb& colour) {
    int best = kFringeReach * kFringeReach * 2 + 1;
    for (int r = 1; r <= kFringeReach && r * r < best; ++r) {
      for (int dy = -r; dy <= r; ++dy) {
        const int step = (dy == -r || dy == r) ? 1 : 2 * r;
        for (int dx = -r; dx <= r; dx += step) {
          const int nx = x + dx, ny = y + dy, d = dx * dx + dy * dy;
          if (nx < 0 || ny < 0 || nx >= width_ || ny >= height_ || d >= best || !Solid(nx, ny)) continue;
          best = d;
          colour = Pixel(nx, ny);
        }
      }
    }
    return best <= kFringeReach * kFringeReach * 2;
  }

  QImage& keyed_;
  int width_, height_;
  std::vector<uchar> state_;
  std::vector<qsizetype> fringe_;
};

}  // namespace

bool HasTransparency(const QImage& picture) {
  if (!picture.hasAlphaChannel()) return false;
  const QImage argb = picture.format() == QImage::Format_ARGB32 ? picture : picture.convertToFormat(QImage::Format_ARGB32);
  bool belowOpaque = false, aboveClear = false;
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      const uint a = qAlpha(row[x]);
      belowOpaque = belowOpaque || a < 255;
      aboveClear = aboveClear || a > 0;
    }
    if (belowOpaque && aboveClear) return true;
  }
  return false;
}

QImage KeyAlphaToMagenta(const QImage& picture, const AlphaKeying& keying) {
  const QImage source = (picture.format() == QImage::Format_ARGB32 || picture.format() == QImage::Format_RGB32)
                            ? picture
                            : picture.convertToFormat(QImage::Format_ARGB32);
  QImage keyed(source.size(), QImage::Format_ARGB32);
  if (keyed.isNull()) return keyed;
  const uint threshold = uint(std::clamp(keying.threshold, kMinAlphaThreshold, kMaxAlphaThreshold));
  const int width = source.width();
  std::vector<qsizetype> suspects;
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const uint a = qAlpha(in[x]);
      // Never blended with anything: a pixel is the key or its own colour made opaque.
      const QRgb colour = a < threshold ? kOpaqueMagentaKey : (in[x] | 0xFF000000u);
      out[x] = colour;
      if (keying.cleanFringe && colour != kOpaqueMagentaKey && (a < 255 || NearMagenta(colour)))
        suspects.push_back(qsizetype(y) * width + x);
    }
  }
  if (!suspects.empty()) FringeCleaner(keyed, suspects).Clean();
  return keyed;
}

}  // namespace mosaicor
