// Seed corpus of the TGA fuzzer: every image type, depth and descriptor our writers make.
#include "SeedFolder.h"
#include "TestPictures.h"

using namespace mosaicor;

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  const QImage f = MakeFPicture(11, 7);
  bool ok = true;
  for (int depth : {8, 15, 16, 24, 32})
    for (int type : {1, 2, 3, 9, 10, 11})
      for (int descriptor : {0x00, 0x20, 0x30}) {
        TgaSpec spec;
        spec.imageType = type, spec.pixelDepth = depth, spec.descriptor = descriptor;
        spec.width = f.width(), spec.height = f.height();
        spec.pixels = TgaPixelsOf(f, depth);
        if (type == 1 || type == 9) {
          spec.colourMapType = 1, spec.mapEntrySize = depth == 8 ? 24 : 16;
          spec.colourMap = QByteArray(16 * (spec.mapEntrySize / 8), '\x40');
        }
        spec.packetsCrossRows = descriptor == 0x30;
        ok &= WriteSeed(dir, QStringLiteral("t%1_d%2_%3.tga").arg(type).arg(depth).arg(descriptor), WriteTga(spec));
      }
  return ok ? 0 : 1;
}
