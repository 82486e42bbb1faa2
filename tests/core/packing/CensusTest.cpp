#include "core/packing/TileCensus.h"

#include <gtest/gtest.h>
#include <random>

namespace mosaicor {

namespace {

constexpr QRgb kFill = 0xFF800000u;

void PaintCell(QImage& set, int cell, QRgb colour) {
  const int columns = set.width() / 64;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) set.setPixel(cell % columns * 64 + x, cell / columns * 64 + y, colour);
}

TEST(TileCensus, CountsUsedUniqueAndEmptyCellsAndGroupsTwins) {
  QImage set(256, 256, QImage::Format_ARGB32);
  set.fill(kFill);
  PaintCell(set, 1, 0xFF112233u);
  PaintCell(set, 5, 0xFF112233u);
  PaintCell(set, 15, 0x00112233u);  // alpha does not count
  PaintCell(set, 2, 0xFF445566u);
  set.setPixel(0, 63, kFill & 0x00FFFFFFu);  // nor in an empty cell
  TileCensus census;
  census.Take(set, kFill);
  EXPECT_EQ(CensusText(census.Counts()), "16 cells: 4 used, 2 unique, 12 empty");
  EXPECT_EQ(census.Duplicates(), (std::vector<std::vector<int>>{{1, 5, 15}}));
  EXPECT_EQ(census.NextInGroup(5), 15);
  EXPECT_EQ(census.NextInGroup(15), 1);
  EXPECT_EQ(census.NextInGroup(2), -1);
  EXPECT_TRUE(census.IsEmpty(0));
  EXPECT_EQ(census.GroupOf(2), std::vector<int>{2});
}

TEST(TileCensus, UpdatesOfChangedCellsAgreeWithAFreshCensus) {
  QImage set(512, 1024, QImage::Format_ARGB32);
  set.fill(kFill);
  const QRgb palette[] = {kFill, 0xFF010203u, 0xFF040506u, 0xFF070809u};
  std::mt19937 random(7);
  TileCensus census;
  census.Take(set, kFill);
  for (int step = 0; step < 300; ++step) {
    // A paste of a tile that need not be aligned to the cells: up to four cells change.
    const QRect paste(int(random() % 480), int(random() % 990), 1 + int(random() % 64), 1 + int(random() % 64));
    const QRgb colour = palette[random() % 4];
    const QRect inside = paste.intersected(set.rect());  // the census takes rectangles that go beyond
    for (int y = inside.top(); y <= inside.bottom(); ++y)
      for (int x = inside.left(); x <= inside.right(); ++x) set.setPixel(x, y, colour);
    census.Update(set, paste, kFill);
    if (step % 50 != 49) continue;
    TileCensus fresh;
    fresh.Take(set, kFill);
    ASSERT_EQ(CensusText(census.Counts()), CensusText(fresh.Counts())) << step;
    ASSERT_EQ(census.Duplicates(), fresh.Duplicates()) << step;
  }
}

}  // namespace

}  // namespace mosaicor
