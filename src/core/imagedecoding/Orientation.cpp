#include "core/imagedecoding/Orientation.h"

#include <QTransform>

namespace mosaicor {

QImage Oriented(QImage image, int orientation) {
  switch (orientation) {
    case 2:
      return image.mirrored(true, false);
    case 3:
      return image.mirrored(true, true);
    case 4:
      return image.mirrored(false, true);
    // Qt turns by quarters in the picture's own format but draws any other transform in 32 bits
    // premultiplied, so the transposes are a quarter turn and a mirror.
    case 5:
      return image.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6:
      return image.transformed(QTransform().rotate(90));
    case 7:
      return image.transformed(QTransform().rotate(90)).mirrored(false, true);
    case 8:
      return image.transformed(QTransform().rotate(270));
    default:
      return image;
  }
}

}  // namespace mosaicor
