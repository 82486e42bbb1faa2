// The tile transforms as functions on pictures: cutting a tile, turning and flipping it with its
// alpha, and swapping two tiles of a picture.

#include <gtest/gtest.h>

#include "TestPictures.h"
#include "core/canvas/TileTransforms.h"

namespace mosaicor {

namespace {

// A tile in which every pixel differs, alpha included.
QImage DistinctTile(int side) {
  QImage tile(side, side, QImage::Format_ARGB32);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) tile.setPixel(x, y, qRgba(x, y, x ^ y, 255 - ((x * 7 + y) & 0xFF)));
  return tile;
}

TEST(TileTransforms, TurnsAndFlipsMoveWholePixelsAndUndoThemselves) {
  const QImage tile = DistinctTile(16);
  const QImage turned = RotatedTile(tile);
  EXPECT_EQ(turned.pixel(15, 0), tile.pixel(0, 0)) << "clockwise: top-left goes to top-right";
  EXPECT_EQ(turned.pixel(15, 15), tile.pixel(15, 0));
  EXPECT_EQ(turned.pixel(0, 0), tile.pixel(0, 15));
  EXPECT_EQ(RotatedTile(RotatedTile(RotatedTile(turned))), tile) << "four turns give the tile back, alpha too";

  const QImage h = HFlippedTile(tile), v = VFlippedTile(tile);
  EXPECT_EQ(h.pixel(15, 3), tile.pixel(0, 3));
  EXPECT_EQ(v.pixel(3, 15), tile.pixel(3, 0));
  EXPECT_EQ(HFlippedTile(h), tile);
  EXPECT_EQ(VFlippedTile(v), tile);
  EXPECT_EQ(HFlippedTile(v), RotatedTile(RotatedTile(tile))) << "both flips make a half turn";
}

TEST(TileTransforms, ATileCutOutsideThePictureIsBlackThere) {
  const QImage blank = TileOf(QImage(), QRect(0, 0, 8, 8), QSize(8, 8));
  EXPECT_EQ(blank.format(), QImage::Format_ARGB32);
  EXPECT_EQ(blank.size(), QSize(8, 8));
  EXPECT_EQ(blank.pixel(7, 7), qRgb(0, 0, 0)) << "a blank picture gives black";

  const QImage picture = MakeCoordinatePicture(20, 20);
  const QImage edge = TileOf(picture, QRect(16, 16, 8, 8), QSize(8, 8));
  EXPECT_EQ(edge.pixel(3, 3), picture.pixel(19, 19));
  EXPECT_EQ(edge.pixel(4, 3), qRgb(0, 0, 0));
  EXPECT_EQ(edge.pixel(3, 4), qRgb(0, 0, 0));
}

TEST(TileTransforms, SwapExchangesTwoTilesOfAPicture) {
  const QImage original = MakeCoordinatePicture(32, 16);
  QImage picture = original;
  const QRect a(0, 0, 16, 16), b(16, 0, 16, 16);
  SwapTiles(picture, a, b, TileOf(picture, a, a.size()));
  EXPECT_EQ(picture.copy(a), original.copy(b));
  EXPECT_EQ(picture.copy(b), original.copy(a));
}

}  // namespace

}  // namespace mosaicor
