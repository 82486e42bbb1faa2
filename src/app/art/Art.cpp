#include "art/Art.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

// Q_INIT_RESOURCE declares the registration function where it is used, so it must stand outside
// any namespace.
static void RegisterMosaicorResources() {
  Q_INIT_RESOURCE(art);
  Q_INIT_RESOURCE(documents);
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
  return QIcon(":/glyph/" + name);
}

QIcon LoadWindowIcon() {
  InitResources();
  return QIcon(":/icon/mosaicor");
}

QImage RenderSvg(const QString& resourcePath, int size) {
  InitResources();
  QSvgRenderer renderer(resourcePath);
  if (!renderer.isValid() || size <= 0) return {};
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return image;
}

}  // namespace mosaicor
