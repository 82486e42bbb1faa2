#include "imagefiles/TgaWriter.h"

#include "imagefiles/AtomicWrite.h"

#include <cstring>

namespace {

constexpr int kHeaderSize = 18;

bool FitsTga(const QImage& picture, QString& error) {
  if (picture.isNull()) {
    error = QStringLiteral("There is no picture to save.");
    return false;
  }
  if (picture.width() > 0xFFFF || picture.height() > 0xFFFF) {
    error = QStringLiteral("A picture of %1 x %2 pixels is too large for a TGA file (at most 65535 x 65535); "
                           "save it as BMP instead.")
                .arg(picture.width())
                .arg(picture.height());
    return false;
  }
  return true;
}

void PutHeader(char* header, int width, int height, int bitsPerPixel, int descriptor) {
  std::memset(header, 0, kHeaderSize);
  header[2] = 2;  // uncompressed true-colour
  header[12] = static_cast<char>(width & 0xFF);
  header[13] = static_cast<char>((width >> 8) & 0xFF);
  header[14] = static_cast<char>(height & 0xFF);
  header[15] = static_cast<char>((height >> 8) & 0xFF);
  header[16] = static_cast<char>(bitsPerPixel);
  header[17] = static_cast<char>(descriptor);
}

}  // namespace

QByteArray EncodeUncompTGA24bits(const QImage& picture, QString& error) {
  if (!FitsTga(picture, error)) return {};
  const bool fromArgb = picture.format() == QImage::Format_ARGB32 || picture.format() == QImage::Format_RGB32;
  const QImage source = fromArgb ? picture : picture.convertToFormat(QImage::Format_BGR888);
  const int width = source.width(), height = source.height();
  const qsizetype rowBytes = qsizetype(width) * 3;
  QByteArray bytes(kHeaderSize + rowBytes * height, Qt::Uninitialized);
  PutHeader(bytes.data(), width, height, 24, 0);
  uchar* out = reinterpret_cast<uchar*>(bytes.data()) + kHeaderSize;
  static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "ARGB32 rows are blue, green, red, alpha in memory");
  for (int y = height - 1; y >= 0; --y, out += rowBytes) {
    const uchar* row = source.constScanLine(y);
    if (!fromArgb) {
      std::memcpy(out, row, size_t(rowBytes));
      continue;
    }
    for (int x = 0; x < width; ++x) std::memcpy(out + 3 * x, row + 4 * x, 3);
  }
  return bytes;
}

bool SaveAsUncompTGA24bits(const QImage& picture, const QString& fileName, QString& error) {
  const QByteArray bytes = EncodeUncompTGA24bits(picture, error);
  return !bytes.isEmpty() && WriteFileAtomically(fileName, bytes, error);
}

bool SaveAsUncompTGA32bits(const QImage& picture, const QString& fileName, QString& error) {
  if (!FitsTga(picture, error)) return false;
  const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
  const qsizetype rowBytes = qsizetype(pixels.width()) * 4;
  QByteArray bytes(kHeaderSize + rowBytes * pixels.height(), Qt::Uninitialized);
  PutHeader(bytes.data(), pixels.width(), pixels.height(), 32, 0x28);
  for (int y = 0; y < pixels.height(); ++y)
    std::memcpy(bytes.data() + kHeaderSize + rowBytes * y, pixels.constScanLine(y), size_t(rowBytes));
  return WriteFileAtomically(fileName, bytes, error);
}
