#pragma once
// What one pixel of the extracted pictures must be, worked out from the raw page bytes and the
// rules of each generation, one pixel at a time and independently of the extraction's code.

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdint>

namespace mosaicor {

struct RawPages {
  int gameVersion = 0;
  QByteArray pages8, pages16, pages32;
  QByteArray palette;  // 768 bytes, 6-bit components (or 8-bit ones from tools)
};

inline int Widened(unsigned v) { return int(((v & 31) << 3) | ((v & 31) >> 2)); }

// The pixel (x, y) of the 32-bit page picture.
inline QRgb ExpectedPagePixel(const RawPages& raw, bool mask, int x, int y) {
  const qint64 at = qint64(y) * 256 + x;
  if (raw.gameVersion <= 2) {
    const int index = std::uint8_t(raw.pages8[at]);
    if (mask && index == 0) return qRgba(255, 0, 255, 0);
    const auto c = [&](int k) { return std::min(255, 4 * std::uint8_t(raw.palette[index * 3 + k])); };
    return qRgba(c(0), c(1), c(2), index == 0 ? 0 : 255);
  }
  if (raw.gameVersion <= 5) {
    const unsigned w = std::uint8_t(raw.pages16[at * 2]) | std::uint8_t(raw.pages16[at * 2 + 1]) << 8;
    if (mask && !(w & 0x8000)) return qRgba(255, 0, 255, 255);
    return qRgba(Widened(w >> 10), Widened(w >> 5), Widened(w), (w & 0x8000) ? 255 : 0);
  }
  const auto b = [&](int k) { return int(std::uint8_t(raw.pages32[at * 4 + k])); };
  if (mask && b(3) != 255) return qRgba(255, 0, 255, 255);
  return qRgba(b(2), b(1), b(0), b(3));
}

// Counts the pixels of a 32-bit page picture that differ from the expectation (and reports the
// first through `first`).
inline qint64 PagePixelsDiffering(const QImage& picture, const RawPages& raw, bool mask, QPoint* first = nullptr) {
  qint64 differing = 0;
  for (int y = 0; y < picture.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x)
      if (line[x] != ExpectedPagePixel(raw, mask, x, y) && differing++ == 0 && first) *first = QPoint(x, y);
  }
  return differing;
}

// The pixel (dx, dy) of a 64 x 64 slot filled from the inclusive rectangle `source`.
inline QRgb ExpectedSlotPixel(const RawPages& raw, bool mask, const QRect& source, int dx, int dy) {
  return ExpectedPagePixel(raw, mask, source.left() + dx * source.width() / 64,
                           source.top() + dy * source.height() / 64);
}

}  // namespace mosaicor
