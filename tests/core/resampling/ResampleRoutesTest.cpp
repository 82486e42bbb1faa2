#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <vector>

#include "TestPictures.h"
#include "resampling/GroupedBlend.h"
#include "resampling/TileResampler.h"

namespace {

// Full-range noise with hard edges, so that clamping at both ends shows.
QImage NoiseWithEdges(int width, int height, uint32_t seed) {
  std::mt19937 random(seed);
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const uint32_t value = random();
      image.setPixel(x, y, (x / 3 + y / 2) % 3 == 0 ? 0xFF000000u | value : ((x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u));
    }
  return image;
}

constexpr BlendKernel kFastKernels[] = {BlendKernel::Sse2, BlendKernel::Avx2, BlendKernel::Avx2Groups,
                                        BlendKernel::Vnni};

QImage ResampleWith(BlendKernel kernel, const QImage& source, int width, int height) {
  QImage dest(width, height, QImage::Format_RGB888);
  EXPECT_TRUE(ResampleTwoPassUsing(kernel, MitchellKernel, kMitchellRadius, source, dest));
  return dest;
}

// Every route this processor runs gives the plain route's bytes: the fallbacks stay correct on
// processors that take a faster route by default.
TEST(ResampleRoutes, EveryKernelGivesThePlainBytes) {
  const std::vector<std::array<int, 4>> sizes = {
      {256, 256, 64, 64}, {64, 64, 64, 32},  {64, 64, 128, 128}, {37, 23, 64, 64}, {7, 9, 13, 5}, {1, 1, 8, 8},
      {5, 3, 1, 1},       {300, 20, 64, 64}, {3, 70, 9, 17},     {64, 64, 64, 64}, {4, 4, 2, 2},  {130, 129, 31, 33}};
  for (const auto& [sw, sh, nw, nh] : sizes) {
    const QImage source = NoiseWithEdges(sw, sh, static_cast<uint32_t>(sw * 1000 + sh));
    const QImage plain = ResampleWith(BlendKernel::Scalar, source, nw, nh);
    for (BlendKernel kernel : kFastKernels) {
      if (!BlendKernelAvailable(kernel)) continue;
      EXPECT_EQ(ResampleWith(kernel, source, nw, nh), plain)
          << "kernel " << static_cast<int>(kernel) << ", " << sw << "x" << sh << " to " << nw << "x" << nh;
    }
  }
}

// The weight each line gets from an output's entries (whose bytes hold lines 0, 2, 1, 3 in the
// AVX2 grouping), and from its taps. On the way, every pair of bytes is checked against the
// form's budget: AVX2 adds the two products of a pair into 16 bits, which saturate beyond
// ±128 × 255.
std::map<int, int> LineWeightsOfEntries(const BlendPlan& plan, int output) {
  const bool pairSum = plan.Form == BlendForm::PairSumGroups;
  const int budget = pairSum ? 128 : 256;
  const int lineOfByte[4] = {0, pairSum ? 2 : 1, pairSum ? 1 : 2, 3};
  std::map<int, int> lines;
  for (int e = plan.GroupBegin[output]; e < plan.GroupBegin[output + 1]; ++e)
    for (int pair = 0; pair < 4; pair += 2) {
      int positive = 0, negative = 0;
      for (int t = pair; t < pair + 2; ++t) {
        const int weight = static_cast<int8_t>(plan.Groups[e].Weights >> (8 * t));
        (weight > 0 ? positive : negative) += weight;
        if (weight != 0) lines[static_cast<int>(plan.Groups[e].Group) * 4 + lineOfByte[t]] += weight;
      }
      EXPECT_TRUE(positive <= budget && negative >= -budget) << positive << ", " << negative << " in entry " << e;
    }
  return lines;
}

std::map<int, int> LineWeightsOfTaps(const TapList& taps) {
  std::map<int, int> lines;
  for (const Tap& tap : taps) lines[tap.Index] += tap.Weight;
  std::erase_if(lines, [](const auto& line) { return line.second == 0; });
  return lines;
}

// Weights beyond the entries' byte range, taps folded onto one line at the borders and strong
// reductions all come out as entries whose bytes add up to the taps' weights, line by line, in
// both group forms.
TEST(GroupPlan, EntriesAddUpToTheTaps) {
  for (BlendForm form : {BlendForm::Groups, BlendForm::PairSumGroups})
    for (const auto& [from, to] : std::vector<std::pair<int, int>>{
             {64, 64}, {64, 32}, {64, 128}, {256, 64}, {4, 2}, {2, 3}, {9, 5}, {300, 7}, {1, 4}, {513, 256}}) {
      const BlendPlan plan = MakeBlendPlan(from, to, MitchellKernel, kMitchellRadius, 1, form);
      const std::vector<TapList> lists = BuildTapLists(from, to, AxisScale(from, to), MitchellKernel, kMitchellRadius);
      ASSERT_EQ(plan.GroupBegin.size(), static_cast<size_t>(to) + 1);
      EXPECT_TRUE(plan.Pairs.empty());
      for (int i = 0; i < to; ++i)
        EXPECT_EQ(LineWeightsOfEntries(plan, i), LineWeightsOfTaps(lists[i]))
            << static_cast<int>(form) << ": " << from << " to " << to << ", output " << i;
    }
}

// A filter of weights the test sets, to reach totals and weights the Mitchell filter never gives:
// g_centre on the tap under the centre, g_side on its two neighbours.
float g_centre = 0, g_side = 0;
float WideFilter(float t) {
  const float x = std::fabs(t);
  return x < 0.5f ? g_centre : x < 1.5f ? g_side : 0.0f;
}

// Totals outside the reciprocal range and wide weights leave the grouped routes to the line
// kernels; a weight of several bytes' worth is spread over several entries, and large weights
// that share a pair of bytes (−320 and −320, 256 and 256 two lines apart) over more entries of
// the AVX2 grouping, where one entry would saturate a 16-bit pair sum over white pixels. Every
// case gives the plain route's bytes, and the grouped routes take every plan whose totals they
// can divide by.
TEST(GroupPlan, OddWeightsGiveThePlainBytes) {
  const QImage source = NoiseWithEdges(8, 8, 1u);
  const std::vector<std::pair<float, float>> weights = {{0.0f, 0.0f},    {1 / 256.f, 0.0f}, {20.0f, 0.0f},
                                                        {200.0f, 0.0f},  {3.0f, 0.0f},      {-0.75f, 0.0f},
                                                        {10.0f, -0.75f}, {3.0f, -1.25f},    {1.0f, -0.25f},
                                                        {0.5f, 0.5f},    {0.25f, 1.0f},     {16.0f, -1.0f},
                                                        {-0.75f, 1.0f}};  // centre × 256 and side × 256: 5120; −192;
                                                                          // 2560 beside −192; 768 beside −320; ...
  for (const auto& [centre, side] : weights) {
    g_centre = centre;
    g_side = side;
    const std::vector<TapList> lists = BuildTapLists(8, 8, 1.0f, WideFilter, 2.0f);
    QImage plain(8, 8, QImage::Format_RGB888);
    ASSERT_TRUE(ResampleTwoPassUsing(BlendKernel::Scalar, WideFilter, 2.0f, source, plain));
    for (const auto& [kernel, form] : {std::pair{BlendKernel::Vnni, BlendForm::Groups},
                                       std::pair{BlendKernel::Avx2Groups, BlendForm::PairSumGroups}}) {
      const BlendPlan plan = MakeBlendPlan(8, 8, WideFilter, 2.0f, 1, form);
      if (plan.Narrow) {
        for (int i = 0; i < 8; ++i)
          EXPECT_EQ(LineWeightsOfEntries(plan, i), LineWeightsOfTaps(lists[i])) << centre << ", " << side;
      }
      if (!BlendKernelAvailable(kernel)) continue;
      const bool divisible = std::find(plan.Reciprocal.begin(), plan.Reciprocal.end(), 0u) == plan.Reciprocal.end();
      QImage grouped(8, 8, QImage::Format_RGB888);
      grouped.fill(Qt::black);
      EXPECT_EQ(ResampleGrouped(kernel, plan, plan, source, grouped), plan.Narrow && divisible)
          << centre << ", " << side;
      if (plan.Narrow && divisible) {
        EXPECT_EQ(grouped, plain) << static_cast<int>(kernel) << ": " << centre << ", " << side;
      }
    }
    for (BlendKernel kernel : kFastKernels) {
      if (!BlendKernelAvailable(kernel)) continue;
      QImage fast(8, 8, QImage::Format_RGB888);
      ASSERT_TRUE(ResampleTwoPassUsing(kernel, WideFilter, 2.0f, source, fast));
      EXPECT_EQ(fast, plain) << static_cast<int>(kernel) << ": " << centre << ", " << side;
    }
  }
}

// A grouped route takes only plans whose bytes it can apply exactly: whole signed bytes would
// saturate the AVX2 grouping's 16-bit pair sums, and its narrower bytes are not the dot
// product's plan either.
TEST(GroupPlan, EachGroupedRouteTakesOnlyItsOwnForm) {
  const QImage source = NoiseWithEdges(64, 64, 2u);
  const BlendPlan whole = MakeBlendPlan(64, 32, MitchellKernel, kMitchellRadius, 1, BlendForm::Groups);
  const BlendPlan pairSum = MakeBlendPlan(64, 32, MitchellKernel, kMitchellRadius, 1, BlendForm::PairSumGroups);
  const BlendPlan pairs = MakeBlendPlan(64, 32, MitchellKernel, kMitchellRadius, 1);
  QImage dest(32, 32, QImage::Format_RGB888);
  if (BlendKernelAvailable(BlendKernel::Avx2Groups)) {
    EXPECT_TRUE(ResampleGrouped(BlendKernel::Avx2Groups, pairSum, pairSum, source, dest));
    EXPECT_FALSE(ResampleGrouped(BlendKernel::Avx2Groups, whole, whole, source, dest));
    EXPECT_FALSE(ResampleGrouped(BlendKernel::Avx2Groups, pairs, pairs, source, dest));
  }
  if (BlendKernelAvailable(BlendKernel::Vnni)) {
    EXPECT_TRUE(ResampleGrouped(BlendKernel::Vnni, whole, whole, source, dest));
    EXPECT_FALSE(ResampleGrouped(BlendKernel::Vnni, pairSum, pairSum, source, dest));
  }
  EXPECT_FALSE(ResampleGrouped(BlendKernel::Avx2, pairSum, pairSum, source, dest));
}

}  // namespace
