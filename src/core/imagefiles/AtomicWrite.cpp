#include "core/imagefiles/AtomicWrite.h"

#include <QDir>
#include <QSaveFile>
#if defined(__linux__)
#include <fcntl.h>
#endif

namespace mosaicor {

Outcome<> WriteFileAtomically(const QString& fileName, QByteArrayView bytes) {
  QSaveFile file(fileName);
  bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  if (ok) {
    ReserveFileSpace(file, bytes.size());
    ok = WriteAll(file, bytes.data(), bytes.size()) && file.commit();
  }
  if (ok) return {};
  Failure<> failure = CannotWrite(fileName, file);
  file.cancelWriting();
  return failure;
}

Failure<> CannotWrite(const QString& fileName, const QFileDevice& file) {
  return {QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(fileName), file.errorString())};
}

Outcome<> WriteEncoded(const Result<QByteArray>& encoded, const QString& fileName) {
  if (!encoded) return encoded.Status();
  return WriteFileAtomically(fileName, encoded.Value());
}

Failure<> NoPictureToSave() { return {QStringLiteral("There is no picture to save.")}; }

bool WriteAll(QFileDevice& file, const char* data, qint64 size) {
  while (size > 0) {
    const qint64 written = file.write(data, size);
    if (written <= 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

void ReserveFileSpace(QFileDevice& file, qint64 size) {
#if defined(__linux__)
  if (size > 0 && file.handle() >= 0) (void)::fallocate(file.handle(), FALLOC_FL_KEEP_SIZE, 0, size);
#else
  Q_UNUSED(file);
  Q_UNUSED(size);
#endif
}

}  // namespace mosaicor
