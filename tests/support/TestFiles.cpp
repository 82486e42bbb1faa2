#include "TestFiles.h"

#include <QFile>
#include <QSaveFile>

namespace mosaicor {

bool WriteBytesToFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) return false;
  return file.commit();
}

QByteArray ReadFileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace mosaicor
