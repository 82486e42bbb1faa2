#include "core/extraction/MakeBeep.h"

#include <gtest/gtest.h>

#include <utility>

namespace mosaicor {

namespace {

struct RecordingPlayer : ITonePlayer {
  std::vector<std::pair<int, int>> tones;
  void PlayTone(int frequencyHz, int durationMs) override { tones.emplace_back(frequencyHz, durationMs); }
};

TEST(FallingBeep, PlaysTenFallingTonesOf37Ms) {
  RecordingPlayer player;
  FallingBeep(player);
  const std::vector<std::pair<int, int>> expected = {{195, 37}, {180, 37}, {165, 37}, {150, 37}, {135, 37},
                                                      {120, 37}, {105, 37}, {90, 37},  {75, 37},  {60, 37}};
  EXPECT_EQ(player.tones, expected);
}

}  // namespace

}  // namespace mosaicor
