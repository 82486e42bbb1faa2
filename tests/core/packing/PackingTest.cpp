#include "core/packing/SetGeometry.h"
#include "core/packing/TilePacker.h"
#include "core/packing/TileSheets.h"
#include "core/resampling/CutSizing.h"

#include "TestPictures.h"

#include <gtest/gtest.h>

namespace mosaicor {

namespace {

constexpr QRgb kFill = 0xFF000000u;

QImage Flat(int width, int height, QRgb colour) {
  QImage picture(width, height, QImage::Format_ARGB32);
  picture.fill(colour);
  return picture;
}

TEST(CutSizing, EachModeGivesTheSelectorsSize) {
  EXPECT_EQ(CutSizeFor(CutSizeMode::AutoSize, QSize(96, 95)), QSize(128, 64));
  EXPECT_EQ(CutSizeFor(CutSizeMode::AutoSize, QSize(10, 160)), QSize(64, 192));  // never below one cell
  EXPECT_EQ(SizeCut(Flat(300, 300, kFill), CutSizeMode::Fixed128).size(), QSize(128, 128));
  const QImage f = MakeFPicture(128, 192);
  EXPECT_EQ(SizeCut(f, CutSizeMode::MultiTile), f);  // kept as it is, not filtered
  const QImage scroll = SizeCut(MakeFPicture(64, 64), CutSizeMode::ScrollTile);
  ASSERT_EQ(scroll.size(), QSize(64, 64));
  EXPECT_EQ(scroll.copy(0, 0, 64, 32), scroll.copy(0, 32, 64, 32));
}

TEST(CutSizing, PickerMaskTurnsOnlyTheExactColourMagenta) {
  QImage tile = Flat(2, 1, 0xFFFFFFFFu);
  tile.setPixel(1, 0, 0xFFFEFFFFu);
  MaskPickedColour(tile, 0xFFFFFFFFu, 0xFFFF00FFu);
  EXPECT_EQ(tile.pixel(0, 0), 0xFFFF00FFu);
  EXPECT_EQ(tile.pixel(1, 0), 0xFFFEFFFFu);
}

TEST(TextureSet, IsCutToTheLimitsAndGrownToWholePagesWithTheFill) {
  const QImage set = AsTextureSet(Flat(600, 300, 0xFF123456u), kFill);
  ASSERT_EQ(set.size(), QSize(512, 512));
  EXPECT_EQ(set.pixel(511, 299), 0xFF123456u);
  EXPECT_EQ(set.pixel(0, 300), kFill);
  EXPECT_EQ(AsTextureSet(QImage(), kFill, 512).size(), QSize(512, 256));
}

TEST(TilePacker, FillsFreeCellsLeftToRightTopToBottom) {
  QImage start = Flat(256, 256, kFill);
  start.setPixel(10, 10, 0xFFFFFFFFu);   // cell 0 is used
  start.setPixel(130, 70, 0xFF000001u);  // so is cell 6
  TilePacker packer(start, kFill);
  EXPECT_EQ(packer.Place(Flat(64, 64, 0xFF0000FFu)).Value(), QRect(64, 0, 64, 64));
  // Two by two cells: not at cell 2 (cell 6 is below it), nor at cell 3 (the set ends).
  EXPECT_EQ(packer.Place(Flat(128, 128, 0xFF00FF00u)).Value(), QRect(0, 64, 128, 128));
  EXPECT_EQ(packer.Place(Flat(100, 10, 0xFFFF0000u)).Value(), QRect(128, 0, 100, 10));
  EXPECT_EQ(packer.Place(Flat(64, 64, 0xFF0000FFu)).Value(), QRect(192, 64, 64, 64));
  EXPECT_EQ(packer.Place(Flat(64, 64, 0xFF0000FFu)).Value(), QRect(128, 128, 64, 64));
  EXPECT_EQ(packer.Set().pixel(64, 0), 0xFF0000FFu);
  EXPECT_EQ(packer.Set().pixel(127, 191), 0xFF00FF00u);
  EXPECT_EQ(packer.Set().pixel(128, 10), kFill);  // below the short tile, its cells stay taken
  EXPECT_EQ(packer.HeightPages(), 1);
}

TEST(TilePacker, GrowsByWholePagesUpToSixtyFourAndThenRefuses) {
  TilePacker packer(Flat(256, 256, kFill), kFill);
  for (int i = 0; i < 16; ++i) ASSERT_TRUE(packer.Place(Flat(64, 64, 0xFFFFFFFFu)).Ok());
  EXPECT_EQ(packer.HeightPages(), 1);
  EXPECT_EQ(packer.Place(Flat(64, 64, 0xFFFFFFFFu)).Value(), QRect(0, 256, 64, 64));
  EXPECT_EQ(packer.HeightPages(), 2);
  EXPECT_EQ(packer.Set().pixel(64, 256), kFill);                // grown with the fill colour
  EXPECT_FALSE(packer.Place(Flat(512, 64, 0xFFFFFFFFu)).Ok());  // wider than the set
  for (int i = 0; i < 63 - 1; ++i) ASSERT_TRUE(packer.Place(Flat(256, 256, 0xFFFFFFFFu)).Ok()) << i;
  EXPECT_EQ(packer.HeightPages(), 64);
  const Result<QRect> full = packer.Place(Flat(256, 256, 0xFFFFFFFFu));
  EXPECT_FALSE(full.Ok());
  EXPECT_TRUE(full.Text().contains("64 pages")) << full.Text().toStdString();
  EXPECT_TRUE(packer.Place(Flat(64, 64, 0xFFFFFFFFu)).Ok());  // the second page still has room
}

TEST(PackTile, FailsForAnEmptyPictureAndMasksWhenAsked) {
  EXPECT_FALSE(MakePackTile(QImage(), PackStyle{}).Ok());
  PackStyle style;
  style.size = CutSizeMode::MultiTile, style.maskPicked = true, style.picked = 0xFFFFFFFFu;
  EXPECT_EQ(MakePackTile(Flat(3, 3, 0xFFFFFFFFu), style).Value().pixel(1, 1), 0xFFFF00FFu);
}

// Tiles of any size in texture sets: largest first at the top-left of whole cells, and a further
// set once 64 pages are full.
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
