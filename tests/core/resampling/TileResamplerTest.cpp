#include "resampling/TileResampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "TestPictures.h"

namespace {

// An independent statement of the resampler, written for clarity: weights are worked out for
// every output pixel on the spot, arithmetic between the single-precision roundings runs in
// long double, and pictures are plain vectors of colours.
using Rgb = std::array<int, 3>;
using Line = std::vector<Rgb>;
using Filter = float (*)(float);

float ReferenceMitchell(float t) {
  using Wide = long double;
  const float x = std::fabs(t);
  if (x >= 2) return 0;
  const float x2 = static_cast<float>(Wide{x} * x);
  const float bracket = x < 1 ? static_cast<float>(7 * Wide{x2} * x - 12 * Wide{x2} + Wide{16} / 3)
                              : static_cast<float>(-Wide{7} / 3 * x2 * x + 12 * Wide{x2} - 20 * Wide{x} + Wide{32} / 3);
  return static_cast<float>(Wide{bracket} / 6);
}

int ReferenceSourceIndex(int j, int length) {
  for (int round = 0; round < 2; ++round) {
    if (j < 0)
      j = -j;
    else if (j >= length)
      j = 2 * length - 1 - j;
  }
  return std::min(std::max(j, 0), length - 1);
}

// One output line of `outLength` from `in`; `raw` receives the unclamped blends.
Line ReferenceResampleLine(const Line& in, int outLength, Filter filter, std::vector<Rgb>* raw = nullptr) {
  using Wide = long double;
  const int length = static_cast<int>(in.size());
  const float scale = (length == 1 || outLength == 1) ? static_cast<float>(Wide(outLength) / length)
                                                      : static_cast<float>(Wide(outLength - 1) / (length - 1));
  Line out(outLength);
  for (int i = 0; i < outLength; ++i) {
    const float centre = static_cast<float>(Wide(i) / scale);
    const float support = scale < 1 ? static_cast<float>(2 / Wide{scale}) : 2.0f;
    int32_t total = 0;
    Rgb sum{};
    for (int j = static_cast<int>(std::floor(centre - Wide{support}));
         j <= static_cast<int>(std::ceil(centre + Wide{support})); ++j) {
      const Wide value = scale < 1 ? Wide{filter(static_cast<float>((centre - Wide(j)) * scale))} * scale
                                   : Wide{filter(static_cast<float>(centre - Wide(j)))};
      const int weight = static_cast<int>(std::nearbyint(value * 256));
      total += weight;
      for (int c = 0; c < 3; ++c) sum[c] += weight * in[ReferenceSourceIndex(j, length)][c];
    }
    Rgb blended;
    for (int c = 0; c < 3; ++c)
      blended[c] = total != 0 ? sum[c] / total : static_cast<int32_t>(static_cast<uint32_t>(sum[c]) >> 8);
    if (raw) raw->push_back(blended);
    for (int c = 0; c < 3; ++c) out[i][c] = std::min(std::max(blended[c], 0), 255);
  }
  return out;
}

QImage ReferenceResize(const QImage& source, int width, int height, Filter filter = ReferenceMitchell) {
  std::vector<Line> rows;
  for (int y = 0; y < source.height(); ++y) {
    Line row;
    for (int x = 0; x < source.width(); ++x) {
      const QRgb p = source.pixel(x, y);
      row.push_back({qRed(p), qGreen(p), qBlue(p)});
    }
    rows.push_back(ReferenceResampleLine(row, width, filter));
  }
  QImage out(width, height, QImage::Format_RGB888);
  for (int x = 0; x < width; ++x) {
    Line column;
    for (const Line& row : rows) column.push_back(row[x]);
    const Line resampled = ReferenceResampleLine(column, height, filter);
    for (int y = 0; y < height; ++y) out.setPixel(x, y, qRgb(resampled[y][0], resampled[y][1], resampled[y][2]));
  }
  return out;
}

// Deterministic noise in every channel, so that no pattern hides a misplaced tap.
QImage MakeNoisePicture(int width, int height, uint32_t seed) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      image.setPixel(x, y, seed >> 8);  // alpha varies too and must not matter
    }
  return image;
}

// The first pixel where two pictures differ, as text, or "" when they are the same.
std::string FirstDifference(const QImage& actual, const QImage& expected) {
  if (actual.size() != expected.size()) return "sizes differ";
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x)
      if (actual.pixel(x, y) != expected.pixel(x, y))
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) +
               "): " + QString::number(actual.pixel(x, y), 16).toStdString() + " instead of " +
               QString::number(expected.pixel(x, y), 16).toStdString();
  return "";
}

struct SizeCase {
  int sourceWidth, sourceHeight, width, height;
};

class ResizeTileMatchesReference : public testing::TestWithParam<SizeCase> {};

TEST_P(ResizeTileMatchesReference, PixelForPixel) {
  const SizeCase c = GetParam();
  for (const QImage& source :
       {MakeNoisePicture(c.sourceWidth, c.sourceHeight, 7u), MakeFPicture(c.sourceWidth, c.sourceHeight)}) {
    const QImage actual = ResizeTile(c.width, c.height, source);
    ASSERT_EQ(actual.format(), QImage::Format_RGB888);
    EXPECT_EQ(FirstDifference(actual, ReferenceResize(source, c.width, c.height)), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResizeTileMatchesReference,
                         testing::Values(SizeCase{64, 64, 32, 32}, SizeCase{256, 256, 64, 64}, SizeCase{64, 64, 64, 32},
                                         SizeCase{128, 128, 64, 64}, SizeCase{64, 64, 128, 128},
                                         SizeCase{64, 128, 64, 64}, SizeCase{96, 95, 128, 64}, SizeCase{37, 23, 64, 64},
                                         SizeCase{7, 9, 13, 5}, SizeCase{300, 20, 64, 64}, SizeCase{16, 16, 256, 256},
                                         SizeCase{64, 64, 64, 64}, SizeCase{4, 4, 2, 2}, SizeCase{5, 3, 1, 1},
                                         SizeCase{64, 3, 1, 64}, SizeCase{1, 1, 64, 64}, SizeCase{1, 40, 64, 64},
                                         SizeCase{40, 1, 3, 7}, SizeCase{2, 2, 3, 3}, SizeCase{9, 7, 9, 5},
                                         SizeCase{6, 11, 6, 11}),
                         [](const testing::TestParamInfo<SizeCase>& info) {
                           const SizeCase& c = info.param;
                           return std::to_string(c.sourceWidth) + "x" + std::to_string(c.sourceHeight) + "_to_" +
                                  std::to_string(c.width) + "x" + std::to_string(c.height);
                         });

TEST(ResizeTile, FlatTilesStayFlat) {
  for (const QRgb colour : {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 255), qRgb(1, 128, 254)}) {
    QImage flat(96, 80, QImage::Format_ARGB32);
    flat.fill(colour);
    for (const QSize size : {QSize(64, 64), QSize(256, 256), QSize(64, 32), QSize(1, 1), QSize(333, 17)}) {
      const QImage out = ResizeTile(size.width(), size.height(), flat);
      for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
          ASSERT_EQ(out.pixel(x, y), colour) << size.width() << "x" << size.height() << " at " << x << "," << y;
    }
  }
}

TEST(ResizeTile, OvershootAtHardEdgesIsClamped) {
  // Black then white, enlarged: the filter's negative lobes ring on both sides of the edge.
  QImage edge(8, 1, QImage::Format_ARGB32);
  for (int x = 0; x < 8; ++x) edge.setPixel(x, 0, x < 4 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  Line line;
  for (int x = 0; x < 8; ++x) line.push_back({qRed(edge.pixel(x, 0)), 0, 0});
  std::vector<Rgb> raw;
  ReferenceResampleLine(line, 32, ReferenceMitchell, &raw);
  const auto [low, high] = std::minmax_element(raw.begin(), raw.end());
  ASSERT_LT((*low)[0], 0);
  ASSERT_GT((*high)[0], 255);

  const QImage out = ResizeTile(32, 1, edge);
  for (size_t x = 0; x < raw.size(); ++x)
    EXPECT_EQ(qRed(out.pixel(static_cast<int>(x), 0)), std::clamp(raw[x][0], 0, 255)) << x;
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
  const QImage argb = MakeNoisePicture(20, 12, 3u);
  const QImage rgb = argb.convertToFormat(QImage::Format_RGB888);
  EXPECT_EQ(FirstDifference(ResizeTile(64, 64, rgb), ResizeTile(64, 64, argb)), "");
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

TEST(ResizeTile, RefusesAbsurdSizes) { EXPECT_TRUE(ResizeTile(1 << 20, 1 << 20, MakeFPicture(4, 4)).isNull()); }

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
  EXPECT_EQ(FirstDifference(dest, ReferenceResize(source, 9, 5, OddFilter)), "");
}

TEST(ResampleTwoPass, ReplacesADestinationOfAnotherFormat) {
  QImage dest(10, 10, QImage::Format_ARGB32);
  ASSERT_TRUE(ResampleTwoPass(MitchellKernel, kMitchellRadius, MakeFPicture(20, 20), dest));
  EXPECT_EQ(dest.format(), QImage::Format_RGB888);
  EXPECT_EQ(dest.size(), QSize(10, 10));
}

}  // namespace
