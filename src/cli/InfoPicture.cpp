#include "Commands.h"
#include "QuietStderr.h"

#include "imagefiles/ImageFileModule.h"

#include <new>

bool DescribePicture(const QString& path, FileFacts& facts, QString& reason) {
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
  // The pixel format as the desktop program names it ("24 bits"), never as its code.
  const QString size = QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height());
  facts.lines << QStringLiteral("size: %1").arg(size) << QStringLiteral("pixel_format: %1").arg(PF2String(format));
  facts.brief = QStringLiteral("%1 %2 %3").arg(ImageFileModule::UpperExtension(path).mid(1), size, PF2String(format));
  return true;
}
