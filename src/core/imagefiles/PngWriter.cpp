#include "core/imagefiles/PngWriter.h"

#include "core/imagefiles/AtomicWrite.h"
#include "core/imagefiles/PictureConversion.h"

#include <QBuffer>
#include <QImageWriter>

namespace mosaicor {

Result<QByteArray> EncodePng(const QImage& picture) {
  if (picture.isNull()) return NoPictureToSave();
  // RGB888 is the one layout Qt writes as PNG colour type 2, 8 bits a sample: 24 bits, no alpha.
  const QImage rgb = ConvertTo24Bits(picture).convertToFormat(QImage::Format_RGB888);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (rgb.isNull() || !writer.write(rgb))
    return Failure<>{QStringLiteral("Cannot write the PNG picture: %1").arg(writer.errorString())};
  return bytes;
}

Outcome<> SavePngFile(const QImage& picture, const QString& fileName) {
  return WriteEncoded(EncodePng(picture), fileName);
}

}  // namespace mosaicor
