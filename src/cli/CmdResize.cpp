#include "cli/Batch.h"
#include "cli/Commands.h"

#include "core/imagefiles/ImageFileModule.h"
#include "core/graphics/AlphaKeying.h"
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
    QImage picture;
    if (options.keyAlpha && WorthKeying(source)) {
      // Keyed after the resize, colour and alpha resampled together: no magenta bleeds into the edges.
      const QSize size = options.scrollTile ? QSize(kScrollTileWidth, kScrollTileHalfHeight)
                                            : QSize(options.width, options.height);
      picture = KeyAlphaToMagenta(ResizeTileWithAlpha(size.width(), size.height(), source), options.keying);
      if (options.scrollTile && !picture.isNull()) picture = RepeatedScrollHalf(picture);
    } else {  // The resampler drops alpha, so an --alpha output is opaque throughout.
      picture = options.scrollTile ? MakeScrollTile(source) : ResizeTile(options.width, options.height, source);
    }
    if (picture.isNull())
      return Failure<>{QStringLiteral("cannot resample a %1 x %2 picture").arg(source.width()).arg(source.height())};
    return picture;
  });
}

}  // namespace mosaicor
