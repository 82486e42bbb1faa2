// Writes one sample level of a generation with a given number of texture pages, for measurements
// and checks that need a level of a certain size.
//
//   mosaicor-sample-level tr1|tr2|tr3|tr4|tr5 PAGES FILE [OBJECT_TEXTURES]
//
// With OBJECT_TEXTURES the level holds that many, packed as MakeManyTexturesLevel packs them.

#include "LevelWriter.h"

#include <cstdio>
#include <cstring>

using namespace mosaicor;

int main(int argc, char** argv) {
  const struct {
    const char* name;
    LevelGeneration generation;
  } generations[] = {{"tr1", LevelGeneration::TR1},
                     {"tr2", LevelGeneration::TR2},
                     {"tr3", LevelGeneration::TR3},
                     {"tr4", LevelGeneration::TR4},
                     {"tr5", LevelGeneration::TR5}};
  const bool textures = argc == 5;
  const int pages = argc == 4 || textures ? std::atoi(argv[2]) : 0;
  const int count = textures ? std::atoi(argv[4]) : 0;
  for (const auto& entry : generations) {
    if ((argc != 4 && !textures) || std::strcmp(argv[1], entry.name) != 0) continue;
    if (pages < 1 || pages > 256 || (textures && (count < 1 || count > 65536))) break;
    const LevelDescription level =
        textures ? MakeManyTexturesLevel(entry.generation, pages, count) : MakeSampleLevel(entry.generation, pages);
    if (!WriteLevelFile(QString::fromLocal8Bit(argv[3]), level)) {
      std::fprintf(stderr, "%s: cannot write\n", argv[3]);
      return 1;
    }
    return 0;
  }
  std::fprintf(stderr, "usage: %s tr1|tr2|tr3|tr4|tr5 PAGES(1-256) FILE [OBJECT_TEXTURES(1-65536)]\n", argv[0]);
  return 2;
}
