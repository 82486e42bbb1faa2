#pragma once
// The warning sound of a failed or empty level extraction: a falling run of short tones.
// The tones go through a player interface, so the desktop program sounds them and tests
// record them.

#include <vector>

namespace mosaicor {

class ITonePlayer {
 public:
  virtual ~ITonePlayer() = default;
  // Sounds one tone and returns when it has ended.
  virtual void PlayTone(int frequencyHz, int durationMs) = 0;
};

// 195, 180, ... 60 Hz: every multiple of 15 from 200 Hz down to 50 Hz.
std::vector<int> FallingBeepFrequencies();

inline constexpr int FallingBeepToneMs = 37;

void FallingBeep(ITonePlayer& player);

}  // namespace mosaicor
