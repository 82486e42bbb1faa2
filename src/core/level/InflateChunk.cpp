#include "core/level/InflateChunk.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <new>

namespace mosaicor {

namespace {

// Deflate cannot expand by more than about 1032:1, so a size claimed beyond that is not
// worth allocating up front (it may still be reached by growing, up to the limit).
constexpr qint64 kMaxDeflateRatio = 1032;
constexpr qint64 kMinGrowth = 64 * 1024;

class InflateStream {
 public:
  InflateStream() {
    const int status = inflateInit(&stream_);
    if (status == Z_MEM_ERROR) throw std::bad_alloc();
    ready_ = status == Z_OK;
  }
  ~InflateStream() {
    if (ready_) inflateEnd(&stream_);
  }
  bool Ready() const { return ready_; }
  InflateStream(const InflateStream&) = delete;
  InflateStream& operator=(const InflateStream&) = delete;
  z_stream* operator->() { return &stream_; }
  z_stream* get() { return &stream_; }

 private:
  z_stream stream_{};
  bool ready_ = false;
};

// zlib counts in 32-bit units; feed and offer at most that much at a time.
uInt Piece(qint64 n) { return static_cast<uInt>(std::min<qint64>(n, UINT_MAX)); }

Failure<LevelFailure> Damage() { return {DamagedDataText(), LevelFailure::Damaged}; }

Failure<LevelFailure> BeyondLimit(qint64 limit) {
  return {QStringLiteral("compressed data unpacks to more than %1 MiB, more than any level holds").arg(limit >> 20),
          LevelFailure::InflatesTooFar};
}

}  // namespace

QString DamagedDataText() { return QStringLiteral("damaged compressed data"); }

LevelResult<QByteArray> InflateChunk(const uchar* data, qint64 length, qint64 estimate, qint64 limit) {
  if (length <= 0 || limit <= 0) return Damage();
  const qint64 roundedLength = (length + 255) & ~qint64(255);
  const qint64 plausible = std::min(limit, length * kMaxDeflateRatio + 1024);
  qint64 capacity = estimate > 0 ? std::min(estimate, plausible) : std::min(roundedLength, limit);
  QByteArray out(capacity, Qt::Uninitialized);

  InflateStream stream;
  if (!stream.Ready()) return Damage();
  qint64 consumed = 0;  // input handed to zlib so far
  qint64 produced = 0;
  for (;;) {
    if (stream->avail_in == 0 && consumed < length) {
      stream->next_in = const_cast<Bytef*>(data + consumed);
      stream->avail_in = Piece(length - consumed);
      consumed += stream->avail_in;
    }
    if (produced == capacity) {
      if (capacity >= limit) return BeyondLimit(limit);
      capacity = std::min(limit, capacity + std::max({capacity, roundedLength, kMinGrowth}));
      out.resize(capacity);
    }
    stream->next_out = reinterpret_cast<Bytef*>(out.data()) + produced;
    stream->avail_out = Piece(capacity - produced);
    const uInt offered = stream->avail_out;
    const int status = inflate(stream.get(), Z_NO_FLUSH);
    produced += offered - stream->avail_out;
    if (status == Z_STREAM_END) break;
    if (status == Z_MEM_ERROR) throw std::bad_alloc();
    if (status == Z_NEED_DICT || (status < 0 && status != Z_BUF_ERROR)) return Damage();
    // The stream has not ended but every input byte has been used: it was cut short.
    if (stream->avail_in == 0 && consumed == length && stream->avail_out > 0) return Damage();
  }
  out.resize(produced);
  if (produced < capacity) out.squeeze();
  return out;
}

}  // namespace mosaicor
