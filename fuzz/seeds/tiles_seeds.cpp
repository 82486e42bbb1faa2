// Writes the seed corpus of the tiles fuzzer: the known-textures level of every generation (quads,
// triangles, turned corners, padded 32 x 32 and 128 x 64 textures, a texture on two pages, a
// record past the pages, an animated range), each behind the name byte the fuzzer reads first.

#include "LevelWriter.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace mosaicor;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tiles_seeds <folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) return 1;
  using G = LevelGeneration;
  // Name byte: 0 .phd, 1 .tub, 2 .tr2, 3 .trg, 4 .tr4, 5 .trc.
  const struct {
    G generation;
    char nameByte;
  } levels[] = {{G::TR1, 0}, {G::TR1Gold, 1}, {G::TR2, 2}, {G::TR2Trg, 3}, {G::TR3, 2}, {G::TR4, 4}, {G::TR5, 5}};
  int written = 0;
  for (const auto& l : levels) {
    LevelDescription d = MakeKnownTexturesLevel(l.generation);
    d.rooms.resize(1);
    d.compressionLevel = 9;
    QFile file(QDir(folder).filePath(QStringLiteral("seed%1").arg(written++)));
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(QByteArray(1, l.nameByte) + WriteLevel(d));
  }
  return 0;
}
