#include "SameFile.h"

#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace mosaicor {

bool IsSameFile(const QString& a, const QString& b) {
  const QFileInfo infoA(a), infoB(b);
  // A path that names no file yet holds nothing that could be lost.
  if (!infoA.exists() || !infoB.exists()) return false;
#if defined(Q_OS_UNIX)
  struct stat statA, statB;
  if (::stat(QFile::encodeName(a).constData(), &statA) == 0 && ::stat(QFile::encodeName(b).constData(), &statB) == 0)
    return statA.st_dev == statB.st_dev && statA.st_ino == statB.st_ino;
#endif
  return infoA.canonicalFilePath() == infoB.canonicalFilePath();
}

int OverwrittenInput(const QString& output, const QStringList& inputs, int own) {
  // The usual case, an output not written yet, costs one look at the disk.
  if (!QFileInfo::exists(output)) return -1;
  if (own >= 0 && own < inputs.size() && IsSameFile(output, inputs[own])) return own;
  for (int i = 0; i < inputs.size(); ++i)
    if (i != own && IsSameFile(output, inputs[i])) return i;
  return -1;
}

}  // namespace mosaicor
