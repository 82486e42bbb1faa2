#include "imagefiles/AtomicWrite.h"

#include <QDir>
#include <QSaveFile>

bool WriteFileAtomically(const QString& fileName, QByteArrayView bytes, QString& error) {
  QSaveFile file(fileName);
  const bool ok =
      file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size() && file.commit();
  if (!ok) {
    error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(fileName), file.errorString());
    file.cancelWriting();
  }
  return ok;
}
