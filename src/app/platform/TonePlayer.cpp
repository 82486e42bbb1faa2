#include "app/platform/TonePlayer.h"

#include <cmath>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#elif defined(MOSAICOR_HAVE_ALSA)
#include <alsa/asoundlib.h>
#endif

namespace mosaicor {

#if defined(_WIN32)

TonePlayer::TonePlayer() { device_ = this; }
TonePlayer::~TonePlayer() = default;
void TonePlayer::PlayTone(int frequencyHz, int durationMs) {
  Beep(static_cast<DWORD>(frequencyHz), static_cast<DWORD>(durationMs));
}

#elif defined(MOSAICOR_HAVE_ALSA)

namespace {
constexpr unsigned SampleRate = 22050;

// The library's own complaints (no card, no configuration) go to stderr on every start of a
// machine without sound; a missing device is already answered by silence.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

TonePlayer::TonePlayer() {
  snd_lib_error_set_handler(IgnoreAlsaError);
  snd_pcm_t* pcm = nullptr;
  // Opened without blocking, so a busy or absent device never stalls the program.
  if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return;
  if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, SampleRate, 1, 100000) < 0 ||
      snd_pcm_nonblock(pcm, 0) < 0) {
    snd_pcm_close(pcm);
    return;
  }
  device_ = pcm;
}

TonePlayer::~TonePlayer() {
  if (device_) snd_pcm_close(static_cast<snd_pcm_t*>(device_));
}

void TonePlayer::PlayTone(int frequencyHz, int durationMs) {
  if (!device_ || frequencyHz <= 0 || durationMs <= 0) return;
  auto* pcm = static_cast<snd_pcm_t*>(device_);
  // A square wave at a modest level, like a PC speaker.
  const auto count = static_cast<snd_pcm_uframes_t>(SampleRate * static_cast<unsigned>(durationMs) / 1000);
  std::vector<int16_t> samples(count);
  const double period = static_cast<double>(SampleRate) / frequencyHz;
  for (snd_pcm_uframes_t i = 0; i < count; ++i) samples[i] = std::fmod(i, period) < period / 2 ? 6000 : -6000;
  snd_pcm_prepare(pcm);
  snd_pcm_uframes_t written = 0;
  while (written < count) {
    const snd_pcm_sframes_t n = snd_pcm_writei(pcm, samples.data() + written, count - written);
    if (n < 0) {
      if (snd_pcm_recover(pcm, static_cast<int>(n), 1) < 0) return;
      continue;
    }
    written += static_cast<snd_pcm_uframes_t>(n);
  }
  snd_pcm_drain(pcm);  // returns when the tone has been heard
}

#else

TonePlayer::TonePlayer() = default;
TonePlayer::~TonePlayer() = default;
void TonePlayer::PlayTone(int, int) {}

#endif

}  // namespace mosaicor
