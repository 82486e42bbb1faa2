#include "app/platform/TonePlayer.h"

#include <gtest/gtest.h>

namespace mosaicor {

namespace {

// Test machines have no sound card: the player must then stay silent and return at once,
// and where a device does open, a short tone must come back after it was played.
TEST(TonePlayer, PlaysOrStaysSilentWithoutHanging) {
  TonePlayer player;
  player.PlayTone(440, 5);
  player.PlayTone(0, 10);
  player.PlayTone(440, 0);
  SUCCEED() << (player.IsAudible() ? "audible" : "silent");
}

// Without a sound device the sound library has nothing to say on stderr either.
TEST(TonePlayer, LeavesStderrQuiet) {
  ::testing::internal::CaptureStderr();
  { TonePlayer player; }
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace

}  // namespace mosaicor
