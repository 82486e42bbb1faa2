#include "core/imagefiles/PictureConversion.h"

#include "core/extraction/PixelFormatConversions.h"
#include "core/graphics/AlphaKeying.h"

#include <cstring>

namespace mosaicor {

namespace {

bool IsPaletteFormat(PixelFormatCode format) {
  return format == PixelFormatCode::OneBit || format == PixelFormatCode::FourBits ||
         format == PixelFormatCode::EightBits;
}

void ClearAlpha(QImage& argb32) {
  const int width = argb32.width(), height = argb32.height();
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(argb32.scanLine(y));
    for (int x = 0; x < width; ++x) row[x] &= 0x00FFFFFFu;
  }
}

}  // namespace

QImage ConvertTo32Bits(QImage picture, PixelFormatCode sourceFormat) {
  if (picture.isNull()) return picture;
  if (sourceFormat == PixelFormatCode::FifteenBits || sourceFormat == PixelFormatCode::Custom) {
    if (Convert16BitsTo32Bits(picture)) return picture;
  }
  // Custom pictures already come widened to 32 bits with the alpha their masks gave them.
  if (sourceFormat == PixelFormatCode::ThirtyTwoBits || sourceFormat == PixelFormatCode::Custom)
    return picture.convertToFormat(QImage::Format_ARGB32);
  // A palette's transparent entry (a GIF's transparent colour, a PNG's tRNS) is the picture's
  // transparency: it stays, as a 32-bit picture's alpha does.
  if (IsPaletteFormat(sourceFormat) && HasTransparency(picture)) return picture.convertToFormat(QImage::Format_ARGB32);

  if (picture.format() == QImage::Format_BGR888) {
    // One pass instead of Qt's conversion followed by clearing the alpha.
    QImage out(picture.size(), QImage::Format_ARGB32);
    if (out.isNull()) return out;
    const int width = picture.width(), height = picture.height();
    for (int y = 0; y < height; ++y) {
      const uchar* src = picture.constScanLine(y);
      auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
      for (int x = 0; x < width; ++x, src += 3) dst[x] = qRgba(src[2], src[1], src[0], 0);
    }
    return out;
  }
  if (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32) {
    picture.reinterpretAsFormat(QImage::Format_ARGB32);  // same bytes; alpha is cleared below
  } else {
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull()) return picture;
  }
  ClearAlpha(picture);
  return picture;
}

QImage ConvertTo24Bits(const QImage& picture) {
  if (picture.format() == QImage::Format_BGR888 || picture.isNull()) return picture;
  if (picture.format() != QImage::Format_ARGB32 && picture.format() != QImage::Format_RGB32)
    return ConvertTo24Bits(picture.convertToFormat(QImage::Format_RGB32));
  QImage out(picture.size(), QImage::Format_BGR888);
  if (out.isNull()) return out;
  const int width = picture.width(), height = picture.height();
  for (int y = 0; y < height; ++y) {
    const uchar* src = picture.constScanLine(y);
    uchar* dst = out.scanLine(y);
    for (int x = 0; x < width; ++x, src += 4, dst += 3) std::memcpy(dst, src, 3);
  }
  return out;
}

}  // namespace mosaicor
