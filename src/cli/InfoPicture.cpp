#include "Batch.h"
#include "Commands.h"
#include "QuietStderr.h"

#include "imagefiles/ImageFileModule.h"

#include <new>

namespace mosaicor {

Result<FileFacts> DescribePicture(const QString& path) {
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  try {
    const QuietStderr quiet;
    if (const PictureOutcome loaded = ImageFileModule().LoadImageFile(picture, path, &format); !loaded)
      return FailureLine(loaded);
  } catch (const std::bad_alloc&) {
    return Failure<>{QStringLiteral("not enough memory")};
  }
  // The pixel format as the desktop program names it ("24 bits"), never as its code.
  const QString size = QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height());
  FileFacts facts;
  facts.lines << QStringLiteral("size: %1").arg(size) << QStringLiteral("pixel_format: %1").arg(PF2String(format));
  facts.brief = QStringLiteral("%1 %2 %3").arg(ImageFileModule::UpperExtension(path).mid(1), size, PF2String(format));
  return facts;
}

}  // namespace mosaicor
