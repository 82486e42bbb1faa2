#include "extraction/LevelPages.h"

#include "extraction/PixelFormatConversions.h"
#include "level/Ttrlevel.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kPageSide = 256;
constexpr std::uint16_t kMasked15BitMagenta = 0xFC1F;
constexpr QRgb kOpaqueMagenta = 0xFFFF00FF;

int BytesPerPixel(int gameVersion) {
  switch (LevelPagePixelFormat(gameVersion)) {
    case PixelFormatCode::EightBits:
      return 1;
    case PixelFormatCode::FifteenBits:
      return 2;
    default:
      return 4;
  }
}

const QByteArray& PageData(const Ttrlevel& level) {
  switch (LevelPagePixelFormat(level.GameVersion)) {
    case PixelFormatCode::EightBits:
      return level.Textiles8;
    case PixelFormatCode::FifteenBits:
      return level.Textiles16;
    default:
      return level.Textiles32;
  }
}

// The page rows that both the level's data and the picture really hold.
int CopyableRows(const Ttrlevel& level, const QImage& pageImage) {
  const qint64 rowBytes = qint64(kPageSide) * BytesPerPixel(level.GameVersion);
  const qint64 dataRows = PageData(level).size() / rowBytes;
  return int(std::min<qint64>({dataRows, qint64(level.TextileCount) * kPageSide, pageImage.height()}));
}

void CopyRows(const Ttrlevel& level, QImage& pageImage, int rows) {
  const qint64 rowBytes = qint64(kPageSide) * BytesPerPixel(level.GameVersion);
  const char* source = PageData(level).constData();
  if (pageImage.bytesPerLine() == rowBytes) {
    std::memcpy(pageImage.bits(), source, size_t(rowBytes * rows));
  } else {
    for (int y = 0; y < rows; ++y) std::memcpy(pageImage.scanLine(y), source + y * rowBytes, size_t(rowBytes));
  }
  // Rows the data does not hold are never left as uninitialised memory.
  for (int y = rows; y < pageImage.height(); ++y) std::memset(pageImage.scanLine(y), 0, size_t(pageImage.bytesPerLine()));
}

}  // namespace

PixelFormatCode LevelPagePixelFormat(int gameVersion) {
  if (gameVersion <= 2) return PixelFormatCode::EightBits;
  if (gameVersion <= 5) return PixelFormatCode::FifteenBits;
  return PixelFormatCode::ThirtyTwoBits;
}

QList<QRgb> BuildLevelPalette(const std::array<std::uint8_t, 768>& palette8) {
  const auto widen = [](std::uint8_t v) { return std::min(int(v) * 4, 255); };
  QList<QRgb> palette(256);
  for (int i = 0; i < 256; ++i)
    palette[i] = qRgb(widen(palette8[i * 3]), widen(palette8[i * 3 + 1]), widen(palette8[i * 3 + 2]));
  return palette;
}

QImage MakePageImage(const Ttrlevel& level) {
  const int height = level.TextileCount * kPageSide;
  QImage image;
  switch (LevelPagePixelFormat(level.GameVersion)) {
    case PixelFormatCode::EightBits:
      image = QImage(kPageSide, height, QImage::Format_Indexed8);
      if (!image.isNull()) image.setColorTable(BuildLevelPalette(level.Palette8));
      break;
    case PixelFormatCode::FifteenBits:
      image = QImage(kPageSide, height, QImage::Format_RGB555);
      break;
    default:
      image = QImage(kPageSide, height, QImage::Format_ARGB32);
      break;
  }
  return image;
}

void CopyTextiles(const Ttrlevel& level, QImage& pageImage) {
  CopyRows(level, pageImage, CopyableRows(level, pageImage));
}

void CopyTextilesMasked(const Ttrlevel& level, QImage& pageImage) {
  const int rows = CopyableRows(level, pageImage);
  CopyRows(level, pageImage, rows);
  switch (LevelPagePixelFormat(level.GameVersion)) {
    case PixelFormatCode::EightBits:
      // The pixels keep index 0; the entry itself turns magenta (entry 255 keeps its colour).
      pageImage.setColor(0, qRgb(255, 0, 255));
      break;
    case PixelFormatCode::FifteenBits:
      for (int y = 0; y < rows; ++y) {
        auto* line = reinterpret_cast<std::uint16_t*>(pageImage.scanLine(y));
        for (int x = 0; x < kPageSide; ++x)
          if (!(line[x] & 0x8000u)) line[x] = kMasked15BitMagenta;
      }
      break;
    default:
      for (int y = 0; y < rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(pageImage.scanLine(y));
        for (int x = 0; x < kPageSide; ++x)
          if (qAlpha(line[x]) != 255) line[x] = kOpaqueMagenta;
      }
      break;
  }
}

QImage LevelPagesAs32Bits(const Ttrlevel& level, bool maskTransparency) {
  if (level.TextileCount <= 0) return {};
  QImage pageImage = MakePageImage(level);
  if (pageImage.isNull()) return {};
  if (maskTransparency) {
    CopyTextilesMasked(level, pageImage);
  } else {
    CopyTextiles(level, pageImage);
  }
  switch (LevelPagePixelFormat(level.GameVersion)) {
    case PixelFormatCode::EightBits:
      Convert8BitsTo32Bits(pageImage);
      break;
    case PixelFormatCode::FifteenBits:
      Convert16BitsTo32Bits(pageImage);
      break;
    default:
      break;
  }
  return pageImage;
}
