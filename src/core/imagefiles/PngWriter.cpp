#include "imagefiles/PngWriter.h"

#include "imagefiles/AtomicWrite.h"
#include "imagefiles/PictureConversion.h"

#include <QBuffer>
#include <QImageWriter>

QByteArray EncodePng(const QImage& picture, QString& error) {
  if (picture.isNull()) {
    error = QStringLiteral("There is no picture to save.");
    return {};
  }
  // RGB888 is the one layout Qt writes as PNG colour type 2, 8 bits a sample: 24 bits, no alpha.
  const QImage rgb = ConvertTo24Bits(picture).convertToFormat(QImage::Format_RGB888);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (rgb.isNull() || !writer.write(rgb)) {
    error = QStringLiteral("Cannot write the PNG picture: %1").arg(writer.errorString());
    return {};
  }
  return bytes;
}

bool SavePngFile(const QImage& picture, const QString& fileName, QString& error) {
  const QByteArray bytes = EncodePng(picture, error);
  return !bytes.isEmpty() && WriteFileAtomically(fileName, bytes, error);
}
