#pragma once
// Classic object libraries (.wad, versions 129 and 130) as far as their texture pages go: the
// version, the object-texture records, the page data (256 x 256 pages of red, green, blue rows)
// and what follows them, which is kept as it is. The pages come out as level pages do, 256 wide
// and one below the other; a retextured library is the same file with only the page pixels new.

#include "core/level/LevelFailure.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace mosaicor {

// Bytes of one 256 x 256 page of 24-bit pixels.
inline constexpr qint64 kLibraryPageBytes = 256 * 256 * 3;
// Real libraries hold a few dozen pages; a larger file is refused before it is read.
inline constexpr qint64 kMaxLibraryFileBytes = 256LL * 1024 * 1024;

// Where the parts of a library lie in its file.
struct ObjectLibraryLayout {
  std::uint32_t Version = 0;         // 129 or 130
  std::uint32_t TextureRecords = 0;  // object-texture records of 8 bytes
  qint64 PageDataOffset = 0;         // the first byte of the first page
  qint64 PageDataBytes = 0;          // the byte count the file gives for its pages
  int PageCount = 0;                 // whole pages in those bytes; a partial rest is kept, not shown
};

struct ObjectLibrary {
  QByteArray Bytes;  // the whole file
  ObjectLibraryLayout Layout;
};

// The extensions of object libraries, upper case without the dot.
const QStringList& ObjectLibraryExtensions();
// True for those extensions, in any letter case.
bool HasObjectLibraryExtension(const QString& fileName);

// The layout of a library's bytes. Every count is checked against the bytes that follow it, so a
// damaged or cut file fails with where it ends (UnknownVersion for another version, Damaged for a
// file that ends early) before anything is allocated.
LevelResult<ObjectLibraryLayout> ReadObjectLibraryLayout(const QByteArray& bytes);

// Reads the file whole and its layout. Fails as FileMissing, Unreadable, BeyondLimits (larger than
// kMaxLibraryFileBytes) or as ReadObjectLibraryLayout does.
LevelResult<ObjectLibrary> LoadObjectLibrary(const QString& fileName);

// All pages one below the other as Format_ARGB32, every pixel opaque (magenta stays magenta). Null
// when the library has no pages or the picture does not fit in memory.
QImage ObjectLibraryPages(const ObjectLibrary& library);

// The library's file with the page pixels taken from `set`, every other byte as it was. `set` must
// be exactly as large as ObjectLibraryPages' picture; otherwise the failure names both sizes.
Result<QByteArray> RetexturedObjectLibrary(const ObjectLibrary& library, const QImage& set);

}  // namespace mosaicor
