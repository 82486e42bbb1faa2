#include "core/extraction/LevelPages.h"

#include "core/graphics/KeyColours.h"
#include "core/level/LevelReader.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace mosaicor {

namespace {


int BytesPerPixel(GameVersion gameVersion) {
  switch (LevelPagePixelFormat(gameVersion)) {
    case PixelFormatCode::EightBits:
      return 1;
    case PixelFormatCode::FifteenBits:
      return 2;
    default:
      return 4;
  }
}

const QByteArray& PageData(const LevelReader& level) {
  switch (LevelPagePixelFormat(level.GameVersion)) {
    case PixelFormatCode::EightBits:
      return level.Textiles8;
    case PixelFormatCode::FifteenBits:
      return level.Textiles16;
    default:
      return level.Textiles32;
  }
}

// The row loops below are written so that the compiler can turn them into vector code (at -O2 it
// does so only for a fixed count).
void MaskRow32(const QRgb* __restrict source, QRgb* __restrict target) {
  for (int x = 0; x < kLevelPageSide; ++x) target[x] = (source[x] >> 24) == 255 ? source[x] : kOpaqueMagentaKey;
}

void MaskRow32InPlace(QRgb* row) {
  for (int x = 0; x < kLevelPageSide; ++x) row[x] = (row[x] >> 24) == 255 ? row[x] : kOpaqueMagentaKey;
}

// 5-bit components widened by bit replication; alpha from bit 15. Masked: a clear bit 15 gives
// the 15-bit magenta 0xFC1F, which widens to opaque (255, 0, 255).
void ConvertRow15(const std::uint16_t* __restrict source, QRgb* __restrict target, bool mask) {
  const std::uint32_t clearBitColour = mask ? kOpaqueMagentaKey : 0;
  const std::uint32_t clearBitMask = mask ? 0 : 0x00FFFFFF;
  for (int x = 0; x < kLevelPageSide; ++x) {
    const std::uint32_t w = source[x];
    const std::uint32_t r = (w >> 10) & 31, g = (w >> 5) & 31, b = w & 31;
    const std::uint32_t colour = ((r << 3 | r >> 2) << 16) | ((g << 3 | g >> 2) << 8) | (b << 3 | b >> 2);
    const std::uint32_t opaque = 0u - (w >> 15);  // all ones when bit 15 is set
    target[x] = (opaque & (0xFF000000u | colour)) | (~opaque & ((colour & clearBitMask) | clearBitColour));
  }
}

}  // namespace

PixelFormatCode LevelPagePixelFormat(GameVersion gameVersion) {
  if (IsTr1Generation(gameVersion)) return PixelFormatCode::EightBits;
  if (!HasCompressedChunks(gameVersion)) return PixelFormatCode::FifteenBits;
  return PixelFormatCode::ThirtyTwoBits;
}

QList<QRgb> BuildLevelPalette(const std::array<std::uint8_t, 768>& palette8) {
  const auto widen = [](std::uint8_t v) { return std::min(int(v) * 4, 255); };
  QList<QRgb> palette(256);
  for (int i = 0; i < 256; ++i)
    palette[i] = qRgb(widen(palette8[i * 3]), widen(palette8[i * 3 + 1]), widen(palette8[i * 3 + 2]));
  return palette;
}

PageRowConverter::PageRowConverter(const LevelReader& level, bool maskTransparency)
    : format_(LevelPagePixelFormat(level.GameVersion)),
      data_(reinterpret_cast<const uchar*>(PageData(level).constData())),
      mask_(maskTransparency) {
  rows_ = int(std::max(0, level.TextileCount) * qint64(kLevelPageSide));
  const qint64 rowBytes = qint64(kLevelPageSide) * BytesPerPixel(level.GameVersion);
  dataRows_ = int(std::min<qint64>(PageData(level).size() / rowBytes, rows_));
  if (format_ == PixelFormatCode::EightBits) {
    // Index 0 is transparent whatever its colour; masked it is magenta too. Rows the data does
    // not hold read as index 0.
    const QList<QRgb> palette = BuildLevelPalette(level.Palette8);
    for (int i = 1; i < 256; ++i) colours_[size_t(i)] = palette[i];
    colours_[0] = maskTransparency ? qRgba(255, 0, 255, 0) : palette[0] & 0x00FFFFFF;
  }
}

void PageRowConverter::ConvertRow(int y, QRgb* target) const {
  if (y >= dataRows_) {
    std::fill_n(target, kLevelPageSide, format_ == PixelFormatCode::EightBits ? colours_[0] : QRgb(0));
    return;
  }
  const qint64 at = qint64(y) * kLevelPageSide;
  switch (format_) {
    case PixelFormatCode::EightBits: {
      const uchar* source = data_ + at;
      for (int x = 0; x < kLevelPageSide; ++x) target[x] = colours_[source[x]];
      break;
    }
    case PixelFormatCode::FifteenBits:
      ConvertRow15(reinterpret_cast<const std::uint16_t*>(data_) + at, target, mask_);
      break;
    default: {
      const QRgb* source = reinterpret_cast<const QRgb*>(data_) + at;
      if (mask_) {
        MaskRow32(source, target);
      } else {
        std::memcpy(target, source, kLevelPageSide * sizeof(QRgb));
      }
      break;
    }
  }
}

QImage LevelPagesAs32Bits(const LevelReader& level, bool maskTransparency) {
  if (level.TextileCount <= 0) return {};
  // Copy, mask and conversion in one pass: the picture in the level's own format is never needed.
  QImage picture(kLevelPageSide, level.TextileCount * kLevelPageSide, QImage::Format_ARGB32);
  if (picture.isNull()) return picture;
  const PageRowConverter converter(level, maskTransparency);
  for (int y = 0; y < picture.height(); ++y) converter.ConvertRow(y, reinterpret_cast<QRgb*>(picture.scanLine(y)));
  return picture;
}

QImage TakeLevelPagesAs32Bits(LevelReader& level, bool maskTransparency) {
  const qint64 pageBytes = qint64(kLevelPageSide) * kLevelPageSide * qint64(sizeof(QRgb));
  if (level.TextileCount <= 0 || LevelPagePixelFormat(level.GameVersion) != PixelFormatCode::ThirtyTwoBits ||
      level.Textiles32.size() < level.TextileCount * pageBytes)
    return LevelPagesAs32Bits(level, maskTransparency);
  // The picture owns the bytes from here on: they live as long as the last copy of it.
  auto pages = std::make_unique<QByteArray>(std::move(level.Textiles32));
  auto* data = reinterpret_cast<uchar*>(pages->data());
  QImage picture;
  if (quintptr(data) % alignof(QRgb) == 0) {
    picture = QImage(
        data, kLevelPageSide, level.TextileCount * kLevelPageSide, kLevelPageSide * qsizetype(sizeof(QRgb)),
        QImage::Format_ARGB32, [](void* bytes) { delete static_cast<QByteArray*>(bytes); }, pages.get());
  }
  if (picture.isNull()) {
    level.Textiles32 = std::move(*pages);
    return LevelPagesAs32Bits(level, maskTransparency);
  }
  pages.release();
  if (maskTransparency)
    for (int y = 0; y < picture.height(); ++y) MaskRow32InPlace(reinterpret_cast<QRgb*>(picture.scanLine(y)));
  return picture;
}

QImage MiscPagesAs32Bits(const LevelReader& level, bool maskTransparency) {
  const qint64 pageBytes = qint64(kLevelPageSide) * kLevelPageSide * qint64(sizeof(QRgb));
  const qint64 pages = HasCompressedChunks(level.GameVersion) ? level.MiscTextiles32.size() / pageBytes : 0;
  if (pages <= 0) return {};
  QImage picture(kLevelPageSide, int(pages * kLevelPageSide), QImage::Format_ARGB32);
  if (picture.isNull()) return picture;
  const auto* source = reinterpret_cast<const QRgb*>(level.MiscTextiles32.constData());
  for (int y = 0; y < picture.height(); ++y) {
    auto* target = reinterpret_cast<QRgb*>(picture.scanLine(y));
    if (maskTransparency) {
      MaskRow32(source + qint64(y) * kLevelPageSide, target);
    } else {
      std::memcpy(target, source + qint64(y) * kLevelPageSide, kLevelPageSide * sizeof(QRgb));
    }
  }
  return picture;
}

}  // namespace mosaicor
