#pragma once
// A read cursor over bytes already in memory. Picture decoders read through it, so tests and
// fuzz targets feed them without files, and every read is checked against what is really there.
// Little-endian values are decoded by qFromLittleEndian here as in the level reader, whose
// LevelCursor is the same bounded cursor for a walk that stops where the data ends.

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>
#include <cstdint>

namespace mosaicor {

class ByteSource {
 public:
  ByteSource(const uchar* data, qsizetype size) : data_(data), size_(size < 0 ? 0 : size) {}
  explicit ByteSource(QByteArrayView bytes) : ByteSource(reinterpret_cast<const uchar*>(bytes.data()), bytes.size()) {}
  // The cursor does not own its bytes: a temporary array would be gone before the first read.
  explicit ByteSource(QByteArray&&) = delete;

  qsizetype Size() const { return size_; }
  qsizetype Position() const { return pos_; }
  qsizetype Remaining() const { return size_ - pos_; }
  const uchar* Data() const { return data_; }
  const uchar* Here() const { return data_ + pos_; }

  // Moves to an absolute position; false (and no move) when it lies outside the data.
  bool Seek(qsizetype position) {
    if (position < 0 || position > size_) return false;
    pos_ = position;
    return true;
  }
  bool Skip(qsizetype count) { return count >= 0 && count <= Remaining() && Seek(pos_ + count); }

  // The next `count` bytes, or nullptr (and no move) when fewer remain.
  const uchar* Take(qsizetype count) {
    if (count < 0 || count > Remaining()) return nullptr;
    const uchar* here = Here();
    pos_ += count;
    return here;
  }

  bool ReadU8(uint8_t& value) {
    const uchar* p = Take(1);
    if (p) value = p[0];
    return p != nullptr;
  }
  bool ReadU16(uint16_t& value) {
    const uchar* p = Take(2);
    if (p) value = qFromLittleEndian<quint16>(p);
    return p != nullptr;
  }
  bool ReadU32(uint32_t& value) {
    const uchar* p = Take(4);
    if (p) value = qFromLittleEndian<quint32>(p);
    return p != nullptr;
  }

 private:
  const uchar* data_;
  qsizetype size_;
  qsizetype pos_ = 0;
};

}  // namespace mosaicor
