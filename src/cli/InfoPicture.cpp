#include "Commands.h"
#include "QuietStderr.h"

#include "imagefiles/ImageFileModule.h"

bool DescribePicture(const QString& path, QStringList& lines, QString& reason) {
  CollectedMessages messages;
  ImageFileModule files(messages);
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  bool loaded;
  {
    const QuietStderr quiet;
    loaded = files.LoadImageFile(picture, path, &format);
  }
  if (!loaded) {
    reason = messages.LastLine();
    return false;
  }
  lines << QStringLiteral("size: %1x%2").arg(picture.width()).arg(picture.height())
        << QStringLiteral("pixel_format: %1").arg(PF2String(format))
        << QStringLiteral("pixel_format_code: %1").arg(static_cast<int>(format));
  return true;
}
