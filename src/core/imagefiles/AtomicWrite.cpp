#include "core/imagefiles/AtomicWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#if defined(__linux__)
#include <fcntl.h>
#endif
#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
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

namespace {

// Gives `from` the name `to`, replacing what had it, in one step; empty, or the system's reason.
QString RenameOver(const QString& from, const QString& to) {
#if defined(Q_OS_WIN)
  if (MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                  reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()), MOVEFILE_REPLACE_EXISTING))
    return {};
  return QStringLiteral("the file cannot be replaced");
#else
  if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0) return {};
  return QString::fromLocal8Bit(std::strerror(errno));
#endif
}

}  // namespace

Outcome<> WriteFileReplacing(const QString& fileName, QByteArrayView bytes) {
  // A new name is written in place and removed again if the write fails; an existing file is
  // replaced by a file of our own beside it, made with the permissions a new file gets.
  QFile file(fileName);
  const bool fresh = file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
  QString temporary;
  if (!fresh) {
    const QFileInfo target(fileName);
    temporary = target.dir().filePath(
        QStringLiteral(".%1.%2.part").arg(target.fileName()).arg(QCoreApplication::applicationPid()));
    QFile::remove(temporary);
    file.setFileName(temporary);
  }
  if (!(fresh || file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) ||
      !WriteAll(file, bytes.data(), bytes.size()) || !file.flush()) {
    Failure<> failure = CannotWrite(fileName, file);
    file.close();
    if (file.exists()) file.remove();
    return failure;
  }
  file.close();
  if (fresh) return {};
  if (const QString reason = RenameOver(temporary, fileName); !reason.isEmpty()) {
    QFile::remove(temporary);
    return Failure<>{QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(fileName), reason)};
  }
  return {};
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
