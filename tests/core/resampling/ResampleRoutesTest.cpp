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
std::map<int, int> LineWeightsOfEntries(const GroupPlan& groups, int output) {
  std::map<int, int> lines;
  for (int e = groups.Begin[output]; e < groups.Begin[output + 1]; ++e)
    for (int t = 0; t < 4; ++t) {
      const int weight = static_cast<int8_t>(groups.Entries[e].Weights >> (8 * t));
      if (weight != 0) lines[static_cast<int>(groups.Entries[e].Group) * 4 + t] += weight;
    }
  return lines;
}

std::map<int, int> LineWeightsOfTaps(const BlendPlan& plan, int output) {
  std::map<int, int> lines;
  for (int p = plan.Begin[output]; p < plan.Begin[output + 1]; ++p) {
    lines[plan.Pairs[p].IndexA] += plan.Pairs[p].WeightA;
    lines[plan.Pairs[p].IndexB] += plan.Pairs[p].WeightB;
  }
  std::erase_if(lines, [](const auto& line) { return line.second == 0; });
  return lines;
}

// Weights beyond a signed byte, taps folded onto one line at the borders and strong reductions
// all come out as entries whose bytes add up to the taps' weights, line by line.
TEST(GroupPlan, EntriesAddUpToTheTaps) {
  for (const auto& [from, to] : std::vector<std::pair<int, int>>{
           {64, 64}, {64, 32}, {64, 128}, {256, 64}, {4, 2}, {2, 3}, {9, 5}, {300, 7}, {1, 4}, {513, 256}}) {
    const BlendPlan plan = MakeBlendPlan(from, to, MitchellKernel, kMitchellRadius, 1);
    GroupPlan groups;
    ASSERT_TRUE(MakeGroupPlan(plan, groups)) << from << " to " << to;
    ASSERT_EQ(groups.Begin.size(), static_cast<size_t>(to) + 1);
    for (int i = 0; i < to; ++i)
      EXPECT_EQ(LineWeightsOfEntries(groups, i), LineWeightsOfTaps(plan, i))
          << from << " to " << to << ", output " << i;
  }
}

// A filter of weights the test sets, to reach totals and weights the Mitchell filter never gives.
float g_weight = 0;
float WideFilter(float t) { return t > -0.5f && t < 0.5f ? g_weight : 0.0f; }

TEST(GroupPlan, RefusesTotalsOutsideTheReciprocalRangeAndWideWeights) {
  for (float weight : {0.0f, 1 / 256.f, 20.0f, 200.0f}) {  // totals 0, 1, 5120; a weight of 51200
    g_weight = weight;
    GroupPlan groups;
    EXPECT_FALSE(MakeGroupPlan(MakeBlendPlan(8, 8, WideFilter, 2.0f, 1), groups)) << weight;
  }
  g_weight = 3.0f;  // 768 in 1/256: six entries' worth on one line
  const BlendPlan plan = MakeBlendPlan(8, 8, WideFilter, 2.0f, 1);
  GroupPlan groups;
  ASSERT_TRUE(MakeGroupPlan(plan, groups));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(LineWeightsOfEntries(groups, i), LineWeightsOfTaps(plan, i));
  // And the routes still agree, the grouped one included.
  const QImage source = NoiseWithEdges(8, 8, 1u);
  QImage plain(8, 8, QImage::Format_RGB888), grouped(8, 8, QImage::Format_RGB888);
  ASSERT_TRUE(ResampleTwoPassUsing(BlendKernel::Scalar, WideFilter, 2.0f, source, plain));
  ASSERT_TRUE(ResampleTwoPassUsing(FastestBlendKernel(), WideFilter, 2.0f, source, grouped));
  EXPECT_EQ(grouped, plain);
}

}  // namespace
