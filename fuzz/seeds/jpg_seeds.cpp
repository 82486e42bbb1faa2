// Seed corpus of the JPEG fuzzer: colour and greyscale pictures from our own writer and libjpeg.
#include "SeedFolder.h"
#include "TestPictures.h"

#include "imagefiles/JpegWriter.h"

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  bool ok = true;
  QString error;
  ok &= WriteSeed(dir, "f.jpg", EncodeJpeg(MakeFPicture(33, 17), error));
  ok &= WriteSeed(dir, "coords.jpg", EncodeJpeg(MakeCoordinatePicture(64, 48), error));
  ok &= WriteSeed(dir, "tiny.jpg", EncodeJpeg(MakeFPicture(1, 1), error));
  QImage grey(40, 24, QImage::Format_Grayscale8);
  for (int y = 0; y < grey.height(); ++y)
    for (int x = 0; x < grey.width(); ++x) grey.scanLine(y)[x] = uchar(x * 6 + y);
  ok &= WriteSeed(dir, "grey_as_colour.jpg", EncodeJpeg(grey, error));
  return ok ? 0 : 1;
}
