#include "Batch.h"
#include "Commands.h"

#include "extraction/HeadlessExtraction.h"

int RunAnimated(const CliOptions& options) {
  return RunPictureBatch(options, [&options](const QString& input, QImage& picture, QString& reason) {
    mosaicor::Result<QImage> extracted =
        ExtractLevelPicture(LevelPicture::AnimatedTextures, input, options.maskTransparency);
    if (!extracted) {
      reason = extracted.Text();
      return false;
    }
    picture = std::move(extracted).Value();
    return true;
  });
}
