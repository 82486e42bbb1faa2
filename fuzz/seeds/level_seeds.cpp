// Writes the level fuzzer's seed corpus into the folder given as argument: small levels of every
// generation and form from the level writer, each behind the selector byte the target reads
// (file name in the low three bits, textures-only in bit 3).

#include "LevelWriter.h"

#include <QDir>

#include <cstdio>

using namespace mosaicor;

namespace {

enum Name : char { Phd = 0, Tub = 1, Tr2 = 2, Trg = 3, Tr4 = 4, Trc = 5 };

// Small pages that compress to almost nothing keep the TR4/TR5 seeds short.
LevelDescription Small(LevelGeneration generation, int pages) {
  LevelDescription d = MakeSampleLevel(generation, 0);
  if (int(generation) <= 5) d.pages8 = QByteArray(pages * 65536, '\x07');
  if (int(generation) >= 3) d.pages16 = QByteArray(pages * 131072, '\x42');
  if (int(generation) >= 6) {
    d.pages32 = QByteArray(pages * 262144, '\x7F');
    d.miscPages32 = QByteArray(1000, '\x01');
  }
  d.counts = SectionCounts{};
  d.samples.truncate(20);
  d.soundData.truncate(20);
  return d;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) return 1;
  using G = LevelGeneration;
  struct Seed {
    const char* file;
    char selector;
    LevelDescription level;
  };
  std::vector<Seed> seeds = {
      {"tr1", Phd, Small(G::TR1, 0)},
      {"tr1-page", Phd, Small(G::TR1, 1)},
      {"tr1gold", Tub, Small(G::TR1Gold, 0)},
      {"tr2", Tr2, Small(G::TR2, 0)},
      {"tr2-trg", Trg, Small(G::TR2Trg, 0)},
      {"tr3", Tr2, Small(G::TR3, 0)},
      {"tr3-second", Tr2, Small(G::TR3, 0)},
      {"tr3-pictures", Tr2, Small(G::TR3, 0)},
      {"tr4", Tr4, Small(G::TR4, 1)},
      {"tr4-second", Tr4, Small(G::TR4, 1)},
      {"tr4-textures", Tr4 | 8, Small(G::TR4, 2)},
      {"tr5", Trc, Small(G::TR5, 1)},
      {"tr5-second", Trc, Small(G::TR5, 1)},
      {"tr1-zlib", Phd, Small(G::TR1, 1)},
      {"tr2-zlib", Tr2 | 8, Small(G::TR2, 1)},
      {"tr4-zlib", Tr4, Small(G::TR4, 0)},
      // Names that pick the wrong layout: the content decides.
      {"tr1-demo", Phd, Small(G::TR1, 1)},
      {"tr1-as-tub", Tub, Small(G::TR1, 0)},
      {"tr5-as-tr4", Tr4, Small(G::TR5, 1)},
      {"tr5-as-tr4-textures", Tr4 | 8, Small(G::TR5, 1)},
      {"tr4-as-trc", Trc, Small(G::TR4, 1)},
  };
  for (Seed& seed : seeds) {
    const QString name = QString::fromLatin1(seed.file);
    if (name.endsWith("-second")) seed.level.fileVersion = seed.level.generation == G::TR3 ? 0xFF180038 : 0xFFFFFFF0;
    if (name.endsWith("-pictures")) seed.level.fileVersion = 0xFF180034;
    if (name.endsWith("-zlib")) seed.level.zlibContainer = true;
    if (name.endsWith("-demo")) seed.level.tr1DemoLayout = true;
    seed.level.rooms.resize(2);
    const QByteArray bytes = QByteArray(1, seed.selector) + WriteLevel(seed.level);
    if (!WriteBytesToFile(folder.filePath(name), bytes)) return 1;
  }
  return 0;
}
