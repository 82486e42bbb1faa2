#include "core/graphics/AlphaKeying.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
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

// While the fringe is found and coloured, the keyed picture's alpha byte (255 everywhere once
// keyed) marks what each pixel is, and a fringe pixel's other bytes hold its own colour until it
// knows the shape pixel it takes its colour from; then they hold where that pixel is. No second
// picture-sized array is needed, and every mark is made opaque again at the end.
constexpr QRgb kAlphaBits = 0xFF000000u;
// Suspects are half transparent or near magenta; the fringe is the suspects that reach the key.
// Either knows a shape pixel in reach (the offset to it in the low bytes) or not yet (its own colour).
constexpr QRgb kSuspectMark = 0xFE000000u;
constexpr QRgb kFringeMark = 0xFD000000u;
constexpr QRgb kFringeSourceMark = 0xFC000000u;
constexpr QRgb kSuspectSourceMark = 0xFB000000u;

// A pixel's place, kept whole: dividing an index by the width costs more than the rest of a visit.
struct Place {
  int x, y;
};

QRgb Marked(QRgb pixel, QRgb mark) { return (pixel & ~kAlphaBits) | mark; }
QRgb Mark(QRgb pixel) { return pixel & kAlphaBits; }
bool InFringe(QRgb pixel) { return Mark(pixel) == kFringeMark || Mark(pixel) == kFringeSourceMark; }
bool HasSource(QRgb pixel) { return Mark(pixel) == kFringeSourceMark || Mark(pixel) == kSuspectSourceMark; }
// Fully opaque, not near magenta, not the key: a pixel of the shape itself.
bool Solid(QRgb pixel) { return pixel >= kAlphaBits && pixel != kOpaqueMagentaKey; }

// The fringe is found and given its colours in two sweeps over the suspects, down the picture and
// back up, as a distance transform works: each visit looks only at the four pixels beside, above
// and below. A large picture's fringe is spread over all of it, so every sweep is a walk through
// memory; two sweeps (and a last one that writes the colours) keep that walk short.
class FringeCleaner {
 public:
  explicit FringeCleaner(QImage& keyed)
      : pixels_(reinterpret_cast<QRgb*>(keyed.bits())), width_(keyed.width()), height_(keyed.height()) {}

  // Down the picture each suspect takes the nearest shape pixel it finds beside it or through the
  // neighbours above and left, and joins the fringe at the key or next to it. Run while the picture
  // is keyed, a row behind it, so the sweep finds its rows still in the cache.
  void SweepDown(const std::vector<Place>& suspects, int lastRow) {
    for (; sweptDown_ < suspects.size() && suspects[sweptDown_].y <= lastRow; ++sweptDown_) Visit(suspects[sweptDown_]);
  }

  // Back up, the same through the neighbours below and right; then the fringe takes its colours.
  // `own` holds each suspect's colour, opaque: the bytes of one that turns out not to be fringe
  // may have held an offset meanwhile.
  void Finish(const std::vector<Place>& suspects, const std::vector<QRgb>& own) {
    SweepDown(suspects, height_);
    for (auto p = suspects.rbegin(); p != suspects.rend(); ++p) Visit(*p);
    // A pinkish rim with no shape pixel in reach is no colour of the shape: it goes with the key.
    for (size_t k = 0; k < suspects.size(); ++k) {
      const Place p = suspects[k];
      const QRgb v = At(p);
      if (Mark(v) == kFringeSourceMark)
        At(p) = At(SourceOf(p, v));
      else
        At(p) = Mark(v) == kFringeMark && NearMagenta(own[k]) ? kOpaqueMagentaKey : own[k];
    }
  }

 private:
  // ARGB32 rows hold no padding.
  QRgb& At(Place p) const { return pixels_[qsizetype(p.y) * width_ + p.x]; }
  static Place SourceOf(Place p, QRgb v) { return {p.x + int(v & 0xFF) - 128, p.y + int((v >> 8) & 0xFF) - 128}; }

  void Visit(Place p) {
    QRgb& v = At(p);
    const Place around[4] = {{p.x, p.y - 1}, {p.x - 1, p.y}, {p.x + 1, p.y}, {p.x, p.y + 1}};
    bool join = InFringe(v);
    int best = HasSource(v) ? Distance(p, SourceOf(p, v)) : INT_MAX;
    Place from = HasSource(v) ? SourceOf(p, v) : Place{};
    for (const Place& n : around) {
      if (n.x < 0 || n.y < 0 || n.x >= width_ || n.y >= height_) continue;
      const QRgb w = At(n);
      join = join || w == kOpaqueMagentaKey || InFringe(w);
      // A candidate is a shape pixel beside this one, or the one a neighbour took.
      Place candidate = n;
      if (HasSource(w)) candidate = SourceOf(n, w);
      else if (!Solid(w)) continue;
      const int d = Distance(p, candidate);
      if (d < best && std::abs(candidate.x - p.x) <= kFringeReach && std::abs(candidate.y - p.y) <= kFringeReach)
        best = d, from = candidate;
    }
    if (best != INT_MAX)
      v = (join ? kFringeSourceMark : kSuspectSourceMark) | QRgb((from.y - p.y + 128) << 8) | QRgb(from.x - p.x + 128);
    else if (join)
      v = Marked(v, kFringeMark);
  }

  static int Distance(Place a, Place b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

  QRgb* pixels_;
  int width_, height_;
  size_t sweptDown_ = 0;
};

// The colours with alpha 255, whatever the alpha byte held.
QImage Opaque(const QImage& picture) {
  QImage opaque = picture.convertToFormat(QImage::Format_ARGB32);
  if (opaque.isNull()) return opaque;
  if (picture.hasAlphaChannel()) {
    // Qt's conversions keep an ARGB32 picture's colours as they are stored; only the alpha goes.
    for (int y = 0; y < opaque.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(opaque.scanLine(y));
      for (int x = 0; x < opaque.width(); ++x) row[x] |= kAlphaBits;
    }
  }
  opaque.reinterpretAsFormat(QImage::Format_RGB32);
  return opaque;
}

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

bool HoldsMagentaKey(const QImage& picture) {
  const QImage rgb = picture.format() == QImage::Format_ARGB32 || picture.format() == QImage::Format_RGB32
                         ? picture
                         : picture.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x)
      if ((row[x] & 0xFFFFFFu) == (kOpaqueMagentaKey & 0xFFFFFFu)) return true;
  }
  return false;
}

bool WorthKeying(const QImage& picture) { return HasTransparency(picture) || HoldsMagentaKey(picture); }

QImage KeyAlphaToMagenta(const QImage& picture, const AlphaKeying& keying) {
  // Without transparency the alpha byte says nothing (pictures loaded without alpha carry 0): the
  // picture is opaque, and only its magenta is the key.
  const QImage source = !HasTransparency(picture) ? Opaque(picture)
                        : picture.format() == QImage::Format_ARGB32 || picture.format() == QImage::Format_RGB32
                            ? picture
                            : picture.convertToFormat(QImage::Format_ARGB32);
  if (source.isNull()) return source;
  QImage keyed(source.size(), QImage::Format_ARGB32);
  if (keyed.isNull()) return keyed;
  const uint threshold = uint(std::clamp(keying.threshold, kMinAlphaThreshold, kMaxAlphaThreshold));
  const int width = source.width();
  std::vector<Place> suspects;
  std::vector<QRgb> own;
  if (keying.cleanFringe) {
    // Room for a rim on a quarter of the picture, set aside but not touched: growing the lists
    // step by step would copy them again and again.
    const size_t room = size_t(source.width()) * size_t(source.height()) / 4;
    suspects.reserve(room);
    own.reserve(room);
  }
  FringeCleaner cleaner(keyed);
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const uint a = qAlpha(in[x]);
      // Never blended with anything: a pixel is the key or its own colour made opaque.
      const QRgb colour = a < threshold ? kOpaqueMagentaKey : (in[x] | 0xFF000000u);
      out[x] = colour;
      if (keying.cleanFringe && colour != kOpaqueMagentaKey && (a < 255 || NearMagenta(colour))) {
        out[x] = Marked(colour, kSuspectMark);
        suspects.push_back({x, y});
        own.push_back(colour);
      }
    }
    cleaner.SweepDown(suspects, y - 1);
  }
  if (!suspects.empty()) cleaner.Finish(suspects, own);
  return keyed;
}

}  // namespace mosaicor
