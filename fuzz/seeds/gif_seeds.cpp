// Seed corpus of the GIF fuzzer: still and animated pictures from the test writer, with delays,
// disposals and a transparent index.
#include "GifWriter.h"
#include "SeedFolder.h"

using namespace mosaicor;

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 0, 255), qRgb(200, 30, 40), qRgb(20, 180, 60)};
  bool ok = true;
  GifSpec still{7, 5, palette, {FlatGifFrame(7, 5, 2, 0)}, false};
  ok &= WriteSeed(dir, QStringLiteral("still.gif"), WriteGif(still));
  GifSpec animated{16, 12, palette, {}};
  for (int i = 0; i < 4; ++i) {
    GifFrameSpec frame = FlatGifFrame(16, 12, 1 + i % 3, 5 * i);
    frame.disposal = i % 4;
    frame.transparentIndex = i == 2 ? 1 : -1;
    for (int p = 0; p < frame.indices.size(); p += 5 + i) frame.indices[p] = char(i);
    animated.frames << frame;
  }
  ok &= WriteSeed(dir, QStringLiteral("animated.gif"), WriteGif(animated));
  return ok ? 0 : 1;
}
