#include "core/level/ObjectLibrary.h"

#include "core/level/LevelPlace.h"
#include "core/level/MemoryFile.h"

#include <QFileInfo>

#include <cstring>

namespace mosaicor {

namespace {

constexpr int kPageSide = 256;
constexpr qint64 kRecordBytes = 8;

std::uint32_t U32At(const QByteArray& bytes, qint64 at) {
  const auto* p = reinterpret_cast<const uchar*>(bytes.constData()) + at;
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

Failure<LevelFailure> EndsEarly(const char* section, qint64 offset) {
  const QString where = LevelPlaceText(LevelPlace{section, -1, offset, false});
  return {QStringLiteral("object library ends early in %1").arg(where), LevelFailure::Damaged};
}

}  // namespace

const QStringList& ObjectLibraryExtensions() {
  static const QStringList extensions = {QStringLiteral("WAD")};
  return extensions;
}

bool HasObjectLibraryExtension(const QString& fileName) {
  return ObjectLibraryExtensions().contains(QFileInfo(fileName).suffix().toUpper());
}

LevelResult<ObjectLibraryLayout> ReadObjectLibraryLayout(const QByteArray& bytes) {
  const qint64 size = bytes.size();
  ObjectLibraryLayout layout;
  if (size < 4) return EndsEarly("version", 0);
  layout.Version = U32At(bytes, 0);
  if (layout.Version != 129 && layout.Version != 130)
    return Failure<LevelFailure>{
        QStringLiteral("unknown object library version %1 (versions 129 and 130 are read)").arg(layout.Version),
        LevelFailure::UnknownVersion};
  if (size < 8) return EndsEarly("texture record count", 4);
  layout.TextureRecords = U32At(bytes, 4);
  // 64-bit sums: a count near 2^32 cannot wrap past the check.
  const qint64 recordsEnd = 8 + qint64(layout.TextureRecords) * kRecordBytes;
  if (recordsEnd > size) return EndsEarly("texture records", 8);
  if (recordsEnd + 4 > size) return EndsEarly("texture page byte count", recordsEnd);
  layout.PageDataOffset = recordsEnd + 4;
  layout.PageDataBytes = U32At(bytes, recordsEnd);
  if (layout.PageDataOffset + layout.PageDataBytes > size) return EndsEarly("texture pages", layout.PageDataOffset);
  layout.PageCount = int(layout.PageDataBytes / kLibraryPageBytes);
  return layout;
}

LevelResult<ObjectLibrary> LoadObjectLibrary(const QString& fileName) {
  LevelResult<QByteArray> bytes = ReadWholeFile(fileName, kMaxLibraryFileBytes, "an object library", "object libraries");
  if (!bytes) return bytes.Status();
  ObjectLibrary library;
  library.Bytes = std::move(bytes).Value();
  LevelResult<ObjectLibraryLayout> layout = ReadObjectLibraryLayout(library.Bytes);
  if (!layout) return layout.Status();
  library.Layout = layout.Value();
  return library;
}

QImage ObjectLibraryPages(const ObjectLibrary& library) {
  const ObjectLibraryLayout& layout = library.Layout;
  if (layout.PageCount <= 0) return {};
  QImage pages(kPageSide, layout.PageCount * kPageSide, QImage::Format_ARGB32);
  if (pages.isNull()) return pages;
  const auto* source = reinterpret_cast<const uchar*>(library.Bytes.constData()) + layout.PageDataOffset;
  for (int y = 0; y < pages.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(pages.scanLine(y));
    for (int x = 0; x < kPageSide; ++x, source += 3) row[x] = qRgb(source[0], source[1], source[2]);
  }
  return pages;
}

Result<QByteArray> RetexturedObjectLibrary(const ObjectLibrary& library, const QImage& set) {
  const ObjectLibraryLayout& layout = library.Layout;
  if (layout.PageCount <= 0) return Failure<>{QStringLiteral("no texture pages")};
  const int height = layout.PageCount * kPageSide;
  if (set.width() != kPageSide || set.height() != height)
    return Failure<>{QStringLiteral("the texture set is %1 x %2 pixels, but the object library's pages are %3 x %4")
                         .arg(set.width())
                         .arg(set.height())
                         .arg(kPageSide)
                         .arg(height)};
  const QImage pixels = set.format() == QImage::Format_ARGB32 || set.format() == QImage::Format_RGB32
                            ? set
                            : set.convertToFormat(QImage::Format_RGB32);
  if (pixels.isNull()) return Failure<>{QStringLiteral("not enough memory")};
  QByteArray bytes = library.Bytes;
  bytes.detach();
  auto* target = reinterpret_cast<uchar*>(bytes.data()) + layout.PageDataOffset;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    for (int x = 0; x < kPageSide; ++x, target += 3) {
      target[0] = uchar(qRed(row[x]));
      target[1] = uchar(qGreen(row[x]));
      target[2] = uchar(qBlue(row[x]));
    }
  }
  return bytes;
}

}  // namespace mosaicor
