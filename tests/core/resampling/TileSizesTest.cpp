#include "core/resampling/TileSizes.h"

#include <gtest/gtest.h>

#include "TestPictures.h"
#include "core/resampling/TileResampler.h"

namespace mosaicor {

namespace {

TEST(AutoSizeSide, RoundsToTheNearestMultipleOf64HalvesUp) {
  const std::pair<int, int> cases[] = {{96, 128}, {95, 64}, {160, 192}, {224, 256},  {64, 64},
                                       {32, 64},  {31, 0},  {0, 0},     {1000, 1024}};
  for (const auto& [side, expected] : cases) EXPECT_EQ(AutoSizeSide(side), expected) << side;
}

TEST(MakeScrollTile, RepeatsTheResampledHalfBelowItself) {
  const QImage cut = MakeCoordinatePicture(64, 64);
  const QImage tile = MakeScrollTile(cut);
  ASSERT_EQ(tile.size(), QSize(64, 64));
  EXPECT_EQ(tile.format(), QImage::Format_RGB888);
  const QImage half = ResizeTile(64, 32, cut);
  EXPECT_EQ(tile.copy(0, 0, 64, 32), half);
  EXPECT_EQ(tile.copy(0, 32, 64, 32), half);
}

TEST(MakeScrollTile, WorksFromAnySelectionSize) {
  EXPECT_EQ(MakeScrollTile(MakeFPicture(128, 192)).size(), QSize(64, 64));
  EXPECT_EQ(MakeScrollTile(MakeFPicture(1, 1)).size(), QSize(64, 64));
}

}  // namespace

}  // namespace mosaicor
