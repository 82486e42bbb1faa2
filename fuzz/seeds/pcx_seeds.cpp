// Seed corpus of the PCX fuzzer: every layout, run-length and stored, both palettes.
#include "PcxWriter.h"
#include "SeedFolder.h"
#include "TestPictures.h"

using namespace mosaicor;

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  const QImage f = MakeFPicture(13, 7);
  const int layouts[][2] = {{1, 1}, {1, 2}, {1, 4}, {2, 1}, {4, 1}, {8, 1}, {8, 3}, {8, 4}};
  QList<QRgb> palette;
  for (int i = 0; i < 256; ++i) palette << qRgb(i, 255 - i, i / 2);
  bool ok = true;
  for (const auto& layout : layouts)
    for (int encoding : {0, 1})
      for (bool cross : {false, true}) {
        PcxSpec spec;
        spec.bitsPerPixel = layout[0], spec.planes = layout[1], spec.encoding = encoding, spec.runsCrossRows = cross;
        spec.width = f.width(), spec.height = f.height();
        spec.planeRows = PcxRowsOf(f, layout[0], layout[1], PcxLineBytes(f.width(), layout[0]));
        spec.headerPalette = palette.mid(0, 16);
        if (layout[0] == 8 && layout[1] == 1 && !cross) spec.endPalette = palette;
        ok &= WriteSeed(dir, QStringLiteral("b%1p%2e%3%4.pcx").arg(layout[0]).arg(layout[1]).arg(encoding).arg(cross),
                        WritePcx(spec));
      }
  return ok ? 0 : 1;
}
