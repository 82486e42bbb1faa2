#include "resampling/LineBlend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace {

// A filter whose weights are whatever the test sets: tap lists are built from it through the
// ordinary builder, with scale 1 (five candidates per output, at distances 2, 1, 0, −1, −2).
float g_weights[5];
float TableFilter(float t) {
  const int slot = static_cast<int>(std::lround(2 - t));
  return slot >= 0 && slot < 5 ? g_weights[slot] : 0.0f;
}

uint8_t ExpectedByte(int64_t sum, int total) {
  const int32_t narrowSum = static_cast<int32_t>(sum);
  const int32_t value = total != 0 ? narrowSum / total : static_cast<int32_t>(static_cast<uint32_t>(narrowSum) >> 8);
  return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

// Every kernel this processor runs gives, for every byte, the plain sum divided and clamped.
TEST(BlendLine, EveryKernelMatchesThePlainBlend) {
  std::mt19937 random(5);
  const int lineCount = 9, pixels = 21, stride = LineStride(pixels);
  std::vector<uint32_t> lines(static_cast<size_t>(lineCount) * stride);
  for (uint32_t& pixel : lines) pixel = random();
  const std::vector<std::vector<float>> weightSets = {
      {0.0f, 14 / 256.f, 228 / 256.f, 14 / 256.f, 0.0f},      // total 256
      {-9 / 256.f, 138 / 256.f, 136 / 256.f, -9 / 256.f, 0},  // four taps
      {0, 0, 1 / 256.f, 0, 0},                                // total 1
      {0, 1, -1, 0, 0},                                       // total 0
      {-1, -2, 0, 0, 1},                                      // negative total
      {10, 10, 0, 0, 0},                                      // total 5120: beyond the reciprocal range
      {200, -100, 0, 0, 0},                                   // weights wider than 16 bits
      {-4 / 256.f, 8 / 256.f, 68 / 256.f, 113 / 256.f, 68 / 256.f},
  };
  for (const auto& weights : weightSets) {
    std::copy(weights.begin(), weights.end(), g_weights);
    for (BlendKernel kernel : {BlendKernel::Scalar, BlendKernel::Sse2, BlendKernel::Avx2}) {
      if (!BlendKernelAvailable(kernel)) continue;
      BlendPlan plan = MakeBlendPlan(lineCount, lineCount, TableFilter, 2.0f, static_cast<size_t>(stride) * 4);
      plan.Kernel = kernel;
      const std::vector<TapList> lists = BuildTapLists(lineCount, lineCount, 1.0f, TableFilter, 2.0f);
      std::vector<uint32_t> out(static_cast<size_t>(stride));
      for (int i = 0; i < lineCount; ++i) {
        BlendLine(plan, i, reinterpret_cast<const uint8_t*>(lines.data()), pixels,
                  reinterpret_cast<uint8_t*>(out.data()));
        int total = 0;
        for (const Tap& tap : lists[i]) total += tap.Weight;
        for (int e = 0; e < pixels * 4; ++e) {
          int64_t sum = 0;
          for (const Tap& tap : lists[i])
            sum += int64_t{tap.Weight} * reinterpret_cast<const uint8_t*>(lines.data() + tap.Index * stride)[e];
          ASSERT_EQ(reinterpret_cast<const uint8_t*>(out.data())[e], ExpectedByte(sum, total))
              << "kernel " << static_cast<int>(kernel) << ", output " << i << ", byte " << e << ", weight "
              << weights[0];
        }
      }
    }
  }
}

}  // namespace
