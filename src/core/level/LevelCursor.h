#pragma once
// Bounded reading for the level walk: little-endian values and sections taken from a MemoryFile.
// When the data ends before a value or a section does, the cursor notes that the data ended and
// stops: from then on values read as 0, nothing is passed over or kept, and the walk, which checks
// Stopped() at its loops and sections, goes no further. Sections that are kept get whatever bytes
// were really there first. Damaged data the walk meets stops the cursor the same way, with the
// failure kept for the caller.

#include "core/level/LevelFailure.h"
#include "core/level/LevelPlace.h"
#include "core/level/MemoryFile.h"

#include <QtEndian>

#include <algorithm>
#include <cstdint>

namespace mosaicor {

class LevelCursor {
 public:
  // Each Section() call notes in `place` what is read from there on, so that whoever looks at a
  // walk that stopped knows where it was.
  LevelCursor(MemoryFile& file, LevelPlace& place, bool inLevelData = false)
      : file_(file), place_(place), inLevelData_(inLevelData) {}

  // The walk begins the named section (a static text) here; room >= 0 for one of the rooms.
  LevelCursor& Section(const char* name, int room = -1) {
    if (!Stopped()) place_ = {name, room, file_.Position(), inLevelData_};
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
    if (!Stopped()) file_.Seek(file_.Position() + n);
  }
  // A count of records of the given size, then the records, passed over.
  void SkipList16(qint64 recordSize) { SkipRecords(U16(), recordSize); }
  void SkipList32(qint64 recordSize) { SkipRecords(U32(), recordSize); }
  void SkipRecords(qint64 count, qint64 recordSize) { Skip(count * recordSize); }

  // destination = the next n bytes, or as many as there are; says whether all n were there.
  // Never allocates more than the data holds; leaves destination alone once stopped.
  bool Keep(QByteArray& destination, qint64 n) {
    if (Stopped()) return false;
    const qint64 held = std::min(n, file_.Remaining());
    destination = QByteArray(reinterpret_cast<const char*>(Current()), held);
    file_.Seek(file_.Position() + held);
    return held == n;
  }
  // Fills destination with the next n bytes, keeping what there is when the data ends early.
  void ReadInto(void* destination, qint64 n) {
    if (!Stopped() && file_.Read(destination, n) != n) End();
  }

  // The data ended early: the walk stops here, with what it read so far.
  void End() { Stop(); }
  // The walk met data it cannot read on (damaged compressed data, a count beyond any real level):
  // it stops here, and the failure names the section for damaged data.
  void Fail(Failure<LevelFailure> failure) {
    if (Stopped()) return;
    if (failure.kind == LevelFailure::Damaged) {
      const QString where = LevelPlaceText(place_);
      if (!where.isEmpty()) failure.text += QStringLiteral(" in ") + where;
    }
    failure_ = std::move(failure);
    Stop();
  }

  // The data ended or the walk met damage: nothing more is read.
  bool Stopped() const { return stopped_; }
  // The walk stopped because the data ended, not because of damage.
  bool Ended() const { return stopped_ && failure_.Ok(); }
  // The damage the walk met; Ok() when it met none.
  const LevelOutcome& Failure() const { return failure_; }

 private:
  void Stop() {
    stopped_ = true;
    file_.Seek(file_.Size());
  }

  template <typename T>
  T Value() {
    if (file_.Remaining() < qint64(sizeof(T))) End();
    if (Stopped()) return 0;
    const T value = qFromLittleEndian<T>(Current());
    file_.Seek(file_.Position() + qint64(sizeof(T)));
    return value;
  }

  MemoryFile& file_;
  LevelPlace& place_;
  bool inLevelData_;
  bool stopped_ = false;
  LevelOutcome failure_;
};

}  // namespace mosaicor
