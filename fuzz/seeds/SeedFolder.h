#pragma once
// Shared by the seed programs: creates the folder named on the command line and writes files.

#include <QDir>
#include <QString>
#include <cstdio>

#include "PictureWriters.h"

namespace mosaicor {

inline bool OpenSeedFolder(int argc, char** argv, QDir& dir) {
  if (argc < 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argc ? argv[0] : "seeds");
    return false;
  }
  dir = QDir(QString::fromLocal8Bit(argv[1]));
  return true;
}

inline bool WriteSeed(const QDir& dir, const QString& name, const QByteArray& bytes) {
  return WriteBytesToFile(dir.filePath(name), bytes);
}

}  // namespace mosaicor
