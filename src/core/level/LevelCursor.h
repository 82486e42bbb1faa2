#pragma once
// Bounded reading for the level walk: little-endian values and sections taken from a MemoryFile.
// When the data ends before a value or a section does, the cursor ends the walk by raising
// DataEnded; sections that are kept get whatever bytes were really there first.

#include "level/LevelPlace.h"
#include "level/MemoryFile.h"

#include <QtEndian>

#include <algorithm>
#include <cstdint>

class LevelCursor {
 public:
  // Raised when the data ends early; LoadFromFile turns it into a truncated, but loaded, level.
  struct DataEnded {};

  // Each Section() call notes in `place` what is read from there on, so that whoever catches the
  // end of the walk knows where it was.
  LevelCursor(MemoryFile& file, LevelPlace& place, bool inLevelData = false)
      : file_(file), place_(place), inLevelData_(inLevelData) {}

  // The walk begins the named section (a static text) here; room >= 0 for one of the rooms.
  LevelCursor& Section(const char* name, int room = -1) {
    place_ = {name, room, file_.Position(), inLevelData_};
    return *this;
  }

  quint16 U16() { return Value<quint16>(); }
  quint32 U32() { return Value<quint32>(); }

  MemoryFile& File() { return file_; }
  qint64 Position() const { return file_.Position(); }
  qint64 Remaining() const { return file_.Remaining(); }
  const uchar* Current() const { return file_.Current(); }
  void Advance(qint64 n) { Skip(n); }

  void Skip(qint64 n) {
    if (n > file_.Remaining()) End();
    file_.Seek(file_.Position() + n);
  }
  // A count of records of the given size, then the records, passed over.
  void SkipList16(qint64 recordSize) { SkipRecords(U16(), recordSize); }
  void SkipList32(qint64 recordSize) { SkipRecords(U32(), recordSize); }
  void SkipRecords(qint64 count, qint64 recordSize) { Skip(count * recordSize); }

  // destination = the next n bytes, or as many as there are; says whether all n were there.
  // Never allocates more than the data holds.
  bool Keep(QByteArray& destination, qint64 n) {
    const qint64 held = std::min(n, file_.Remaining());
    destination = QByteArray(reinterpret_cast<const char*>(Current()), held);
    file_.Seek(file_.Position() + held);
    return held == n;
  }
  // Fills destination with the next n bytes, keeping what there is when the data ends early.
  void ReadInto(void* destination, qint64 n) {
    if (file_.Read(destination, n) != n) End();
  }

  [[noreturn]] void End() {
    file_.Seek(file_.Size());
    throw DataEnded{};
  }

 private:
  template <typename T>
  T Value() {
    if (file_.Remaining() < qint64(sizeof(T))) End();
    const T value = qFromLittleEndian<T>(Current());
    file_.Seek(file_.Position() + qint64(sizeof(T)));
    return value;
  }

  MemoryFile& file_;
  LevelPlace& place_;
  bool inLevelData_;
};
