#include "imagefiles/TgaWriter.h"

#include <QSaveFile>
#include <array>

namespace {

std::array<char, 18> TgaHeader(int width, int height, int bitsPerPixel, int descriptor) {
  std::array<char, 18> header{};
  header[2] = 2;  // uncompressed true-colour
  header[12] = static_cast<char>(width & 0xFF);
  header[13] = static_cast<char>((width >> 8) & 0xFF);
  header[14] = static_cast<char>(height & 0xFF);
  header[15] = static_cast<char>((height >> 8) & 0xFF);
  header[16] = static_cast<char>(bitsPerPixel);
  header[17] = static_cast<char>(descriptor);
  return header;
}

}  // namespace

bool SaveAsUncompTGA32bits(const QImage& picture, const QString& fileName, QString& error) {
  if (picture.isNull() || picture.width() > 0xFFFF || picture.height() > 0xFFFF) {
    error = QStringLiteral("cannot write a %1 x %2 picture as TGA").arg(picture.width()).arg(picture.height());
    return false;
  }
  const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    error = file.errorString();
    return false;
  }
  const auto header = TgaHeader(pixels.width(), pixels.height(), 32, 0x28);
  file.write(header.data(), header.size());
  // ARGB32 rows are already blue, green, red, alpha in memory on little-endian machines.
  static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "TGA rows are written straight from ARGB32 memory");
  for (int y = 0; y < pixels.height(); ++y)
    file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), qint64(pixels.width()) * 4);
  if (!file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}
