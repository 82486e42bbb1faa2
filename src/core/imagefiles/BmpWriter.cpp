#include "core/imagefiles/BmpWriter.h"

#include "core/imagefiles/AtomicWrite.h"
#include "core/imagefiles/PictureConversion.h"

#include <cstring>

namespace mosaicor {

namespace {

void Put16(uchar* p, unsigned v) { p[0] = uchar(v), p[1] = uchar(v >> 8); }
void Put32(uchar* p, quint32 v) { p[0] = uchar(v), p[1] = uchar(v >> 8), p[2] = uchar(v >> 16), p[3] = uchar(v >> 24); }

}  // namespace

Result<QByteArray> EncodeBmp(const QImage& picture) {
  if (picture.isNull()) return NoPictureToSave();
  const bool is32 = picture.format() == QImage::Format_ARGB32 || picture.format() == QImage::Format_RGB32;
  const QImage source = is32 ? picture : ConvertTo24Bits(picture);
  const int bytesPerPixel = is32 ? 4 : 3;
  const qint64 stride = (qint64(source.width()) * bytesPerPixel + 3) & ~qint64(3);
  const qint64 imageBytes = stride * source.height();
  if (54 + imageBytes > 0xFFFFFFFFll) {
    return Failure<>{QStringLiteral("A picture of %1 x %2 pixels is too large for a BMP file.")
                         .arg(source.width())
                         .arg(source.height())};
  }
  QByteArray bytes(54 + imageBytes, '\0');
  auto* h = reinterpret_cast<uchar*>(bytes.data());
  h[0] = 'B', h[1] = 'M';
  Put32(h + 2, quint32(bytes.size()));
  Put32(h + 10, 54);
  Put32(h + 14, 40);
  Put32(h + 18, quint32(source.width()));
  Put32(h + 22, quint32(source.height()));
  Put16(h + 26, 1);
  Put16(h + 28, unsigned(bytesPerPixel * 8));
  Put32(h + 34, quint32(imageBytes));
  uchar* out = h + 54;
  const size_t rowBytes = size_t(source.width()) * bytesPerPixel;
  for (int y = source.height() - 1; y >= 0; --y, out += stride) std::memcpy(out, source.constScanLine(y), rowBytes);
  return bytes;
}

Outcome<> SaveBmpFile(const QImage& picture, const QString& fileName) {
  return WriteEncoded(EncodeBmp(picture), fileName);
}

}  // namespace mosaicor
