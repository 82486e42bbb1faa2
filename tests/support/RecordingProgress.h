#pragma once
// A progress indicator for tests: remembers every value it was given, in order.

#include "core/level/ProgressIndicator.h"

#include <vector>

namespace mosaicor {

class RecordingProgress : public ProgressIndicator {
 public:
  void SetProgress(int percent) override { values.push_back(percent); }
  std::vector<int> values;
};

}  // namespace mosaicor
