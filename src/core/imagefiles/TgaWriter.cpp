#include "core/imagefiles/TgaWriter.h"

#include "core/imagefiles/AtomicWrite.h"

#include <QDir>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace mosaicor {

namespace {

constexpr int kHeaderSize = 18;

Outcome<> FitsTga(const QImage& picture) {
  if (picture.isNull()) return NoPictureToSave();
  if (picture.width() > 0xFFFF || picture.height() > 0xFFFF)
    return Failure<>{QStringLiteral("A picture of %1 x %2 pixels is too large for a TGA file (at most "
                                    "65535 x 65535); save it as BMP instead.")
                         .arg(picture.width())
                         .arg(picture.height())};
  return {};
}

void PutHeader(char* header, int width, int height, int bitsPerPixel, int descriptor) {
  std::memset(header, 0, kHeaderSize);
  header[2] = 2;  // uncompressed true-colour
  header[12] = static_cast<char>(width & 0xFF);
  header[13] = static_cast<char>((width >> 8) & 0xFF);
  header[14] = static_cast<char>(height & 0xFF);
  header[15] = static_cast<char>((height >> 8) & 0xFF);
  header[16] = static_cast<char>(bitsPerPixel);
  header[17] = static_cast<char>(descriptor);
}

// Blue, green, red of 32-bit pixels (bytes B, G, R, A in memory), four pixels to twelve bytes at
// a time: the save of a texture set should cost little more than writing its bytes.
void PackBgrPlain(const uchar* argb, uchar* out, int width) {
  int x = 0;
  for (; x + 4 <= width; x += 4, argb += 16, out += 12) {
    uint32_t p[4];
    std::memcpy(p, argb, 16);
    const uint32_t w[3] = {(p[0] & 0xFFFFFF) | (p[1] << 24), ((p[1] >> 8) & 0xFFFF) | (p[2] << 16),
                           ((p[2] >> 16) & 0xFF) | (p[3] << 8)};
    std::memcpy(out, w, 12);
  }
  for (; x < width; ++x, argb += 4, out += 3) std::memcpy(out, argb, 3);
}

#if defined(__x86_64__) || defined(__i386__)
// The same sixteen pixels at a time: one byte shuffle per four pixels, and the four 12-byte groups
// joined into three full 16-byte stores.
__attribute__((target("ssse3"))) inline __m128i PackedGroup(const uchar* argb, __m128i order) {
  return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(argb)), order);
}

__attribute__((target("ssse3"))) void PackBgrSsse3(const uchar* argb, uchar* out, int width) {
  const __m128i order = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
  int x = 0;
  for (; x + 16 <= width; x += 16, argb += 64, out += 48) {
    const __m128i a = PackedGroup(argb, order), b = PackedGroup(argb + 16, order);
    const __m128i c = PackedGroup(argb + 32, order), d = PackedGroup(argb + 48, order);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_or_si128(a, _mm_slli_si128(b, 12)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16), _mm_or_si128(_mm_srli_si128(b, 4), _mm_slli_si128(c, 8)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 32), _mm_or_si128(_mm_srli_si128(c, 8), _mm_slli_si128(d, 4)));
  }
  PackBgrPlain(argb, out, width - x);
}
#endif

void PackBgr(const uchar* argb, uchar* out, int width) {
#if defined(__x86_64__) || defined(__i386__)
  static const bool ssse3 = __builtin_cpu_supports("ssse3");
  if (ssse3) return PackBgrSsse3(argb, out, width);
#endif
  PackBgrPlain(argb, out, width);
}

// Produces the file in pieces of about a megabyte (fewer writes cost less; a piece still stays
// far below the picture), bottom row first, and hands each to `sink`; stops when it fails.
template <typename Sink>
bool EmitTga24(const QImage& picture, Sink&& sink) {
  const bool fromArgb = picture.format() == QImage::Format_ARGB32 || picture.format() == QImage::Format_RGB32;
  const QImage source = fromArgb ? picture : picture.convertToFormat(QImage::Format_BGR888);
  const int width = source.width(), height = source.height();
  const qsizetype rowBytes = qsizetype(width) * 3;
  char header[kHeaderSize];
  PutHeader(header, width, height, 24, 0);
  if (!sink(header, kHeaderSize)) return false;
  const int rowsPerPiece = int(std::max<qsizetype>(1, (1024 * 1024) / rowBytes));
  QByteArray piece(rowBytes * rowsPerPiece, Qt::Uninitialized);
  static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "ARGB32 rows are blue, green, red, alpha in memory");
  // A piece holds rows top - count + 1 to top, bottom row first. They are read in the picture's
  // own order, upwards in memory, which the hardware prefetcher follows: read bottom up, the
  // rows of a large picture come from memory several times slower.
  for (int top = height - 1; top >= 0;) {
    const int count = std::min(rowsPerPiece, top + 1);
    for (int y = top - count + 1; y <= top; ++y) {
      uchar* out = reinterpret_cast<uchar*>(piece.data()) + rowBytes * (top - y);
      if (fromArgb)
        PackBgr(source.constScanLine(y), out, width);
      else
        std::memcpy(out, source.constScanLine(y), size_t(rowBytes));
    }
    if (!sink(piece.constData(), rowBytes * count)) return false;
    top -= count;
  }
  return true;
}

}  // namespace

Result<QByteArray> EncodeUncompTGA24bits(const QImage& picture) {
  if (Outcome<> fits = FitsTga(picture); !fits) return fits;
  QByteArray bytes;
  bytes.reserve(kHeaderSize + qsizetype(picture.width()) * 3 * picture.height());
  EmitTga24(picture, [&bytes](const char* data, qsizetype size) {
    bytes.append(data, size);
    return true;
  });
  return bytes;
}

Outcome<> SaveAsUncompTGA24bits(const QImage& picture, const QString& fileName) {
  if (Outcome<> fits = FitsTga(picture); !fits) return fits;
  QSaveFile file(fileName);
  bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  if (ok) {
    ReserveFileSpace(file, kHeaderSize + qsizetype(picture.width()) * 3 * picture.height());
    ok = EmitTga24(picture, [&file](const char* data, qsizetype size) { return WriteAll(file, data, size); }) &&
         file.commit();
  }
  if (ok) return {};
  Failure<> failure = CannotWrite(fileName, file);
  file.cancelWriting();
  return failure;
}

Outcome<> SaveAsUncompTGA32bits(const QImage& picture, const QString& fileName) {
  if (Outcome<> fits = FitsTga(picture); !fits) return fits;
  const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
  const qsizetype rowBytes = qsizetype(pixels.width()) * 4;
  QByteArray bytes(kHeaderSize + rowBytes * pixels.height(), Qt::Uninitialized);
  PutHeader(bytes.data(), pixels.width(), pixels.height(), 32, 0x28);
  for (int y = 0; y < pixels.height(); ++y)
    std::memcpy(bytes.data() + kHeaderSize + rowBytes * y, pixels.constScanLine(y), size_t(rowBytes));
  return WriteFileAtomically(fileName, bytes);
}

}  // namespace mosaicor
