#pragma once
// Texture page assembly: all pages of a loaded level one below the other, 256 pixels wide and
// 256 rows per page, first in the level's own pixel format (8-bit indexed, 15-bit words with the
// alpha bit kept, or 32-bit), then brought to the 32-bit working format with the level's
// transparency in the alpha byte.

#include "core/graphics/PixelFormat.h"
#include "core/level/GameVersion.h"

#include <QImage>
#include <QList>

#include <array>
#include <cstdint>

namespace mosaicor {

class LevelReader;

// A level's texture pages are square, this many pixels a side, in every generation.
inline constexpr int kLevelPageSide = 256;

// Converts rows of the level's pages to the 32-bit working format exactly as LevelPagesAs32Bits
// does, so that a caller that needs a few rows converts only those. Holds pointers into the
// level, which must outlive it and stay unchanged.
class PageRowConverter {
 public:
  PageRowConverter(const LevelReader& level, bool maskTransparency);
  // Rows of the page picture: 256 a page.
  int Rows() const { return rows_; }
  // The 256 pixels of row y (0 <= y < Rows()) into target. Rows the level's data does not hold
  // come out as LevelPagesAs32Bits leaves them.
  void ConvertRow(int y, QRgb* target) const;

 private:
  PixelFormatCode format_;
  const uchar* data_;
  int rows_ = 0;
  int dataRows_ = 0;
  bool mask_ = false;
  std::array<QRgb, 256> colours_{};  // 8-bit pages: the 32-bit colour of each index
};

// The pixel format of a generation's pages: 8 bits (TR1), 15 bits (TR2, TR3), 32 bits (TR4, TR5).
PixelFormatCode LevelPagePixelFormat(GameVersion gameVersion);

// 256 opaque colours from the level's 6-bit components, each multiplied by 4 and clamped at 255
// (levels made by tools store full 8-bit values, which the plain product would wrap).
QList<QRgb> BuildLevelPalette(const std::array<std::uint8_t, 768>& palette8);

// All pages as one 32-bit picture (Format_ARGB32): alpha 0 for palette index 0 (TR1), for a
// clear bit 15 (TR2, TR3) or as stored (TR4, TR5). Null when the level has no pages or the
// picture does not fit in memory.
QImage LevelPagesAs32Bits(const LevelReader& level, bool maskTransparency);
// The same picture, made without a copy where the level holds 32-bit pages (TR4, TR5): the
// picture takes over level.Textiles32, masked in place, and leaves it empty. Other generations,
// and data that cannot serve as the picture as it lies, convert as above and keep the level whole.
QImage TakeLevelPagesAs32Bits(LevelReader& level, bool maskTransparency);

// TR4, TR5: the whole 256 x 256 pages of the third page chunk (the font and the sky) as one 32-bit
// picture, masked as the texture pages are. Null when the level has no such page (TR1-TR3) or the
// picture does not fit in memory.
QImage MiscPagesAs32Bits(const LevelReader& level, bool maskTransparency);

}  // namespace mosaicor
