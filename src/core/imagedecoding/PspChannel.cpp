#include "core/imagedecoding/PspChannel.h"

#include "core/imagedecoding/PspBlocks.h"
#include "core/imagedecoding/RunCopy.h"

#include <zlib.h>
#include <algorithm>
#include <climits>
#include <cstring>

namespace mosaicor {

namespace {

// A count byte above 128 repeats the next byte (count - 128) times; any other count copies that
// many bytes.
qsizetype DecodeRle(const uchar* p, const uchar* end, uchar* out, qsizetype capacity) {
  qsizetype produced = 0;
  // Packets give at most 128 bytes: while that much room is left on both sides, nothing is clipped.
  while (end - p > kRunCopyReach + 1 && capacity - produced >= kRunCopyReach) {
    const int count = *p++;
    if (count > 128) {
      FillPacket(out + produced, *p++, count - 128);
      produced += count - 128;
    } else {
      CopyPacket(out + produced, p, count);
      produced += count;
      p += count;
    }
  }
  while (p < end && produced < capacity) {
    const int count = *p++;
    if (count > 128) {
      if (p == end) return -1;
      const qsizetype n = std::min<qsizetype>(count - 128, capacity - produced);
      std::memset(out + produced, *p++, size_t(n));
      produced += n;
    } else {
      if (end - p < count) return -1;
      const qsizetype n = std::min<qsizetype>(count, capacity - produced);
      std::memcpy(out + produced, p, size_t(n));
      produced += n;
      p += count;
    }
  }
  return produced;
}

qsizetype Inflate(const uchar* data, qsizetype length, uchar* out, qsizetype capacity) {
  if (length > UINT_MAX || capacity > UINT_MAX) return -1;
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return -1;
  stream.next_in = const_cast<Bytef*>(data);
  stream.avail_in = uInt(length);
  stream.next_out = out;
  stream.avail_out = uInt(capacity);
  const int result = inflate(&stream, Z_FINISH);
  const qsizetype produced = qsizetype(capacity) - stream.avail_out;
  inflateEnd(&stream);
  // A full buffer ends the channel even where the stream goes on (padding some writers add).
  if (result == Z_STREAM_END || (produced == capacity && (result == Z_OK || result == Z_BUF_ERROR))) return produced;
  return -1;
}

}  // namespace

qsizetype DecodePspChannel(const uchar* data, qsizetype length, int compression, uchar* out, qsizetype capacity) {
  switch (compression) {
    case kPspUncompressed: {
      const qsizetype n = std::min(length, capacity);
      std::memcpy(out, data, size_t(n));
      return n;
    }
    case kPspRle:
      return DecodeRle(data, data + length, out, capacity);
    case kPspLz77:
      return Inflate(data, length, out, capacity);
    default:
      return -1;
  }
}

qint64 PspChannelExpansionLimit(qsizetype length, int compression) {
  switch (compression) {
    case kPspUncompressed:
      return length;
    case kPspRle:
      return qint64(length) * 64;  // two bytes make at most 127
    case kPspLz77:
      return qint64(length) * 1032 + 64;  // deflate's largest ratio
    default:
      return 0;
  }
}

}  // namespace mosaicor
