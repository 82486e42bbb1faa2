// Tiles of any size in texture sets: largest first at the top-left of whole cells, and a further
// set once 64 pages are full.

#include "core/packing/TileSheets.h"

#include <gtest/gtest.h>

namespace mosaicor {

namespace {

constexpr QRgb kFill = 0xFF000000u;

QImage Flat(int width, int height, QRgb colour) {
  QImage picture(width, height, QImage::Format_ARGB32);
  picture.fill(colour);
  return picture;
}

TEST(TileSheets, LargestFirstEachAtItsOwnSizeInWholeCells) {
  const std::vector<QImage> tiles = {Flat(32, 32, 0xFFFF0000u), Flat(128, 64, 0xFF00FF00u), Flat(64, 64, 0xFF0000FFu),
                                     Flat(16, 16, 0xFFFFFF00u)};
  const Result<TileSheets> packed = PackTileSheets(tiles, 256, kFill);
  ASSERT_TRUE(packed.Ok()) << packed.Text().toStdString();
  ASSERT_EQ(packed->Sheets.size(), 1u);
  const QImage& sheet = packed->Sheets[0];
  EXPECT_EQ(sheet.size(), QSize(256, 256));
  const std::vector<QPoint> at = {{192, 0}, {0, 0}, {128, 0}, {0, 64}};  // 32 x 32 before 16 x 16
  for (size_t i = 0; i < tiles.size(); ++i) {
    EXPECT_EQ(packed->Spots[i].Sheet, 0);
    EXPECT_EQ(packed->Spots[i].At, at[i]) << i;
    EXPECT_EQ(sheet.copy(QRect(at[i], tiles[i].size())), tiles[i]) << i;
  }
  EXPECT_EQ(sheet.pixel(224, 0), kFill);  // the rest of the 32 x 32 tile's cell
}

TEST(TileSheets, AFullSetContinuesInTheNext) {
  std::vector<QImage> tiles(64 * 16 + 1, Flat(64, 64, 0xFF808080u));
  tiles.back() = Flat(64, 64, 0xFF102030u);
  const Result<TileSheets> packed = PackTileSheets(tiles, 256, kFill);
  ASSERT_TRUE(packed.Ok()) << packed.Text().toStdString();
  ASSERT_EQ(packed->Sheets.size(), 2u);
  EXPECT_EQ(packed->Sheets[0].height(), 64 * 256);
  EXPECT_EQ(packed->Sheets[1].size(), QSize(256, 256));
  EXPECT_EQ(packed->Spots.back().Sheet, 1);
  EXPECT_EQ(packed->Spots.back().At, QPoint(0, 0));
  EXPECT_EQ(packed->Sheets[1].pixel(0, 0), 0xFF102030u);
}

}  // namespace

}  // namespace mosaicor
