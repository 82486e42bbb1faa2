#include "Batch.h"
#include "Commands.h"
#include "QuietStderr.h"

#include "imagefiles/ImageFileModule.h"

int RunConvert(const CliOptions& options) {
  return RunPictureBatch(options, [&options](const QString& input, QImage& picture, QString& reason) {
    // Loaded as the Source canvas loads a picture: to 32 bits, with the format it had.
    CollectedMessages messages;
    ImageFileModule files(messages);
    PixelFormatCode format = PixelFormatCode::Device;
    bool loaded;
    {
      const QuietStderr quiet;
      loaded = files.LoadImageAs32BitsFile(picture, input, format);
    }
    if (!loaded) {
      reason = messages.LastLine();
      return false;
    }
    if (options.verbose)
      ReportNote(options, QStringLiteral("%1: source pixel format: %2 (%3 x %4)")
                              .arg(input, PF2String(format))
                              .arg(picture.width())
                              .arg(picture.height()));
    return true;
  });
}
