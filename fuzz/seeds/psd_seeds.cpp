// Seed corpus of the Photoshop fuzzer: every colour mode, depth and compression our writer makes,
// and the orientations the resources can state.
#include "PsdWriter.h"
#include "SeedFolder.h"
#include "TestPictures.h"

using namespace mosaicor;

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  const QImage f = MakeFPicture(11, 7);
  bool ok = true;
  for (int compression : {0, 1}) {
    for (int depth : {8, 16})
      for (bool alpha : {false, true}) {
        PsdSpec spec;
        spec.width = f.width(), spec.height = f.height(), spec.depth = depth, spec.compression = compression;
        spec.planes = PsdRgbPlanes(f, alpha, depth);
        spec.layerCount = alpha ? -1 : 0;
        ok &= WriteSeed(dir, QStringLiteral("rgb%1_%2_%3.psd").arg(depth).arg(alpha).arg(compression), WritePsd(spec));
        spec.mode = 4;  // the same planes as C, M, Y and K (or K missing: too few channels)
        spec.planes.append(spec.planes.front());
        ok &= WriteSeed(dir, QStringLiteral("cmyk%1_%2_%3.psd").arg(depth).arg(alpha).arg(compression), WritePsd(spec));
        spec.mode = 9;  // Lab: the same first three planes
        spec.planes.removeAt(3);
        ok &= WriteSeed(dir, QStringLiteral("lab%1_%2_%3.psd").arg(depth).arg(alpha).arg(compression), WritePsd(spec));
        spec.mode = 7;  // multichannel: every plane an ink
        ok &=
            WriteSeed(dir, QStringLiteral("multi%1_%2_%3.psd").arg(depth).arg(alpha).arg(compression), WritePsd(spec));
        spec.mode = 1;
        spec.planes = {spec.planes[0], spec.planes.back()};
        spec.planes.resize(alpha ? 2 : 1);
        spec.resources = PsdExifOrientation(alpha ? 6 : 7, depth == 8);
        ok &= WriteSeed(dir, QStringLiteral("grey%1_%2_%3.psd").arg(depth).arg(alpha).arg(compression), WritePsd(spec));
      }
    PsdSpec floats;
    floats.width = f.width(), floats.height = f.height(), floats.depth = 32, floats.compression = compression;
    for (const QList<uint16_t>& plane : PsdRgbPlanes(f, true, 16)) {
      floats.floatPlanes.append(QList<float>());
      for (uint16_t v : plane) floats.floatPlanes.back() << v / 32768.0f - 0.25f;  // past both ends
    }
    floats.layerCount = -1;
    ok &= WriteSeed(dir, QStringLiteral("rgb32_%1.psd").arg(compression), WritePsd(floats));
    PsdSpec bitmap;
    bitmap.mode = 0, bitmap.depth = 1, bitmap.width = 13, bitmap.height = 3, bitmap.compression = compression;
    bitmap.planes = {QList<uint16_t>(39)};
    for (int i = 0; i < 39; i += 3) bitmap.planes[0][i] = 1;
    ok &= WriteSeed(dir, QStringLiteral("bitmap_%1.psd").arg(compression), WritePsd(bitmap));
    PsdSpec indexed = bitmap;
    indexed.mode = 2, indexed.depth = 8, indexed.colourModeData = QByteArray(768, '\x33');
    indexed.resources = PsdResource(0x0417, QByteArray("\0\x05", 2));
    ok &= WriteSeed(dir, QStringLiteral("indexed_%1.psd").arg(compression), WritePsd(indexed));
  }
  return ok ? 0 : 1;
}
