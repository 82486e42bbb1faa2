// Writes a few small demo levels of different generations into the folder given as argument,
// so that a newcomer has something to open: demo.phd (TR1), demo.tr2 (TR2), demo.tr4 (TR4) and
// demo.trc (TR5), each with recognisable pages and two animated ranges.

#include "LevelWriter.h"

#include <QDir>

#include <cstdio>

using namespace mosaicor;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "%s: cannot create the folder\n", argv[1]);
    return 1;
  }
  const struct {
    LevelGeneration generation;
    int pages;
  } demos[] = {
      {LevelGeneration::TR1, 2}, {LevelGeneration::TR2, 3}, {LevelGeneration::TR4, 4}, {LevelGeneration::TR5, 2}};
  for (const auto& demo : demos) {
    const LevelDescription description = MakeSampleLevel(demo.generation, demo.pages);
    const QString path = folder.filePath(LevelFileName(description, QStringLiteral("demo")));
    if (!WriteLevelFile(path, description)) {
      std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
