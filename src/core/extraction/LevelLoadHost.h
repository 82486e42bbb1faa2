#pragma once

namespace mosaicor {
// What a level extraction needs of whoever runs it: a loading window to show and hide, a gauge
// for the reader to move, a way to let pending events run, and a tone player for the failure
// beep. The desktop program answers with its loading window; the companion and the tests answer
// without windows or sound.

class ProgressIndicator;
class ITonePlayer;

class ILevelLoadHost {
 public:
  virtual ~ILevelLoadHost() = default;
  virtual void ShowLoadingWindow() = 0;
  virtual void HideLoadingWindow() = 0;
  // The gauge handed to the level reader while it reads; null when there is none.
  virtual ProgressIndicator* LoadingProgress() = 0;
  virtual void ProcessPendingEvents() = 0;
  virtual ITonePlayer& Tones() = 0;
};

}  // namespace mosaicor
