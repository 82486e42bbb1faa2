#include "core/extraction/MakeBeep.h"

namespace mosaicor {

std::vector<int> FallingBeepFrequencies() {
  std::vector<int> frequencies;
  for (int f = 200; f >= 50; --f)
    if (f % 15 == 0) frequencies.push_back(f);
  return frequencies;
}

void FallingBeep(ITonePlayer& player) {
  for (int f : FallingBeepFrequencies()) player.PlayTone(f, FallingBeepToneMs);
}

}  // namespace mosaicor
