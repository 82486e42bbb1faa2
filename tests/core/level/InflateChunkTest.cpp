#include "LevelWriter.h"
#include "core/level/InflateChunk.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace mosaicor {

namespace {

const uchar* Bytes(const QByteArray& data) { return reinterpret_cast<const uchar*>(data.constData()); }

// The inflated bytes of a stream that must inflate; empty, with the failure reported, otherwise.
QByteArray Inflated(const QByteArray& packed, qint64 estimate, qint64 limit) {
  LevelResult<QByteArray> out = InflateChunk(Bytes(packed), packed.size(), estimate, limit);
  EXPECT_TRUE(out.Ok()) << out.Text().toStdString();
  return out.Ok() ? std::move(out).Value() : QByteArray();
}

QByteArray Varied(qint64 size) {
  QByteArray data(size, Qt::Uninitialized);
  for (qint64 i = 0; i < size; ++i) data[i] = char((i * 7 + (i >> 9)) & 0xFF);
  return data;
}

// A zlib stream of `size` zero bytes, made piece by piece so the test never holds the plain data.
QByteArray DeflatedZeros(qint64 size) {
  z_stream stream{};
  deflateInit(&stream, 9);
  const QByteArray zeros(1 << 20, '\0');
  QByteArray out;
  char buffer[1 << 16];
  qint64 left = size;
  int status = Z_OK;
  while (status != Z_STREAM_END) {
    const qint64 piece = std::min<qint64>(left, zeros.size());
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.constData()));
    stream.avail_in = uInt(piece);
    left -= piece;
    do {
      stream.next_out = reinterpret_cast<Bytef*>(buffer);
      stream.avail_out = sizeof buffer;
      status = deflate(&stream, left == 0 ? Z_FINISH : Z_NO_FLUSH);
      out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
    } while (stream.avail_out == 0);
  }
  deflateEnd(&stream);
  return out;
}

TEST(InflateChunk, ReturnsTheWholeStreamWhateverTheFirstBufferSize) {
  const QByteArray plain = Varied(300000);
  const QByteArray packed = Deflate(plain);
  // 0: grows from the compressed size; too small, exact and far too large estimates.
  for (qint64 estimate : {qint64(0), qint64(1), qint64(plain.size()), qint64(plain.size()) * 50}) {
    const QByteArray out = Inflated(packed, estimate, 1 << 30);
    EXPECT_EQ(out, plain) << estimate;
    EXPECT_EQ(out.size(), plain.size());
  }
}

TEST(InflateChunk, HighlyCompressedDataGrowsItsBufferToTheExactLength) {
  const QByteArray plain(5'000'001, 'x');
  const QByteArray packed = Deflate(plain);
  ASSERT_LT(packed.size(), 10000);
  EXPECT_EQ(Inflated(packed, 0, 1 << 30), plain);
}

TEST(InflateChunk, OutputOfExactlyTheLimitIsAccepted) {
  const QByteArray plain = Varied(70000);
  const QByteArray packed = Deflate(plain);
  EXPECT_EQ(Inflated(packed, 0, plain.size()), plain);
  EXPECT_EQ(Inflated(packed, plain.size(), plain.size()), plain);
}

TEST(InflateChunk, DamagedStreamsFailAsDamage) {
  const QByteArray plain = Varied(100000);
  const QByteArray packed = Deflate(plain);
  QByteArray badCheck = packed;
  badCheck[badCheck.size() - 1] = char(badCheck[badCheck.size() - 1] ^ 1);  // Adler-32, after all data
  QByteArray badHeader = packed;
  badHeader[0] = 0x12;
  const QByteArray cutShort = packed.left(packed.size() / 2);
  const QByteArray noCheck = packed.left(packed.size() - 4);
  const QByteArray garbage(5000, '\xA7');
  for (const QByteArray* bad :
       std::initializer_list<const QByteArray*>{&badCheck, &badHeader, &cutShort, &noCheck, &garbage}) {
    const LevelResult<QByteArray> out = InflateChunk(Bytes(*bad), bad->size(), 0, 1 << 30);
    EXPECT_EQ(out.FailureKind(), LevelFailure::Damaged) << "accepted a damaged stream of " << bad->size() << " bytes";
    EXPECT_EQ(out.Text(), "damaged compressed data");
  }
  EXPECT_EQ(InflateChunk(Bytes(packed), 0, 0, 1 << 30).FailureKind(), LevelFailure::Damaged);
}

TEST(InflateChunk, StopsAtTheLimitInsteadOfFollowingABomb) {
  const qint64 limit = 1 << 20;
  const QByteArray packed = DeflatedZeros(limit + 1);
  for (qint64 estimate : {qint64(0), limit * 4}) {
    const LevelResult<QByteArray> out = InflateChunk(Bytes(packed), packed.size(), estimate, limit);
    EXPECT_EQ(out.FailureKind(), LevelFailure::InflatesTooFar) << estimate;
    EXPECT_EQ(out.Text(), "compressed data unpacks to more than 1 MiB, more than any level holds");
  }
  EXPECT_EQ(Inflated(packed, 0, limit + 1).size(), limit + 1);
}

TEST(InflateChunk, PageChunkBoundIsFarAboveRealLevels) {
  // 64 pages of 32 bits is already more than the editors load; the bound leaves room for
  // eight times that.
  EXPECT_GE(kMaxPageChunkBytes, 8 * 64 * 262144);
  const QByteArray packed = DeflatedZeros(kMaxPageChunkBytes + 1);
  EXPECT_FALSE(InflateChunk(Bytes(packed), packed.size(), 0, kMaxPageChunkBytes).Ok());
}

}  // namespace

}  // namespace mosaicor
