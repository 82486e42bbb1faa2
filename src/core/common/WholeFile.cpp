#include "core/common/WholeFile.h"

#include "core/common/DeviceNames.h"

#include <QFile>
#include <QFileInfo>

namespace mosaicor {

Result<QByteArray> ReadWholeFile(const QString& fileName, qint64 limit) {
  const QFileInfo info(fileName);
  if (fileName.isEmpty() || !info.exists()) return Failure<>{QStringLiteral("file not found")};
  if (info.isDir()) return Failure<>{QStringLiteral("is a folder, not a file")};
  if (!info.isFile() || IsDeviceName(fileName)) return Failure<>{QStringLiteral("not a regular file")};
  const qint64 size = info.size();
  if (size == 0) return Failure<>{QStringLiteral("the file is empty")};
  if (size > limit)
    return Failure<>{QStringLiteral("the file is too large (%1 MiB; files of this kind are read up to %2 MiB)")
                         .arg((size + (1 << 20) - 1) >> 20)
                         .arg(limit >> 20)};
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return Failure<>{QStringLiteral("cannot open: %1").arg(file.errorString())};
  QByteArray content(size, Qt::Uninitialized);
  if (file.read(content.data(), size) != size)
    return Failure<>{QStringLiteral("cannot read: %1").arg(file.errorString())};
  return content;
}

}  // namespace mosaicor
