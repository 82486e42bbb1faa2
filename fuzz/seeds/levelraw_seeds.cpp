// Seed corpus of the level editors' raw picture fuzzer: a sky and a font of the exact sizes, the font
// with a soft-edged shape in its alpha, and a file one byte short.
#include "SeedFolder.h"
#include "core/imagedecoding/LevelEditorRaw.h"

#include <algorithm>
#include <cmath>

using namespace mosaicor;

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  QByteArray sky(kSkyRawBytes, Qt::Uninitialized), font(kFontPcBytes, Qt::Uninitialized);
  for (qsizetype i = 0; i < sky.size(); ++i) sky[i] = char((i * 3 + i / 768) & 0xFF);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      char* p = font.data() + (y * 256 + x) * 4;
      const double d = std::hypot(x - 128.0, y - 128.0);
      p[0] = char(x), p[1] = char(y), p[2] = char(x ^ y);
      p[3] = char(std::lround(std::clamp((100 - d) / 10, 0.0, 1.0) * 255));
    }
  bool ok = WriteSeed(dir, QStringLiteral("pcsky.raw"), sky);
  ok &= WriteSeed(dir, QStringLiteral("font.pc"), font);
  ok &= WriteSeed(dir, QStringLiteral("short.raw"), sky.left(sky.size() - 1));
  return ok ? 0 : 1;
}
