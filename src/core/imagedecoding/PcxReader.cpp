#include "core/imagedecoding/PcxReader.h"

#include "core/imagedecoding/PictureLimits.h"
#include "core/imagedecoding/PixelRows.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <vector>

namespace mosaicor {

namespace {

constexpr qsizetype kHeaderSize = 128;
constexpr qsizetype kEndPaletteSize = 769;  // the marker byte 0x0C and 256 x R, G, B
constexpr uchar kEndPaletteMarker = 0x0C;

enum class Layout { Mono, PlanarIndex, PackedIndex, Indexed256, Rgb, Rgba };

struct PcxHeader {
  int version = 0, encoding = 0, bits = 0, planes = 0;
  qint64 width = 0, height = 0;
  qsizetype lineBytes = 0;  // per plane and row, as stored
  const uchar* palette16 = nullptr;
  Layout layout = Layout::Mono;
};

Outcome<> PickLayout(PcxHeader& h) {
  const int bits = h.bits, planes = h.planes;
  if (bits == 1 && planes == 1)
    h.layout = Layout::Mono;
  else if (bits == 1 && planes >= 2 && planes <= 4)
    h.layout = Layout::PlanarIndex;
  else if ((bits == 2 || bits == 4) && planes == 1)
    h.layout = Layout::PackedIndex;
  else if (bits == 8 && planes == 1)
    h.layout = Layout::Indexed256;
  else if (bits == 8 && planes == 3)
    h.layout = Layout::Rgb;
  else if (bits == 8 && planes == 4)
    h.layout = Layout::Rgba;
  else
    return Failure<>{QStringLiteral("PCX pictures of %1 bits in %2 planes are not supported").arg(bits).arg(planes)};
  return {};
}

Result<PcxHeader> ReadHeader(ByteSource& source) {
  PcxHeader h;
  const uchar* p = source.Take(kHeaderSize);
  if (!p || p[0] != 0x0A) return Failure<>{QStringLiteral("not a PCX file")};
  h.version = p[1], h.encoding = p[2], h.bits = p[3];
  const int xMin = qFromLittleEndian<quint16>(p + 4), yMin = qFromLittleEndian<quint16>(p + 6),
            xMax = qFromLittleEndian<quint16>(p + 8), yMax = qFromLittleEndian<quint16>(p + 10);
  h.width = qint64(xMax) - xMin + 1, h.height = qint64(yMax) - yMin + 1;
  h.palette16 = p + 16;
  h.planes = p[65];
  h.lineBytes = qFromLittleEndian<quint16>(p + 66);
  if (h.encoding > 1) return Failure<>{QStringLiteral("unknown PCX encoding %1").arg(h.encoding)};
  if (auto picked = PickLayout(h); !picked) return picked;
  if (auto allowed = PictureSizeAllowed(h.width, h.height); !allowed) return allowed;
  if (h.lineBytes < (h.width * h.bits + 7) / 8)
    return Failure<>{
        QStringLiteral("the PCX rows (%1 bytes) are too short for %2 pixels").arg(h.lineBytes).arg(h.width)};
  return h;
}

// The pixel bytes: run-length packets (a byte 0xC0 + n repeats the next byte n times, runs may go
// on over the end of a row) or, for encoding 0, stored as they are.
class PcxStream {
 public:
  static constexpr qsizetype kMaxRun = 64;

  PcxStream(const uchar* begin, const uchar* end, bool rle) : p_(begin), end_(end), rle_(rle) {}

  // The next n bytes into out; false when the data ends first.
  bool Fill(uchar* out, qsizetype n) {
    if (!rle_) {
      if (end_ - p_ < n) return false;
      std::memcpy(out, p_, size_t(n));
      p_ += n;
      return true;
    }
    qsizetype done = 0;
    if (runLeft_ > 0) {  // a run going on from the row before
      done = std::min<qsizetype>(runLeft_, n);
      std::memset(out, runValue_, size_t(done));
      runLeft_ -= int(done);
    }
    if (runLeft_ == 0) done = FillWithRoom(out, done, n);
    while (done < n) {
      if (runLeft_ > 0) {
        const qsizetype take = std::min<qsizetype>(runLeft_, n - done);
        // A run is at most 63 bytes. Where the row has room, one fill of fixed size (a few vector
        // stores, no call) covers it; what it writes past the run, the bytes that follow replace.
        if (n - done >= kMaxRun)
          std::memset(out + done, runValue_, kMaxRun);
        else
          std::memset(out + done, runValue_, size_t(take));
        done += take, runLeft_ -= int(take);
        continue;
      }
      // Literal bytes up to the next run marker, in one tight loop.
      const qsizetype room = std::min<qsizetype>(n - done, end_ - p_);
      const uchar* from = p_;
      uchar* to = out + done;
      qsizetype k = 0;
      // Eight bytes at a time while none of them has both top bits set (a run marker).
      for (uint64_t w; k + 8 <= room; k += 8) {
        std::memcpy(&w, from + k, 8);
        if ((w & (w << 1)) & 0x8080808080808080ull) break;
        std::memcpy(to + k, &w, 8);
      }
      while (k < room && from[k] < 0xC0) to[k] = from[k], ++k;
      p_ += k, done += k;
      if (done == n) break;
      if (end_ - p_ < 2) return false;  // a run marker needs its value byte
      runLeft_ = *p_++ & 0x3F;
      runValue_ = *p_++;
    }
    return true;
  }

 private:
  // While the row has room for a whole run and the data holds a whole packet, nothing needs
  // clipping: a literal byte is stored as it is and a run is one fill of fixed size, whose bytes
  // past the run later ones replace. Branches on the byte, not arithmetic on it, keep the next
  // packet's address predictable. Returns how far the row got; the careful loop does the rest.
  qsizetype FillWithRoom(uchar* out, qsizetype done, qsizetype n) {
    const uchar* p = p_;
    const uchar* const last = end_ - 1;
    const qsizetype roomy = n - kMaxRun;
    while (done <= roomy && p < last) {
      const uchar c = *p;
      if (c < 0xC0) {
        out[done++] = c, ++p;
      } else {
        std::memset(out + done, p[1], kMaxRun);
        done += c & 0x3F, p += 2;
      }
    }
    p_ = p;
    return done;
  }

  const uchar* p_;
  const uchar* end_;
  bool rle_;
  int runLeft_ = 0;
  uchar runValue_ = 0;
};

// The standard EGA colours, for version 3 files that say they carry no palette.
constexpr QRgb kEgaColours[16] = {0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
                                  0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};

QList<QRgb> ColourTable(const PcxHeader& h, const uchar* endPalette) {
  QList<QRgb> table;
  if (h.layout == Layout::Mono) return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
  if (h.layout == Layout::Indexed256) {
    table.resize(256);
    for (int i = 0; i < 256; ++i)
      table[i] = endPalette ? qRgb(endPalette[3 * i], endPalette[3 * i + 1], endPalette[3 * i + 2]) : qRgb(i, i, i);
    return table;
  }
  const int count = 1 << (h.bits * h.planes);
  table.resize(count);
  for (int i = 0; i < count; ++i) {
    const uchar* c = h.palette16 + 3 * i;
    table[i] = h.version == 3 ? (kEgaColours[i] | 0xFF000000u) : qRgb(c[0], c[1], c[2]);
  }
  return table;
}

void ConvertRow(const PcxHeader& h, const uchar* line, uchar* out) {
  const qsizetype width = h.width, lb = h.lineBytes;
  switch (h.layout) {
    case Layout::Mono:
      std::memcpy(out, line, size_t((width + 7) / 8));
      break;
    case Layout::Indexed256:
      std::memcpy(out, line, size_t(width));
      break;
    case Layout::PlanarIndex:
      for (qsizetype x = 0; x < width; ++x) {
        const int shift = 7 - int(x & 7);
        uchar index = 0;
        for (int k = 0; k < h.planes; ++k) index |= uchar(((line[k * lb + x / 8] >> shift) & 1) << k);
        out[x] = index;
      }
      break;
    case Layout::PackedIndex: {
      const int perByte = 8 / h.bits, mask = (1 << h.bits) - 1;
      for (qsizetype x = 0; x < width; ++x)
        out[x] = uchar((line[x / perByte] >> ((perByte - 1 - int(x % perByte)) * h.bits)) & mask);
      break;
    }
    case Layout::Rgb:
      MergePlanesToRgb32(line, line + lb, line + 2 * lb, reinterpret_cast<QRgb*>(out), width);
      break;
    case Layout::Rgba:
      MergePlanesToArgb32(line, line + lb, line + 2 * lb, line + 3 * lb, reinterpret_cast<QRgb*>(out), width);
      break;
  }
}

QImage::Format ImageFormatOf(Layout layout) {
  switch (layout) {
    case Layout::Mono:
      return QImage::Format_Mono;
    case Layout::Rgb:
      return QImage::Format_RGB32;
    case Layout::Rgba:
      return QImage::Format_ARGB32;
    default:
      return QImage::Format_Indexed8;
  }
}

PixelFormatCode FormatOf(Layout layout) {
  switch (layout) {
    case Layout::Mono:
      return PixelFormatCode::OneBit;
    case Layout::PlanarIndex:
    case Layout::PackedIndex:
      return PixelFormatCode::FourBits;
    case Layout::Indexed256:
      return PixelFormatCode::EightBits;
    case Layout::Rgb:
      return PixelFormatCode::TwentyFourBits;
    case Layout::Rgba:
      return PixelFormatCode::ThirtyTwoBits;
  }
  return PixelFormatCode::Device;
}

}  // namespace

Result<qint64> PcxBytesToRead(ByteSource& head, qint64 fileSize) {
  // Run-length data has no size of its own and the 256-colour palette ends the file: all of it.
  if (const Result<PcxHeader> header = ReadHeader(head); !header) return header.Status();
  return fileSize;
}

Result<DecodedPicture> ReadPcx(ByteSource& source) {
  const qsizetype start = source.Position();
  const Result<PcxHeader> header = ReadHeader(source);
  if (!header) return header.Status();
  const PcxHeader& h = header.Value();

  // 8-bit pictures end with their palette; the pixel data stops before it.
  const uchar* dataEnd = source.Data() + source.Size();
  const uchar* endPalette = nullptr;
  if (h.layout == Layout::Indexed256 && source.Remaining() >= kEndPaletteSize &&
      dataEnd[-kEndPaletteSize] == kEndPaletteMarker) {
    endPalette = dataEnd - kEndPaletteSize + 1;
    dataEnd -= kEndPaletteSize;
  }
  const qint64 dataBytes = dataEnd - source.Here();
  const qint64 neededBytes = h.height * h.planes * h.lineBytes;
  // A packet of two bytes gives at most 63: no file holds more pixels than 32 times its bytes.
  if (neededBytes > (h.encoding ? 32 * dataBytes : dataBytes))
    return Failure<>{QStringLiteral("the file is too short for its %1 x %2 picture").arg(h.width).arg(h.height)};

  QImage image(int(h.width), int(h.height), ImageFormatOf(h.layout));
  if (image.isNull())
    return Failure<>{QStringLiteral("not enough memory for a %1 x %2 picture").arg(h.width).arg(h.height)};
  if (image.depth() <= 8) image.setColorTable(ColourTable(h, endPalette));
  std::vector<uchar> line(size_t(h.planes * h.lineBytes));
  PcxStream stream(source.Here(), dataEnd, h.encoding == 1);
  for (int y = 0; y < image.height(); ++y) {
    if (!stream.Fill(line.data(), qsizetype(line.size()))) {
      source.Seek(start);
      return Failure<>{QStringLiteral("the PCX picture data ends at row %1 of %2").arg(y).arg(h.height)};
    }
    ConvertRow(h, line.data(), image.scanLine(y));
  }
  source.Seek(source.Size());
  return DecodedPicture{std::move(image), FormatOf(h.layout)};
}

}  // namespace mosaicor
