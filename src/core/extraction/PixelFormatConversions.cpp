#include "core/extraction/PixelFormatConversions.h"

namespace mosaicor {

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

}  // namespace mosaicor
