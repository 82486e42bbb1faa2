#include "core/imagefiles/LevelEditorRawWriter.h"

#include "core/imagedecoding/LevelEditorRaw.h"
#include "core/imagefiles/AtomicWrite.h"

#include <algorithm>
#include <cstring>

namespace mosaicor {

namespace {

Result<QImage> As256Square(const QImage& picture, const char* kind, QImage::Format format) {
  if (picture.isNull()) return NoPictureToSave();
  if (picture.width() != kLevelEditorRawSide || picture.height() != kLevelEditorRawSide)
    return Failure<>{QStringLiteral("A %1 file holds a picture of 256 x 256 pixels; this one is %2 x %3.")
                         .arg(QLatin1String(kind))
                         .arg(picture.width())
                         .arg(picture.height())};
  QImage converted = picture.format() == format ? picture : picture.convertToFormat(format);
  if (converted.isNull()) return Failure<>{QStringLiteral("not enough memory")};
  return converted;
}

QByteArray RowsOf(const QImage& picture, int bytesPerPixel) {
  const qsizetype rowBytes = qsizetype(kLevelEditorRawSide) * bytesPerPixel;
  QByteArray bytes(rowBytes * kLevelEditorRawSide, Qt::Uninitialized);
  for (int y = 0; y < kLevelEditorRawSide; ++y) std::memcpy(bytes.data() + rowBytes * y, picture.constScanLine(y), rowBytes);
  return bytes;
}

}  // namespace

Result<QByteArray> EncodeSkyRaw(const QImage& picture) {
  // RGB888 holds red, green, blue in that order, as the file does.
  const Result<QImage> sky = As256Square(picture, "sky (.RAW)", QImage::Format_RGB888);
  if (!sky) return sky.Status();
  return RowsOf(sky.Value(), 3);
}

Result<QByteArray> EncodeFontPc(const QImage& picture) {
  Result<QImage> font = As256Square(picture, "font (.PC)", QImage::Format_ARGB32);
  if (!font) return font.Status();
  QImage& argb = font.Value();
  bool noAlpha = true;
  for (int y = 0; y < argb.height() && noAlpha; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    noAlpha = std::all_of(row, row + argb.width(), [](QRgb p) { return qAlpha(p) == 0; });
  }
  if (noAlpha)
    for (int y = 0; y < argb.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(argb.scanLine(y));
      for (int x = 0; x < argb.width(); ++x) row[x] = (row[x] & 0xFFFFFFu) == 0xFF00FFu ? row[x] : row[x] | 0xFF000000u;
    }
  static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "ARGB32 words are blue, green, red, alpha in memory");
  return RowsOf(argb, 4);
}

Outcome<> SaveSkyRaw(const QImage& picture, const QString& fileName) {
  return WriteEncoded(EncodeSkyRaw(picture), fileName);
}

Outcome<> SaveFontPc(const QImage& picture, const QString& fileName) {
  return WriteEncoded(EncodeFontPc(picture), fileName);
}

}  // namespace mosaicor
