#include "Batch.h"
#include "Commands.h"

#include "extraction/HeadlessExtraction.h"

namespace mosaicor {

int RunAnimated(const CliOptions& options) {
  return RunPictureBatch(options, [&options](const QString& input) {
    return ExtractLevelPicture(LevelExtract::Animated, input, options.maskTransparency);
  });
}

}  // namespace mosaicor
