#include "cli/Batch.h"
#include "cli/Commands.h"

#include "core/imagefiles/ImageFileModule.h"

namespace mosaicor {

int RunConvert(const CliOptions& options) {
  return RunPictureBatch(options, [&options](const QString& input) -> Result<QImage> {
    // Loaded as the Source canvas loads a picture: to 32 bits, with the format it had.
    QImage picture;
    PixelFormatCode format = PixelFormatCode::Device;
    if (const PictureOutcome loaded = LoadQuietly(input, picture, format); !loaded) return FailureLine(loaded);
    if (options.verbose)
      ReportNote(options, QStringLiteral("%1: source pixel format: %2 (%3 x %4)")
                              .arg(input, PF2String(format))
                              .arg(picture.width())
                              .arg(picture.height()));
    return KeyedAsAsked(options, std::move(picture));
  });
}

}  // namespace mosaicor
