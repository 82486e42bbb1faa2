#include "Batch.h"
#include "Commands.h"
#include "QuietStderr.h"

#include "imagefiles/ImageFileModule.h"
#include "resampling/TileResampler.h"
#include "resampling/TileSizes.h"

int RunResize(const CliOptions& options) {
  return RunPictureBatch(options, [&options](const QString& input, QImage& picture, QString& reason) {
    CollectedMessages messages;
    ImageFileModule files(messages);
    PixelFormatCode format = PixelFormatCode::Device;
    QImage source;
    bool loaded;
    {
      const QuietStderr quiet;
      loaded = files.LoadImageAs32BitsFile(source, input, format);
    }
    if (!loaded) {
      reason = messages.LastLine();
      return false;
    }
    if (options.verbose) ReportNote(options, QStringLiteral("%1: source pixel format: %2").arg(input, PF2String(format)));
    // The resampler drops alpha, so an --alpha output is opaque throughout.
    picture = options.scrollTile ? MakeScrollTile(source) : ResizeTile(options.width, options.height, source);
    if (picture.isNull()) {
      reason = QStringLiteral("cannot resample a %1 x %2 picture").arg(source.width()).arg(source.height());
      return false;
    }
    return true;
  });
}
