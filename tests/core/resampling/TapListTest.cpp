#include "core/resampling/TapList.h"

#include <gtest/gtest.h>

#include <numeric>

namespace mosaicor {

namespace {

int Total(const TapList& taps) {
  return std::accumulate(taps.begin(), taps.end(), 0, [](int sum, const Tap& tap) { return sum + tap.Weight; });
}

std::vector<TapList> MitchellTaps(int source, int target) {
  return BuildTapLists(source, target, AxisScale(source, target), MitchellKernel, kMitchellRadius);
}

TEST(MitchellKernel, KnownValuesAndSymmetry) {
  EXPECT_FLOAT_EQ(MitchellKernel(0.0f), 8.0f / 9.0f);
  EXPECT_FLOAT_EQ(MitchellKernel(1.0f), 1.0f / 18.0f);
  EXPECT_FLOAT_EQ(MitchellKernel(0.5f), 77.0f / 144);
  EXPECT_FLOAT_EQ(MitchellKernel(1.5f), -5.0f / 144);
  EXPECT_EQ(MitchellKernel(2.0f), 0.0f);
  EXPECT_EQ(MitchellKernel(-7.5f), 0.0f);
  for (float t : {0.1f, 0.7f, 1.0f, 1.3f, 1.99f}) EXPECT_EQ(MitchellKernel(t), MitchellKernel(-t)) << t;
  EXPECT_LT(MitchellKernel(1.5f), 0.0f);  // the negative lobe that sharpens edges
}

TEST(AxisScale, MapsFirstAndLastPixelsOntoEachOther) {
  EXPECT_EQ(AxisScale(64, 32), 31.0f / 63.0f);
  EXPECT_EQ(AxisScale(128, 64), 63.0f / 127.0f);
  EXPECT_EQ(AxisScale(64, 128), 127.0f / 63.0f);
  EXPECT_EQ(AxisScale(1, 64), 64.0f);
  EXPECT_EQ(AxisScale(64, 1), 1.0f / 64.0f);  // both axes guarded: never a zero scale
  EXPECT_EQ(AxisScale(1, 1), 1.0f);
}

TEST(MirrorIndex, MirrorsOncePerBorderAndFoldsWhatStillFallsOutside) {
  struct Case {
    int position, length, expected;
  };
  const Case cases[] = {
      {0, 64, 0},   {63, 64, 63}, {-1, 64, 1}, {-3, 64, 3}, {64, 64, 63},
      {66, 64, 61},                                                      // border repeated on the high side only
      {-1, 1, 0},   {1, 1, 0},    {2, 1, 0},   {-5, 1, 0},               // one-pixel axis
      {-5, 4, 2},   {9, 4, 2},    {-6, 4, 1},  {-11, 4, 0}, {14, 4, 3},  // strong reductions
  };
  for (const Case& c : cases)
    EXPECT_EQ(MirrorIndex(c.position, c.length), c.expected) << c.position << " in " << c.length;
}

TEST(BuildTapLists, ScrollTileHalfReduction) {
  const auto lists = MitchellTaps(64, 32);
  ASSERT_EQ(lists.size(), 32u);
  EXPECT_EQ(lists[0], (TapList{{3, -4}, {2, 8}, {1, 68}, {0, 112}, {1, 68}, {2, 8}, {3, -4}}));
  EXPECT_EQ(Total(lists[0]), 256);
  EXPECT_EQ(lists[1], (TapList{{1, -4}, {0, 7}, {1, 66}, {2, 112}, {3, 71}, {4, 9}, {5, -5}}));
  EXPECT_EQ(lists[31], (TapList{{60, -4}, {61, 8}, {62, 68}, {63, 112}, {63, 68}, {62, 8}, {61, -4}}));
}

TEST(BuildTapLists, HalvingWhoseWeightsDoNotSumTo256) {
  const auto lists = MitchellTaps(128, 64);
  EXPECT_EQ(lists[0], (TapList{{3, -4}, {2, 8}, {1, 68}, {0, 113}, {1, 68}, {2, 8}, {3, -4}}));
  EXPECT_EQ(Total(lists[0]), 257);
}

TEST(BuildTapLists, DoublingSkipsZeroWeights) {
  const auto lists = MitchellTaps(64, 128);
  ASSERT_EQ(lists.size(), 128u);
  EXPECT_EQ(lists[0], (TapList{{1, 14}, {0, 228}, {1, 14}}));
  EXPECT_EQ(lists[1], (TapList{{1, -9}, {0, 138}, {1, 136}, {2, -9}}));
  EXPECT_EQ(lists[127], (TapList{{62, 14}, {63, 228}, {63, 14}}));
}

TEST(BuildTapLists, EveryIndexStaysInsideTheAxis) {
  for (int source = 1; source <= 24; ++source)
    for (int target = 1; target <= 24; ++target)
      for (const TapList& list : MitchellTaps(source, target)) {
        ASSERT_FALSE(list.empty()) << source << " -> " << target;
        for (const Tap& tap : list) {
          ASSERT_GE(tap.Index, 0);
          ASSERT_LT(tap.Index, source);
          ASSERT_NE(tap.Weight, 0);
        }
      }
}

TEST(BuildTapLists, SinglePixelAxisReadsOnlyThatPixel) {
  for (const TapList& list : MitchellTaps(1, 64)) {
    EXPECT_GT(Total(list), 0);
    for (const Tap& tap : list) EXPECT_EQ(tap.Index, 0);
  }
}

}  // namespace

}  // namespace mosaicor
