#include "TestFiles.h"

#include <QSaveFile>

bool WriteBytesToFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) return false;
  return file.commit();
}
