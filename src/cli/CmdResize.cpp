#include "cli/Batch.h"
#include "cli/Commands.h"

#include "core/imagefiles/ImageFileModule.h"
#include "core/resampling/TileResampler.h"
#include "core/resampling/TileSizes.h"

namespace mosaicor {

int RunResize(const CliOptions& options) {
  return RunPictureBatch(options, [&options](const QString& input) -> Result<QImage> {
    PixelFormatCode format = PixelFormatCode::Device;
    QImage source;
    if (const PictureOutcome loaded = LoadQuietly(input, source, format); !loaded) return FailureLine(loaded);
    if (options.verbose)
      ReportNote(options, QStringLiteral("%1: source pixel format: %2").arg(input, PF2String(format)));
    // Keyed before the resize, as the Source's picture is keyed before a cut.
    const Result<QImage> keyed = KeyedAsAsked(options, std::move(source));
    if (!keyed) return keyed.Status();
    source = keyed.Value();
    // The resampler drops alpha, so an --alpha output is opaque throughout.
    QImage picture = options.scrollTile ? MakeScrollTile(source) : ResizeTile(options.width, options.height, source);
    if (picture.isNull())
      return Failure<>{QStringLiteral("cannot resample a %1 x %2 picture").arg(source.width()).arg(source.height())};
    return picture;
  });
}

}  // namespace mosaicor
