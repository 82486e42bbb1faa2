#pragma once
// A read cursor over bytes already in memory. Picture decoders read through it, so tests and
// fuzz targets feed them without files, and every read is checked against what is really there.

#include <QByteArrayView>
#include <cstdint>

class ByteSource {
 public:
  ByteSource(const uchar* data, qsizetype size) : data_(data), size_(size < 0 ? 0 : size) {}
  explicit ByteSource(QByteArrayView bytes) : ByteSource(reinterpret_cast<const uchar*>(bytes.data()), bytes.size()) {}

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
    if (p) value = static_cast<uint16_t>(p[0] | (p[1] << 8));
    return p != nullptr;
  }
  bool ReadU32(uint32_t& value) {
    const uchar* p = Take(4);
    if (p) value = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
    return p != nullptr;
  }

 private:
  const uchar* data_;
  qsizetype size_;
  qsizetype pos_ = 0;
};
