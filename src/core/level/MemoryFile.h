#pragma once
// The level reader's file access: the whole file in memory with a read position, so that parsing
// costs no file-system call per field. A file that is a "ZLIB" container is unpacked on opening
// and the walk reads the unpacked level.

#include "core/level/LevelFailure.h"

#include <QByteArray>
#include <QString>

namespace mosaicor {

// The whole of a plain file of at most `maxBytes`, for the readers of levels and object libraries.
// Fails as FileMissing when no such file exists, Unreadable when it is a folder, a device, empty or
// cannot be read, and BeyondLimits when it is larger, naming `kind` ("a level") and `kinds`
// ("levels") in the reason.
LevelResult<QByteArray> ReadWholeFile(const QString& fileName, qint64 maxBytes, const char* kind, const char* kinds);

class MemoryFile {
 public:
  // Loads the whole file. Fails as FileMissing when no such file exists, Unreadable when it exists
  // but cannot be read, BeyondLimits when it is larger than kMaxLevelFileBytes, and as the
  // container's unpacking does for a damaged container.
  LevelOutcome Open(const QString& fileName);
  // The same for bytes already in memory.
  LevelOutcome Open(QByteArray content);
  // Reads the given bytes as they are, never as a container (inflated level data).
  void Assign(QByteArray content);
  // Releases the content.
  void Close();

  // Copies min(n, Size() - Position()) bytes and advances by that many; returns how many.
  // Destination bytes beyond those are left untouched.
  qint64 Read(void* destination, qint64 n);
  // Position becomes min(position, Size()).
  void Seek(qint64 position);
  qint64 Position() const { return position_; }
  qint64 Size() const { return content_.size(); }
  qint64 Remaining() const { return content_.size() - position_; }
  // The bytes at the read position (Remaining() of them).
  const uchar* Current() const { return reinterpret_cast<const uchar*>(content_.constData()) + position_; }

  // Hands over bytes [from, from + length) (clamped to the content) without copying the rest
  // of the file first, and closes. Used for the sound data that ends a level.
  QByteArray TakeRange(qint64 from, qint64 length);

 private:
  QByteArray content_;
  qint64 position_ = 0;
};

}  // namespace mosaicor
