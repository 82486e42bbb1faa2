// Seed corpus of the JPEG fuzzer: colour and greyscale pictures from our own writer and libjpeg.
#include "SeedFolder.h"
#include "TestPictures.h"

#include "core/imagefiles/JpegWriter.h"

using namespace mosaicor;

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  bool ok = true;
  // A picture our writer refuses fails the tool.
  const auto jpeg = [&ok](const QImage& picture) {
    const Result<QByteArray> encoded = EncodeJpeg(picture);
    ok &= encoded.Ok();
    return encoded.Ok() ? encoded.Value() : QByteArray();
  };
  ok &= WriteSeed(dir, "f.jpg", jpeg(MakeFPicture(33, 17)));
  ok &= WriteSeed(dir, "coords.jpg", jpeg(MakeCoordinatePicture(64, 48)));
  ok &= WriteSeed(dir, "tiny.jpg", jpeg(MakeFPicture(1, 1)));
  QImage grey(40, 24, QImage::Format_Grayscale8);
  for (int y = 0; y < grey.height(); ++y)
    for (int x = 0; x < grey.width(); ++x) grey.scanLine(y)[x] = uchar(x * 6 + y);
  ok &= WriteSeed(dir, "grey_as_colour.jpg", jpeg(grey));
  return ok ? 0 : 1;
}
