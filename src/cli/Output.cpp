#include "cli/Batch.h"
#include "cli/QuietStderr.h"

#include "core/common/FailureMessage.h"
#include "core/graphics/AlphaKeying.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/imagefiles/TgaWriter.h"

namespace mosaicor {

Outcome<> WriteOutput(const QImage& picture, const QString& path, bool alpha) {
  if (alpha) return SaveAsUncompTGA32bits(picture, path);
  // The way the program saves a texture set: 24 bits, by the extension, the whole picture.
  const PictureOutcome saved =
      ImageFileModule().SaveImageAs24BitsFile(picture, picture.width(), picture.height(), path);
  if (!saved) return FailureLine(saved);
  return {};
}

PictureOutcome LoadQuietly(const QString& input, QImage& picture, PixelFormatCode& format) {
  const QuietStderr quiet;
  return ImageFileModule().LoadImageAs32BitsFile(picture, input, format);
}

Result<QImage> KeyedAsAsked(const CliOptions& options, QImage picture) {
  if (!options.keyAlpha || !WorthKeying(picture)) return picture;
  QImage keyed = KeyAlphaToMagenta(picture, options.keying);
  if (keyed.isNull()) return Failure<>{QStringLiteral("not enough memory to key the alpha to magenta")};
  return keyed;
}

Failure<> FailureLine(const Outcome<>& failed) { return {FailureText(failed)}; }

}  // namespace mosaicor
