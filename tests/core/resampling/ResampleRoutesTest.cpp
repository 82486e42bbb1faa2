#include <gtest/gtest.h>

#include <QImage>
#include <array>
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
    for (BlendKernel kernel : {BlendKernel::Sse2, BlendKernel::Avx2, BlendKernel::Vnni}) {
      if (!BlendKernelAvailable(kernel)) continue;
      EXPECT_EQ(ResampleWith(kernel, source, nw, nh), plain)
          << "kernel " << static_cast<int>(kernel) << ", " << sw << "x" << sh << " to " << nw << "x" << nh;
    }
  }
}

// The weight each line gets from an output's entries, and from its taps.
std::map<int, int> LineWeightsOfEntries(const BlendPlan& plan, int output) {
  std::map<int, int> lines;
  for (int e = plan.GroupBegin[output]; e < plan.GroupBegin[output + 1]; ++e)
    for (int t = 0; t < 4; ++t) {
      const int weight = static_cast<int8_t>(plan.Groups[e].Weights >> (8 * t));
      if (weight != 0) lines[static_cast<int>(plan.Groups[e].Group) * 4 + t] += weight;
    }
  return lines;
}

std::map<int, int> LineWeightsOfTaps(const TapList& taps) {
  std::map<int, int> lines;
  for (const Tap& tap : taps) lines[tap.Index] += tap.Weight;
  std::erase_if(lines, [](const auto& line) { return line.second == 0; });
  return lines;
}

// Weights beyond a signed byte, taps folded onto one line at the borders and strong reductions
// all come out as entries whose bytes add up to the taps' weights, line by line.
TEST(GroupPlan, EntriesAddUpToTheTaps) {
  for (const auto& [from, to] : std::vector<std::pair<int, int>>{
           {64, 64}, {64, 32}, {64, 128}, {256, 64}, {4, 2}, {2, 3}, {9, 5}, {300, 7}, {1, 4}, {513, 256}}) {
    const BlendPlan plan = MakeBlendPlan(from, to, MitchellKernel, kMitchellRadius, 1, BlendForm::Groups);
    const std::vector<TapList> lists = BuildTapLists(from, to, AxisScale(from, to), MitchellKernel, kMitchellRadius);
    ASSERT_EQ(plan.GroupBegin.size(), static_cast<size_t>(to) + 1);
    EXPECT_TRUE(plan.Pairs.empty());
    for (int i = 0; i < to; ++i)
      EXPECT_EQ(LineWeightsOfEntries(plan, i), LineWeightsOfTaps(lists[i])) << from << " to " << to << ", output " << i;
  }
}

// A filter of weights the test sets, to reach totals and weights the Mitchell filter never gives.
float g_weight = 0;
float WideFilter(float t) { return t > -0.5f && t < 0.5f ? g_weight : 0.0f; }

// Totals outside the reciprocal range and wide weights leave the grouped route to the line
// kernels; a weight of several bytes' worth is spread over several entries. Every case gives
// the plain route's bytes.
TEST(GroupPlan, OddWeightsGiveThePlainBytes) {
  const QImage source = NoiseWithEdges(8, 8, 1u);
  for (float weight : {0.0f, 1 / 256.f, 20.0f, 200.0f, 3.0f, -0.75f}) {  // 0, 1, 5120, 51200, 768, −192
    g_weight = weight;
    const BlendPlan plan = MakeBlendPlan(8, 8, WideFilter, 2.0f, 1, BlendForm::Groups);
    const std::vector<TapList> lists = BuildTapLists(8, 8, 1.0f, WideFilter, 2.0f);
    if (plan.Narrow) {
      for (int i = 0; i < 8; ++i) EXPECT_EQ(LineWeightsOfEntries(plan, i), LineWeightsOfTaps(lists[i])) << weight;
    }
    QImage plain(8, 8, QImage::Format_RGB888), fastest(8, 8, QImage::Format_RGB888);
    ASSERT_TRUE(ResampleTwoPassUsing(BlendKernel::Scalar, WideFilter, 2.0f, source, plain));
    ASSERT_TRUE(ResampleTwoPassUsing(FastestBlendKernel(), WideFilter, 2.0f, source, fastest));
    EXPECT_EQ(fastest, plain) << weight;
  }
}

}  // namespace
