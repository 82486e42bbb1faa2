#include "core/extraction/PixelFormatConversions.h"
#include "core/graphics/PixelFormat.h"

#include <gtest/gtest.h>

namespace mosaicor {

namespace {

QImage Make16(int width, int height, std::initializer_list<uint16_t> words) {
  QImage image(width, height, QImage::Format_RGB555);
  auto it = words.begin();
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint16_t*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) row[x] = *it++;
  }
  return image;
}

TEST(Widen5To8, ReplicatesTheTopBits) {
  EXPECT_EQ(Widen5To8(0), 0);
  EXPECT_EQ(Widen5To8(1), 8);
  EXPECT_EQ(Widen5To8(16), 132);
  EXPECT_EQ(Widen5To8(31), 255);
}

TEST(Convert16BitsTo32Bits, TakesAlphaFromBit15AndWidensColours) {
  // Odd width: every pixel's alpha must come from that same pixel.
  QImage image = Make16(3, 2, {0x7FFF, 0xFFFF, 0xFC1F, 0x8000, 0x0000, 0x801F});
  ASSERT_TRUE(Convert16BitsTo32Bits(image));
  ASSERT_EQ(image.format(), QImage::Format_ARGB32);
  EXPECT_EQ(image.pixel(0, 0), qRgba(255, 255, 255, 0));
  EXPECT_EQ(image.pixel(1, 0), qRgba(255, 255, 255, 255));
  EXPECT_EQ(image.pixel(2, 0), qRgba(255, 0, 255, 255));  // the masked magenta of level pages
  EXPECT_EQ(image.pixel(0, 1), qRgba(0, 0, 0, 255));
  EXPECT_EQ(image.pixel(1, 1), qRgba(0, 0, 0, 0));
  EXPECT_EQ(image.pixel(2, 1), qRgba(0, 0, 255, 255));
}

TEST(Conversions, RefuseOtherFormats) {
  QImage rgb(2, 2, QImage::Format_RGB888);
  EXPECT_FALSE(Convert16BitsTo32Bits(rgb));
  EXPECT_EQ(rgb.format(), QImage::Format_RGB888);
}

TEST(PF2String, NamesEveryCode) {
  EXPECT_EQ(PF2String(3), "8 bits (256 col)");
  EXPECT_EQ(PF2String(PixelFormatCode::TwentyFourBits), "24 bits");
  EXPECT_EQ(PF2String(8), "15 bits");
  EXPECT_EQ(PF2String(0), "DDB");
  EXPECT_EQ(PF2String(9), "Unknown");
  EXPECT_EQ(PF2String(-1), "Unknown");
}

}  // namespace

}  // namespace mosaicor
