#include "app/art/Art.h"

#include <QFile>

// Q_INIT_RESOURCE declares the registration function where it is used, so it must stand outside
// any namespace.
static void RegisterMosaicorResources() {
  Q_INIT_RESOURCE(art);
  Q_INIT_RESOURCE(documents);
  Q_INIT_RESOURCE(translations);
}

namespace mosaicor {

void InitResources() {
  static const bool registered = (RegisterMosaicorResources(), true);
  (void)registered;
}

const QStringList& GlyphNames() {
  static const QStringList names = {"reset",  "view",  "style", "opaque", "magenta", "picker", "alpha", "none",
                                    "rotate", "hflip", "vflip", "swap",   "move",    "stop",   "help"};
  return names;
}

QIcon LoadGlyph(const QString& name) {
  InitResources();
  return QIcon(":/glyph/" + name + ".png");
}

QIcon LoadWindowIcon() {
  InitResources();
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icon/mosaicor-%1.png").arg(size), QSize(size, size));
  return icon;
}

QImage LoadArt(const QString& resourcePath, int size) {
  InitResources();
  QImage image(resourcePath);
  if (image.isNull() || size <= 0) return {};
  if (size > image.width()) {
    QString doubled = resourcePath;
    doubled.insert(doubled.lastIndexOf('.'), QLatin1String("@2x"));
    const QImage larger(doubled);
    if (!larger.isNull()) image = larger;
  }
  if (image.width() != size) image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace mosaicor
