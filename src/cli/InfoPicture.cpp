#include "Commands.h"
#include "QuietStderr.h"

#include "imagefiles/ImageFileModule.h"

#include <new>

bool DescribePicture(const QString& path, QStringList& lines, QString& reason) {
  CollectedMessages messages;
  ImageFileModule files(messages);
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  bool loaded;
  try {
    const QuietStderr quiet;
    loaded = files.LoadImageFile(picture, path, &format);
  } catch (const std::bad_alloc&) {
    reason = QStringLiteral("not enough memory");
    return false;
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
