#pragma once
// A level-load host for tests: writes down, in order, everything the extraction asks of it.

#include "core/extraction/LevelLoadHost.h"
#include "core/extraction/MakeBeep.h"
#include "core/level/ProgressIndicator.h"

#include <string>
#include <vector>

namespace mosaicor {

class RecordingHost final : public ILevelLoadHost, public ITonePlayer, public ProgressIndicator {
 public:
  void ShowLoadingWindow() override {
    calls.push_back("show");
    shown = true;
  }
  void HideLoadingWindow() override {
    calls.push_back("hide");
    shown = false;
  }
  ProgressIndicator* LoadingProgress() override { return this; }
  void ProcessPendingEvents() override { calls.push_back("events"); }
  ITonePlayer& Tones() override { return *this; }
  void PlayTone(int, int) override { ++tones; }
  void SetProgress(int percent) override {
    progress.push_back(percent);
    if (!shown) progressWhileHidden = true;
  }

  bool Beeped() const { return tones == 10; }

  std::vector<std::string> calls;  // "show", "hide", "events"
  std::vector<int> progress;
  int tones = 0;
  bool shown = false;
  bool progressWhileHidden = false;
};

}  // namespace mosaicor
