#include "core/imagedecoding/LevelEditorRaw.h"

#include "core/imagedecoding/PictureLimits.h"

#include <cstring>

namespace mosaicor {

namespace {

// Nothing in the file says what it is: a size other than the one expected is no picture of the kind.
Outcome<> ExactSize(qint64 fileSize, qint64 expected, const char* kind, int bits) {
  if (fileSize == expected) return {};
  return NoPictureDescribed(QStringLiteral("a %1 is %2 x %2 pixels of %3 bits, %4 bytes; this file has %5 bytes")
                                .arg(QLatin1String(kind))
                                .arg(kLevelEditorRawSide)
                                .arg(bits)
                                .arg(expected)
                                .arg(fileSize));
}

constexpr const char* kSky = "sky (.RAW)";
constexpr const char* kFont = "font (.PC)";

Result<DecodedPicture> ReadRows(ByteSource& source, qint64 expected, const char* kind, int bits,
                                QImage::Format format, PixelFormatCode code) {
  if (Outcome<> size = ExactSize(source.Remaining(), expected, kind, bits); !size) return size;
  QImage image(kLevelEditorRawSide, kLevelEditorRawSide, format);
  if (image.isNull()) return Failure<>{QStringLiteral("not enough memory for a 256 x 256 picture")};
  // Both formats are laid out in memory as QImage lays out these (on a little-endian machine for
  // the 32-bit one, as a level's pages are read).
  const qsizetype rowBytes = qsizetype(kLevelEditorRawSide) * (bits / 8);
  for (int y = 0; y < kLevelEditorRawSide; ++y) std::memcpy(image.scanLine(y), source.Take(rowBytes), rowBytes);
  return DecodedPicture{std::move(image), code};
}

}  // namespace

Result<DecodedPicture> ReadSkyRaw(ByteSource& source) {
  return ReadRows(source, kSkyRawBytes, kSky, 24, QImage::Format_RGB888, PixelFormatCode::TwentyFourBits);
}

Result<DecodedPicture> ReadFontPc(ByteSource& source) {
  static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the font's bytes are taken as ARGB32 words");
  return ReadRows(source, kFontPcBytes, kFont, 32, QImage::Format_ARGB32, PixelFormatCode::ThirtyTwoBits);
}

Result<qint64> SkyRawBytesToRead(ByteSource&, qint64 fileSize) {
  if (Outcome<> size = ExactSize(fileSize, kSkyRawBytes, kSky, 24); !size) return size;
  return fileSize;
}

Result<qint64> FontPcBytesToRead(ByteSource&, qint64 fileSize) {
  if (Outcome<> size = ExactSize(fileSize, kFontPcBytes, kFont, 32); !size) return size;
  return fileSize;
}

}  // namespace mosaicor
