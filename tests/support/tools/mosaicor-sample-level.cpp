// Writes one sample level of a generation with a given number of texture pages, for measurements
// and checks that need a level of a certain size.
//
//   mosaicor-sample-level tr1|tr2|tr3|tr4|tr5 PAGES FILE

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
  const int pages = argc == 4 ? std::atoi(argv[2]) : 0;
  for (const auto& entry : generations) {
    if (argc != 4 || std::strcmp(argv[1], entry.name) != 0) continue;
    if (pages < 1 || pages > 256) break;
    if (!WriteLevelFile(QString::fromLocal8Bit(argv[3]), MakeSampleLevel(entry.generation, pages))) {
      std::fprintf(stderr, "%s: cannot write\n", argv[3]);
      return 1;
    }
    return 0;
  }
  std::fprintf(stderr, "usage: %s tr1|tr2|tr3|tr4|tr5 PAGES(1-256) FILE\n", argv[0]);
  return 2;
}
