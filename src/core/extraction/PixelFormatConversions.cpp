#include "extraction/PixelFormatConversions.h"

#include <array>

bool Convert8BitsTo32Bits(QImage& image) {
  if (image.format() != QImage::Format_Indexed8) return false;
  std::array<QRgb, 256> colours{};
  const QList<QRgb> table = image.colorTable();
  for (int i = 0; i < 256; ++i) {
    const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
    colours[i] = qRgba(qRed(c), qGreen(c), qBlue(c), i == 0 ? 0 : 255);
  }
  const int width = image.width(), height = image.height();
  QImage out(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    const uchar* src = image.constScanLine(y);
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < width; ++x) dst[x] = colours[src[x]];
  }
  image = std::move(out);
  return true;
}

bool Convert16BitsTo32Bits(QImage& image) {
  if (image.depth() != 16 || image.isNull()) return false;
  const int width = image.width(), height = image.height();
  QImage out(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    const auto* src = reinterpret_cast<const uint16_t*>(image.constScanLine(y));
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const unsigned w = src[x];
      dst[x] = qRgba(Widen5To8(w >> 10), Widen5To8(w >> 5), Widen5To8(w), (w & 0x8000u) ? 255 : 0);
    }
  }
  image = std::move(out);
  return true;
}
