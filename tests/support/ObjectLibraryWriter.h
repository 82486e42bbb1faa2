#pragma once
// Writes classic object libraries (.wad) from a description a test fills in: the version, the
// object-texture records, the pages as red, green, blue rows, and patterned bytes standing for the
// meshes, animations and objects that follow, which a retexture must copy unchanged.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>

namespace mosaicor {

struct ObjectLibraryDescription {
  std::uint32_t version = 129;
  std::uint32_t textureRecords = 3;        // patterned 8-byte records
  QImage pages;                            // 256 wide, 256 rows a page; the alpha byte is not written
  std::optional<std::uint32_t> pageBytes;  // the byte count field, when it should lie
  int restBytes = 96;                      // patterned bytes after the pages
};

// Where the writer put the pages.
struct ObjectLibraryPlaces {
  qint64 pageData = -1;  // the first page byte
  qint64 pageBytes = 0;  // how many were written
};

QByteArray WriteObjectLibrary(const ObjectLibraryDescription& description, ObjectLibraryPlaces* places = nullptr);
bool WriteObjectLibraryFile(const QString& path, const ObjectLibraryDescription& description);

// Recognisable opaque pages: each 64 x 64 tile its own colour with a gradient, and a magenta block
// in the top-left corner of tile 5 of each page.
QImage MakeLibraryPages(int count);
// A library of `pages` such pages, version 129.
ObjectLibraryDescription MakeSampleObjectLibrary(int pages = 2);

}  // namespace mosaicor
