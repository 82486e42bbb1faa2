#include "Batch.h"
#include "Commands.h"

#include "extraction/HeadlessExtraction.h"

namespace mosaicor {

int RunAnimated(const CliOptions& options) {
  return RunPictureBatch(options, [&options](const QString& input) {
    return ExtractLevelPicture(LevelPicture::AnimatedTextures, input, options.maskTransparency);
  });
}

}  // namespace mosaicor
