// Seed corpus of the TIFF fuzzer: every layout, compression and chunking our TIFF writer makes.
#include "SeedFolder.h"
#include "TestPictures.h"
#include "TiffWriter.h"

using namespace mosaicor;

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  struct Layout {
    int photometric, bits, samples, extra;
  };
  const Layout layouts[] = {{0, 1, 1, -1}, {1, 4, 1, -1}, {3, 8, 1, -1}, {1, 16, 1, -1}, {1, 8, 2, 2},
                            {2, 8, 3, -1}, {2, 16, 3, -1}, {2, 8, 4, 1}, {2, 4, 4, 2}, {5, 8, 4, -1}};
  bool ok = true;
  int n = 0;
  for (const Layout& l : layouts)
    for (int compression : {1, 32773, 8})
      for (int chunking : {0, 1, 2}) {
        TiffSpec spec;
        spec.width = 19, spec.height = 17, spec.photometric = l.photometric, spec.bitsPerSample = l.bits;
        spec.samplesPerPixel = l.samples, spec.extraSample = l.extra, spec.compression = compression;
        spec.bigEndian = (n % 2) == 1;
        spec.planar = (chunking == 1 && l.samples > 1) ? 2 : 1;
        if (chunking == 1) spec.rowsPerStrip = 5;
        if (chunking == 2) spec.tileWidth = spec.tileHeight = 16;
        if (l.photometric == 3) spec.colourMap = QList<uint16_t>(3 * 256, 0x4040);
        const qsizetype rowBytes = (qsizetype(19) * l.bits * l.samples + 7) / 8;
        spec.pixels = QByteArray(rowBytes * 17, '\0');
        for (qsizetype i = 0; i < spec.pixels.size(); ++i) spec.pixels[i] = char(i * 37 % 251);
        spec.predictor = compression == 8 && l.bits == 8 ? 2 : 0;
        ok &= WriteSeed(dir, QStringLiteral("seed%1.tif").arg(n++), WriteTiff(spec));
      }
  return ok ? 0 : 1;
}
