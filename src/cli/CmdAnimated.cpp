#include "cli/Batch.h"
#include "cli/Commands.h"

#include "core/extraction/HeadlessExtraction.h"

namespace mosaicor {

int RunAnimated(const CliOptions& options) {
  return RunPictureBatch(options, [&options](const QString& input) {
    return ExtractLevelPicture(LevelExtract::Animated, input, options.maskTransparency);
  });
}

}  // namespace mosaicor
