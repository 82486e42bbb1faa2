#include "core/level/MemoryFile.h"

#include "core/common/DeviceNames.h"
#include "core/level/InflateChunk.h"
#include "core/level/ZlibContainer.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace mosaicor {

namespace {

Failure<LevelFailure> Unreadable(const QString& text) { return {text, LevelFailure::Unreadable}; }

}  // namespace

LevelResult<QByteArray> ReadWholeFile(const QString& fileName, qint64 maxBytes, const char* kind, const char* kinds) {
  const QFileInfo info(fileName);
  if (fileName.isEmpty() || !info.exists())
    return Failure<LevelFailure>{QStringLiteral("file not found"), LevelFailure::FileMissing};
  if (info.isDir()) return Unreadable(QStringLiteral("is a folder, not a file"));
  // Devices and pipes have no size to read up to; levels and libraries are always plain files.
  if (!info.isFile() || IsDeviceName(fileName)) return Unreadable(QStringLiteral("not a regular file"));
  const qint64 size = info.size();
  if (size == 0) return Unreadable(QStringLiteral("the file is empty"));
  if (size > maxBytes)
    return Failure<LevelFailure>{QStringLiteral("the file is too large for %1 (%2 MiB; %3 are read up to %4 MiB)")
                                     .arg(QLatin1String(kind))
                                     .arg((size + (1 << 20) - 1) >> 20)
                                     .arg(QLatin1String(kinds))
                                     .arg(maxBytes >> 20),
                                 LevelFailure::BeyondLimits};
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return Unreadable("cannot open: " + file.errorString());
  QByteArray content(size, Qt::Uninitialized);
  if (file.read(content.data(), size) != size) return Unreadable("cannot read: " + file.errorString());
  return content;
}

LevelOutcome MemoryFile::Open(const QString& fileName) {
  Close();
  LevelResult<QByteArray> content = ReadWholeFile(fileName, kMaxLevelFileBytes, "a level", "levels");
  if (!content) return content.Status();
  return Open(std::move(content).Value());
}

LevelOutcome MemoryFile::Open(QByteArray content) {
  Close();
  if (IsZlibContainer(content)) {
    LevelResult<QByteArray> unpacked = UnpackZlibContainer(content);
    if (!unpacked) return unpacked.Status();
    content = std::move(unpacked).Value();
  }
  content_ = std::move(content);
  return {};
}

void MemoryFile::Assign(QByteArray content) {
  Close();
  content_ = std::move(content);
}

void MemoryFile::Close() {
  content_ = QByteArray();
  position_ = 0;
}

qint64 MemoryFile::Read(void* destination, qint64 n) {
  const qint64 count = std::clamp<qint64>(n, 0, Remaining());
  if (count > 0) std::memcpy(destination, Current(), static_cast<size_t>(count));
  position_ += count;
  return count;
}

void MemoryFile::Seek(qint64 position) { position_ = std::clamp<qint64>(position, 0, Size()); }

QByteArray MemoryFile::TakeRange(qint64 from, qint64 length) {
  from = std::clamp<qint64>(from, 0, Size());
  length = std::clamp<qint64>(length, 0, Size() - from);
  QByteArray range = std::move(content_);
  Close();
  // A small range is copied so the file's allocation can go; a large one is cut in place, so
  // its bytes are never held twice.
  if (length < range.size() / 2) return range.mid(from, length);
  range.truncate(from + length);
  range.remove(0, from);
  return range;
}

}  // namespace mosaicor
