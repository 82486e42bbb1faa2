#pragma once
// The eight orientations of TIFF and EXIF (1 as stored, 2 to 8 mirrored and turned), shared by the
// readers whose files can say that their rows are to be shown turned.

#include <QImage>

namespace mosaicor {

// The picture as it is meant to be seen; values outside 2 to 8 leave it as stored.
QImage Oriented(QImage image, int orientation);

}  // namespace mosaicor
