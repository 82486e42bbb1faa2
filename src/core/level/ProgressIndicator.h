#pragma once

namespace mosaicor {
// How long operations of the core (loading a level) tell their owner how far they are.
// The loading window implements it with a gauge that repaints at once, because a load runs to
// its end without returning to the event loop; the companion and the tests use their own.

class ProgressIndicator {
 public:
  virtual ~ProgressIndicator() = default;
  // percent is 0..100; 0 also means "idle again".
  virtual void SetProgress(int percent) = 0;
};

}  // namespace mosaicor
