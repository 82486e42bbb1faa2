#include "ObjectLibraryWriter.h"

#include "TestFiles.h"

#include <QtEndian>

namespace mosaicor {

namespace {

void AppendU32(QByteArray& bytes, std::uint32_t value) {
  const std::uint32_t little = qToLittleEndian(value);
  bytes.append(reinterpret_cast<const char*>(&little), 4);
}

}  // namespace

QByteArray WriteObjectLibrary(const ObjectLibraryDescription& description, ObjectLibraryPlaces* places) {
  QByteArray bytes;
  AppendU32(bytes, description.version);
  AppendU32(bytes, description.textureRecords);
  // x, y, page (16 bits), flip x, width - 1, flip y, height - 1.
  for (std::uint32_t i = 0; i < description.textureRecords; ++i) {
    const char record[8] = {char(i * 16), char(i * 8), char(i % 2), 0, 0, char(63), 0, char(31)};
    bytes.append(record, 8);
  }
  QByteArray pixels;
  const QImage& pages = description.pages;
  for (int y = 0; y < pages.height(); ++y)
    for (int x = 0; x < pages.width(); ++x) {
      const QRgb pixel = pages.pixel(x, y);
      pixels.append(char(qRed(pixel))).append(char(qGreen(pixel))).append(char(qBlue(pixel)));
    }
  AppendU32(bytes, description.pageBytes.value_or(std::uint32_t(pixels.size())));
  if (places) *places = {bytes.size(), pixels.size()};
  bytes += pixels;
  for (int i = 0; i < description.restBytes; ++i) bytes.append(char(i * 7 + 3));
  return bytes;
}

bool WriteObjectLibraryFile(const QString& path, const ObjectLibraryDescription& description) {
  return WriteBytesToFile(path, WriteObjectLibrary(description));
}

QImage MakeLibraryPages(int count) {
  QImage pages(256, 256 * count, QImage::Format_ARGB32);
  for (int y = 0; y < pages.height(); ++y)
    for (int x = 0; x < 256; ++x) {
      const int tile = (y / 64) * 4 + x / 64;  // counted through all pages
      pages.setPixel(x, y, qRgb((tile * 37) & 255, (tile * 91 + x % 64) & 255, (tile * 53 + y % 64 * 2) & 255));
    }
  for (int page = 0; page < count; ++page)
    for (int y = 64; y < 72; ++y)
      for (int x = 64; x < 72; ++x) pages.setPixel(x, page * 256 + y, qRgb(255, 0, 255));
  return pages;
}

ObjectLibraryDescription MakeSampleObjectLibrary(int pages) {
  ObjectLibraryDescription description;
  description.pages = MakeLibraryPages(pages);
  return description;
}

}  // namespace mosaicor
