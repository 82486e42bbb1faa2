#include "core/resampling/TileResampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "TestPictures.h"
#include "core/resampling/TapList.h"

namespace mosaicor {

namespace {

// A square picture whose red depends on x alone and whose green on y alone, by the same rule.
// Every blend divides by its own total, so a flat row or column passes through the other axis
// unchanged: the red of output column i is the blend of the rule by the columns' tap list i,
// and the green of output row i the blend by the rows' tap list i.
QImage AxisPicture(int side, const std::function<int(int)>& value) {
  QImage image(side, side, QImage::Format_ARGB32);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) image.setPixel(x, y, qRgb(value(x), value(y), 0));
  return image;
}

struct AxisCase {
  const char* what;
  int from, to;
  std::function<int(int)> value;
  std::vector<std::pair<int, int>> expected;  // output position, byte
};

// The expected bytes are worked out by hand from the tap lists of each axis (TapListTest.cpp):
// the weighted sum, divided by the total and truncated toward zero, then clamped.
TEST(ResizeTile, BlendsEachAxisByItsTapLists) {
  const AxisCase cases[] = {
      // 64 → 32, ramp 4x: output 0 sums 576 (2.25), output 1 sums 2040 (7.97: truncated, not
      // rounded), output 31 sums 64224 (250.9).
      {"halving a ramp", 64, 32, [](int x) { return 4 * x; }, {{0, 2}, {1, 7}, {31, 250}}},
      // Output 1 weighs pixels 0 .. 4 with 261 in all: 259 before clamping.
      {"overshoot above white", 64, 32, [](int x) { return x <= 4 ? 255 : 0; }, {{1, 255}}},
      // Output 1 weighs pixel 5 alone with −5: −1275 / 256 is −4 before clamping.
      {"overshoot below black", 64, 32, [](int x) { return x >= 5 ? 255 : 0; }, {{1, 0}}},
      // 128 → 64: output 0's weights total 257, so 249 × 255 / 257 = 247 (not 248, as / 256).
      {"halving with a total of 257", 128, 64, [](int x) { return x <= 1 ? 255 : 0; }, {{0, 247}}},
      // 64 → 128: pixel −1 mirrors onto 1, pixel 64 onto 63 (the high border repeated): output 0
      // gets 14 + 14 of pixel 1, output 1 gets 136 − 9, output 127 gets 228 + 14 of pixel 63.
      {"doubling at both borders",
       64,
       128,
       [](int x) { return x == 1 || x == 63 ? 255 : 0; },
       {{0, 27}, {1, 126}, {127, 241}}},
  };
  for (const AxisCase& c : cases) {
    const QImage out = ResizeTile(c.to, c.to, AxisPicture(c.from, c.value));
    ASSERT_EQ(out.size(), QSize(c.to, c.to)) << c.what;
    for (const auto& [position, byte] : c.expected) {
      EXPECT_EQ(qRed(out.pixel(position, 0)), byte) << c.what << ", column " << position;
      EXPECT_EQ(qRed(out.pixel(position, c.to - 1)), byte) << c.what << ", column " << position;
      EXPECT_EQ(qGreen(out.pixel(0, position)), byte) << c.what << ", row " << position;
      EXPECT_EQ(qGreen(out.pixel(c.to - 1, position)), byte) << c.what << ", row " << position;
    }
  }
}

// 2 → 3 has scale 2 and tap lists {(1, 14), (0, 228), (1, 14)}, {(1, −9), (0, 137), (1, 137),
// (1, −9)}, {(0, 14), (1, 228), (1, 14)}. A bright top-left pixel in red gives the rows
// (227, 136, 13) and (0, 0, 0) first, then the columns; blending the columns first would give
// 12, 7, 11, 6 where the bottom row and right column have 11, 6, 12, 7 (truncation differs).
TEST(ResizeTile, SmallResampleRunsTheRowsFirst) {
  QImage source(2, 2, QImage::Format_RGB32);
  source.setPixel(0, 0, qRgb(255, 0, 77));
  source.setPixel(1, 0, qRgb(0, 255, 77));
  source.setPixel(0, 1, qRgb(0, 100, 77));
  source.setPixel(1, 1, qRgb(0, 0, 77));
  const int red[3][3] = {{202, 121, 11}, {121, 72, 6}, {12, 7, 0}};
  const int green[3][3] = {{33, 110, 215}, {55, 87, 131}, {85, 56, 17}};
  const QImage out = ResizeTile(3, 3, source);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(out.pixel(x, y), qRgb(red[y][x], green[y][x], 77)) << x << ", " << y;
}

// Also the picture-wide edge cases: single-pixel axes, strong reductions (taps mirrored more
// than once), odd and unequal sides, a target of one pixel.
TEST(ResizeTile, FlatTilesStayFlat) {
  const QSize sources[] = {{96, 80}, {1, 1}, {1, 40}, {40, 1}, {300, 20}, {7, 9}, {2, 2}};
  const QSize targets[] = {{64, 64}, {256, 256}, {64, 32}, {1, 1}, {333, 17}, {13, 5}, {3, 7}, {2, 2}};
  for (const QRgb colour : {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 255), qRgb(1, 128, 254)})
    for (const QSize from : sources) {
      QImage flat(from, QImage::Format_ARGB32);
      flat.fill(colour);
      for (const QSize to : targets) {
        const QImage out = ResizeTile(to.width(), to.height(), flat);
        ASSERT_EQ(out.size(), to);
        for (int y = 0; y < out.height(); ++y)
          for (int x = 0; x < out.width(); ++x)
            ASSERT_EQ(out.pixel(x, y), colour) << from.width() << "x" << from.height() << " to " << to.width() << "x"
                                               << to.height() << " at " << x << "," << y;
      }
    }
}

TEST(ResizeTile, DropsAlphaAndKeepsColour) {
  QImage source(4, 4, QImage::Format_ARGB32);
  source.fill(qRgba(10, 200, 30, 0));  // fully transparent: the colour still counts
  const QImage out = ResizeTile(8, 8, source);
  EXPECT_EQ(out.format(), QImage::Format_RGB888);
  EXPECT_FALSE(out.hasAlphaChannel());
  EXPECT_EQ(out.pixel(3, 5), qRgb(10, 200, 30));
}

TEST(ResizeTile, ReadsOtherFormatsByColour) {
  QImage argb(20, 12, QImage::Format_ARGB32);
  uint32_t seed = 3;
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      seed = seed * 1664525u + 1013904223u;
      argb.setPixel(x, y, seed >> 8);  // alpha varies too and must not matter
    }
  const QImage rgb = argb.convertToFormat(QImage::Format_RGB888);
  EXPECT_TRUE(ResizeTile(64, 64, rgb) == ResizeTile(64, 64, argb));
}

// The resampler worked out one output byte at a time, straight from the tap lists: the rows
// first into a work picture of bytes, then its columns. The resampler walks whole lines at once;
// both must give the same bytes on every size pair.
int ReferenceBlend(const TapList& taps, const std::function<int(int)>& sample) {
  int32_t sum = 0, total = 0;
  for (const Tap& tap : taps) {
    sum += tap.Weight * sample(tap.Index);
    total += tap.Weight;
  }
  const int32_t value = total != 0 ? sum / total : static_cast<int32_t>(static_cast<uint32_t>(sum) >> 8);
  return std::clamp(value, 0, 255);
}

QImage ReferenceResize(const QImage& source, int nw, int nh) {
  const int sw = source.width(), sh = source.height();
  const auto across = BuildTapLists(sw, nw, AxisScale(sw, nw), MitchellKernel, kMitchellRadius);
  const auto down = BuildTapLists(sh, nh, AxisScale(sh, nh), MitchellKernel, kMitchellRadius);
  const auto channel = [](QRgb pixel, int c) { return c == 0 ? qRed(pixel) : c == 1 ? qGreen(pixel) : qBlue(pixel); };
  std::vector<int> work(static_cast<size_t>(nw) * sh * 3);
  for (int y = 0; y < sh; ++y)
    for (int i = 0; i < nw; ++i)
      for (int c = 0; c < 3; ++c)
        work[(static_cast<size_t>(y) * nw + i) * 3 + c] =
            ReferenceBlend(across[i], [&](int x) { return channel(source.pixel(x, y), c); });
  QImage out(nw, nh, QImage::Format_RGB888);
  for (int j = 0; j < nh; ++j)
    for (int i = 0; i < nw; ++i) {
      int rgb[3];
      for (int c = 0; c < 3; ++c)
        rgb[c] = ReferenceBlend(down[j], [&](int y) { return work[(static_cast<size_t>(y) * nw + i) * 3 + c]; });
      out.setPixel(i, j, qRgb(rgb[0], rgb[1], rgb[2]));
    }
  return out;
}

TEST(ResizeTile, MatchesTheBlendOfEveryByteByItsTapLists) {
  const struct {
    QSize from, to;
  } pairs[] = {{{256, 256}, {64, 64}}, {{64, 64}, {128, 128}}, {{64, 64}, {64, 32}}, {{37, 53}, {64, 64}},
               {{300, 70}, {128, 64}}, {{3, 200}, {64, 1}},    {{1, 1}, {5, 3}},     {{130, 2}, {7, 9}}};
  uint32_t seed = 11;
  for (const auto& pair : pairs) {
    QImage source(pair.from, QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y)
      for (int x = 0; x < source.width(); ++x) {
        seed = seed * 1664525u + 1013904223u;
        source.setPixel(x, y, (seed >> 8) | 0xFF000000u);
      }
    const QImage out = ResizeTile(pair.to.width(), pair.to.height(), source);
    EXPECT_TRUE(out == ReferenceResize(source, pair.to.width(), pair.to.height()))
        << pair.from.width() << "x" << pair.from.height() << " to " << pair.to.width() << "x" << pair.to.height();
  }
}

TEST(ResizeTile, ZeroOrNegativeSideGivesEmptyPicture) {
  const QImage source = MakeFPicture(64, 64);
  for (const QSize size : {QSize(0, 64), QSize(64, 0), QSize(0, 0), QSize(-1, 64)})
    EXPECT_TRUE(ResizeTile(size.width(), size.height(), source).isNull());
}

TEST(ResizeTile, EmptySourceGivesBlackPictureOfTheNewSize) {
  const QImage out = ResizeTile(64, 32, QImage());
  ASSERT_EQ(out.size(), QSize(64, 32));
  EXPECT_EQ(out.pixel(10, 20), qRgb(0, 0, 0));
}

TEST(ResizeTile, RefusesAbsurdSizes) {
  EXPECT_TRUE(ResizeTile(1 << 20, 1 << 20, MakeFPicture(4, 4)).isNull());
  QImage wide(1 << 20, 1, QImage::Format_RGB888);  // a work picture of 3 GiB from a tall source
  EXPECT_FALSE(ResampleTwoPass(MitchellKernel, kMitchellRadius, MakeFPicture(1, 1024), wide));
}

// An odd filter makes every tap list of an equal-size pass sum to 0, which takes the
// unsigned-shift rule: a positive sum comes out as sum / 256, a negative one as a huge number
// that is clamped to 255.
float OddFilter(float t) { return std::fabs(t) < 2.5f ? t : 0.0f; }

TEST(ResampleTwoPass, ZeroTotalShiftsTheSumAsUnsigned) {
  // Falling along each row, so the horizontal sums are positive: 2560 × (row factor) / 256.
  // The row factor rises down the picture for red and falls for green, so the vertical sums
  // are negative for red and positive for green.
  QImage source(9, 5, QImage::Format_ARGB32);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 9; ++x) source.setPixel(x, y, qRgb((y + 1) * (8 - x), (5 - y) * (8 - x), 0));
  QImage dest(9, 5, QImage::Format_RGB888);
  ASSERT_TRUE(ResampleTwoPass(OddFilter, 2.0f, source, dest));
  EXPECT_EQ(dest.pixel(4, 2), qRgb(255, 100, 0));
}

TEST(ResampleTwoPass, ReplacesADestinationOfAnotherFormat) {
  QImage dest(10, 10, QImage::Format_ARGB32);
  ASSERT_TRUE(ResampleTwoPass(MitchellKernel, kMitchellRadius, MakeFPicture(20, 20), dest));
  EXPECT_EQ(dest.format(), QImage::Format_RGB888);
  EXPECT_EQ(dest.size(), QSize(10, 10));
}

}  // namespace

}  // namespace mosaicor
