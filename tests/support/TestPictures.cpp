#include "TestPictures.h"

namespace mosaicor {

QImage MakeFPicture(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(qRgba(10, 20, 30, 255));
  const QRgb ink = qRgba(200, 100, 50, 255);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool stem = x < width / 4;
      const bool bar = y < height / 4;
      const bool arm = y >= height / 2 && y < height / 2 + height / 8 + 1 && x < width / 2;
      if (stem || bar || arm) image.setPixel(x, y, ink);
    }
  if (width > 0 && height > 0) image.setPixel(width - 1, height - 1, qRgba(10, 20, 30, 128));
  return image;
}

QImage MakeCoordinatePicture(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgba(x & 255, y & 255, (x ^ y) & 255, 255));
  return image;
}

}  // namespace mosaicor
