#include "app/platform/PickerCursor.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cmath>

#include "app/art/Art.h"

namespace mosaicor {

QCursor LoadPickerCursor() {
  // Drawn at the screen's scale, so the pipette stays sharp at 200 %; the hot spot is given in the
  // cursor's own 32 x 32 coordinates.
  qreal scale = 1.0;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) scale = screen->devicePixelRatio();
  const int pixels = static_cast<int>(std::ceil(32 * scale));
  QPixmap pixmap = QPixmap::fromImage(LoadArt(":/PICKER.png", pixels));
  if (pixmap.isNull()) return QCursor(Qt::CrossCursor);
  pixmap.setDevicePixelRatio(static_cast<qreal>(pixels) / 32);
  return QCursor(pixmap, PickerHotSpot.x(), PickerHotSpot.y());
}

}  // namespace mosaicor
