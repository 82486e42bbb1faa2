#pragma once
// The platform's synchronous tone call: ALSA on Linux, Beep on Windows. Where no audio
// device opens, the player stays silent and returns at once.

#include "core/extraction/MakeBeep.h"

namespace mosaicor {

class TonePlayer final : public ITonePlayer {
 public:
  TonePlayer();
  ~TonePlayer() override;
  TonePlayer(const TonePlayer&) = delete;
  TonePlayer& operator=(const TonePlayer&) = delete;

  void PlayTone(int frequencyHz, int durationMs) override;
  // True when tones really reach a device.
  bool IsAudible() const { return device_ != nullptr; }

 private:
  void* device_ = nullptr;  // snd_pcm_t* on Linux; unused on Windows
};

}  // namespace mosaicor
