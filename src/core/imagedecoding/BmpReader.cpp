#include "core/imagedecoding/BmpReader.h"

#include "core/imagedecoding/PictureLimits.h"

#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cstring>

namespace mosaicor {

namespace {

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

struct BmpInfo {
  qint64 width = 0, height = 0;
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = kRgb;
  uint32_t coloursUsed = 0;
  uint32_t masks[4] = {};  // red, green, blue, alpha
  qsizetype paletteStart = 0;
  int paletteEntrySize = 4;
  qsizetype pixelStart = 0;
};

Result<BmpInfo> ReadInfo(ByteSource& source) {
  BmpInfo info;
  const uchar* fileHeader = source.Take(14);
  if (!fileHeader || fileHeader[0] != 'B' || fileHeader[1] != 'M') return Failure<>{QStringLiteral("not a BMP file")};
  const qsizetype fileStart = source.Position() - 14;
  uint32_t headerSize = 0;
  if (!source.ReadU32(headerSize) || headerSize < 12 || source.Remaining() < qsizetype(headerSize) - 4)
    return Failure<>{QStringLiteral("the file ends inside the BMP header")};
  // Copy into a zero-filled block so that fields a short header leaves out read as zero.
  uchar h[124] = {};
  std::memcpy(h + 4, source.Take(headerSize - 4), std::min<size_t>(headerSize, 124) - 4);
  if (headerSize == 12) {
    info.width = qFromLittleEndian<quint16>(h + 4);
    info.height = qFromLittleEndian<quint16>(h + 6);
    info.bitCount = qFromLittleEndian<quint16>(h + 10);
    info.paletteEntrySize = 3;
  } else if (headerSize >= 16) {
    info.width = qint32(qFromLittleEndian<quint32>(h + 4));
    info.height = qint32(qFromLittleEndian<quint32>(h + 8));
    info.bitCount = qFromLittleEndian<quint16>(h + 14);
    info.compression = qFromLittleEndian<quint32>(h + 16);
    info.coloursUsed = qFromLittleEndian<quint32>(h + 32);
    for (int i = 0; i < 4; ++i) info.masks[i] = qFromLittleEndian<quint32>(h + 40 + 4 * i);
  } else {
    return Failure<>{QStringLiteral("unknown BMP header size %1").arg(headerSize)};
  }
  if (headerSize == 64 && info.compression >= 3)
    return Failure<>{QStringLiteral("OS/2 Huffman and RLE24 bitmaps are not supported")};
  if (info.height < 0) {
    info.topDown = true;
    info.height = -info.height;
  }
  const bool bitFields = info.compression == kBitFields || info.compression == kAlphaBitFields;
  if (!bitFields) {
    std::fill(std::begin(info.masks), std::end(info.masks), 0u);  // the ordinary layouts apply
  } else if (headerSize < 52) {
    // The masks follow a short header.
    const int count = info.compression == kAlphaBitFields ? 4 : 3;
    for (int i = 0; i < 4; ++i)
      if (i < count ? !source.ReadU32(info.masks[i]) : (info.masks[i] = 0, false))
        return Failure<>{QStringLiteral("the file ends inside the colour masks")};
  } else if (headerSize < 56) {
    info.masks[3] = 0;
  }
  info.paletteStart = source.Position();
  uint32_t offBits = qFromLittleEndian<quint32>(fileHeader + 10);
  info.pixelStart = fileStart + qsizetype(offBits);
  if (offBits == 0) return Failure<>{QStringLiteral("the pixel data lies outside the file")};
  return info;
}

QList<QRgb> ReadPalette(const ByteSource& source, const BmpInfo& info) {
  QList<QRgb> table(256, qRgb(0, 0, 0));
  const qsizetype wanted =
      info.coloursUsed ? std::min<qsizetype>(info.coloursUsed, 256) : qsizetype(1) << info.bitCount;
  // Entries that the file does not hold before its pixels (or at all) stay black.
  const qsizetype end = info.pixelStart > info.paletteStart ? info.pixelStart : source.Size();
  const qsizetype available = (end - info.paletteStart) / info.paletteEntrySize;
  const uchar* p = source.Data() + info.paletteStart;
  for (qsizetype i = 0; i < std::min(wanted, available); ++i, p += info.paletteEntrySize)
    table[i] = qRgb(p[2], p[1], p[0]);
  return table;
}

// One colour channel of a bit-field pixel, widened (or narrowed) to 8 bits as value x 255 / max,
// rounded: a field of any width keeps its exact share of the range, and its full value is 255.
struct Channel {
  uint32_t mask = 0;
  int shift = 0, width = 0;
  explicit Channel(uint32_t m) : mask(m) {
    if (m) {
      // Channels wider than 16 bits keep their top 16 bits.
      const int bits = std::popcount(m);
      shift = std::countr_zero(m) + std::max(bits - 16, 0);
      width = std::min(bits, 16);
    }
  }
  unsigned Scaled(uint32_t raw) const {
    if (!width) return 0;
    const uint32_t max = (1u << width) - 1;
    const uint32_t v = ((raw & mask) >> shift) & max;
    return (v * 255 + max / 2) / max;
  }
};

// Bit-field pixels of 16 or 32 bits into ARGB32.
void ConvertBitFieldRow(const uchar* src, uchar* dst, int width, int bytesPerPixel, const uint32_t masks[4]) {
  const Channel r(masks[0]), g(masks[1]), b(masks[2]);
  uint32_t alphaMask = masks[3];
  if (!alphaMask) {
    // Without an alpha mask, bits no colour uses are kept as alpha, as in the ordinary layouts:
    // the top bit of 16-bit pixels, the spare byte of 32-bit ones.
    const uint32_t spare = ~(masks[0] | masks[1] | masks[2]) & (bytesPerPixel == 2 ? 0x8000u : 0xFFFFFFFFu);
    if (bytesPerPixel == 2 || std::popcount(spare) == 8) alphaMask = spare;
  }
  const Channel a(alphaMask);
  for (int x = 0; x < width; ++x) {
    const uint32_t raw =
        bytesPerPixel == 2 ? qFromLittleEndian<quint16>(src + 2 * x) : qFromLittleEndian<quint32>(src + 4 * x);
    const QRgb out = qRgba(r.Scaled(raw), g.Scaled(raw), b.Scaled(raw), a.Scaled(raw));
    std::memcpy(dst + 4 * x, &out, 4);
  }
}

void UnpackNibbles(const uchar* src, uchar* dst, int width) {
  for (int x = 0; x < width; ++x) dst[x] = (x & 1) ? (src[x / 2] & 15) : (src[x / 2] >> 4);
}

// RLE8 and RLE4: every write is clipped to the picture; the data ending early ends the picture.
void DecodeRle(const uchar* p, const uchar* end, QImage& image, bool fourBits) {
  const int width = image.width(), height = image.height();
  qint64 x = 0, y = 0;  // y counts rows from the bottom
  auto put = [&](uchar index) {
    if (x < width && y < height) image.scanLine(int(height - 1 - y))[x] = index;
    ++x;
  };
  while (end - p >= 2 && y < height) {
    const int count = p[0], value = p[1];
    p += 2;
    if (count > 0) {
      for (int i = 0; i < count && x < width; ++i) put(fourBits ? ((i & 1) ? value & 15 : value >> 4) : value);
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (end - p < 2) return;
      x += p[0];
      y += p[1];
      p += 2;
    } else {
      const qsizetype bytes = fourBits ? (value + 1) / 2 : value;
      const qsizetype padded = (bytes + 1) & ~qsizetype(1);
      const qsizetype have = std::min<qsizetype>(bytes, end - p);
      for (int i = 0; i < value; ++i) {
        const qsizetype at = fourBits ? i / 2 : i;
        if (at >= have) return;
        put(fourBits ? ((i & 1) ? p[at] & 15 : p[at] >> 4) : p[at]);
      }
      p += std::min<qsizetype>(padded, end - p);
    }
  }
}

// The QImage format the pixels are stored in, and the format to report.
struct BmpLayout {
  QImage::Format format;
  PixelFormatCode code;
};

Result<BmpLayout> ChooseFormat(const BmpInfo& info) {
  const bool bitFields = info.compression == kBitFields || info.compression == kAlphaBitFields;
  const bool rgb = info.compression == kRgb;
  QImage::Format format = QImage::Format_Invalid;
  PixelFormatCode code = PixelFormatCode::Device;
  bool supported = false;
  switch (info.bitCount) {
    case 1:
      format = QImage::Format_Mono, code = PixelFormatCode::OneBit;
      supported = rgb;
      break;
    case 4:
      format = QImage::Format_Indexed8, code = PixelFormatCode::FourBits;
      supported = rgb || info.compression == kRle4;
      break;
    case 8:
      format = QImage::Format_Indexed8, code = PixelFormatCode::EightBits;
      supported = rgb || info.compression == kRle8;
      break;
    case 16: {
      const uint32_t r = info.masks[0], g = info.masks[1], b = info.masks[2];
      if (rgb || (r == 0x7C00 && g == 0x3E0 && b == 0x1F && (info.masks[3] | 0x8000) == 0x8000))
        format = QImage::Format_RGB555, code = PixelFormatCode::FifteenBits;
      else if (r == 0xF800 && g == 0x7E0 && b == 0x1F && !info.masks[3])
        format = QImage::Format_RGB16, code = PixelFormatCode::SixteenBits;
      else  // every field widened straight to 8 bits, none through 5
        format = QImage::Format_ARGB32, code = PixelFormatCode::Custom;
      supported = rgb || bitFields;
      break;
    }
    case 24:
      format = QImage::Format_BGR888, code = PixelFormatCode::TwentyFourBits;
      supported = rgb;
      break;
    case 32:
      format = QImage::Format_ARGB32, code = PixelFormatCode::ThirtyTwoBits;
      supported = rgb || bitFields;
      break;
    default:
      return Failure<>{QStringLiteral("BMP files of %1 bits per pixel are not supported").arg(info.bitCount)};
  }
  if (supported) return BmpLayout{format, code};
  return Failure<>{QStringLiteral("BMP compression %1 is not supported for %2 bits per pixel")
                       .arg(info.compression)
                       .arg(info.bitCount)};
}

// The checks a header allows before any pixel is read or allocated, against a file of
// `fileSize` bytes; the number of bytes the picture can use.
Result<qint64> CheckAgainstFile(const BmpInfo& info, qint64 fileSize) {
  if (info.pixelStart > fileSize) return Failure<>{QStringLiteral("the pixel data lies outside the file")};
  if (auto allowed = PictureSizeAllowed(info.width, info.height); !allowed) return allowed;
  const bool rle = info.compression == kRle8 || info.compression == kRle4;
  if (rle && info.topDown) return Failure<>{QStringLiteral("a run-length encoded BMP cannot be stored top-down")};
  const qint64 stride = ((info.width * info.bitCount + 31) / 32) * 4;
  const qint64 pixelBytes = fileSize - info.pixelStart;
  // Run-length data rarely covers more than 128 pixels a byte; 1024 (and a floor for small
  // pictures) leaves room for long skips while a few bytes cannot claim a huge picture.
  const bool tooShort = rle ? info.width * info.height > 1024 * pixelBytes + 65536 : pixelBytes < stride * info.height;
  if (tooShort)
    return Failure<>{QStringLiteral("the file is shorter than its %1 x %2 picture").arg(info.width).arg(info.height)};
  return rle ? fileSize : info.pixelStart + stride * info.height;
}

}  // namespace

Result<qint64> BmpBytesToRead(ByteSource& head, qint64 fileSize) {
  const Result<BmpInfo> read = ReadInfo(head);
  if (!read) return read.Status();
  if (const Result<BmpLayout> layout = ChooseFormat(read.Value()); !layout) return layout.Status();
  return CheckAgainstFile(read.Value(), fileSize);
}

Result<DecodedPicture> ReadBmp(ByteSource& source) {
  const Result<BmpInfo> read = ReadInfo(source);
  if (!read) return read.Status();
  const BmpInfo& info = read.Value();
  const Result<BmpLayout> layout = ChooseFormat(info);
  if (!layout) return layout.Status();
  const PixelFormatCode code = layout->code;
  if (const Result<qint64> fits = CheckAgainstFile(info, source.Size()); !fits) return fits.Status();
  const bool rle = info.compression == kRle8 || info.compression == kRle4;
  const int width = int(info.width), height = int(info.height);
  const qsizetype stride = ((qsizetype(width) * info.bitCount + 31) / 32) * 4;

  QImage image(width, height, layout->format);
  if (image.isNull())
    return Failure<>{QStringLiteral("not enough memory for a %1 x %2 picture").arg(width).arg(height)};
  if (info.bitCount <= 8) {
    QList<QRgb> table = ReadPalette(source, info);
    if (info.bitCount == 1) table.resize(2);
    image.setColorTable(table);
  }
  const uchar* pixels = source.Data() + info.pixelStart;
  const bool repack = code == PixelFormatCode::Custom ||
                      (info.bitCount == 32 && (info.masks[0] | info.masks[1] | info.masks[2]) &&
                       !(info.masks[0] == 0xFF0000 && info.masks[1] == 0xFF00 && info.masks[2] == 0xFF));
  if (rle) {
    image.fill(0);
    DecodeRle(pixels, source.Data() + source.Size(), image, info.compression == kRle4);
  } else {
    const qsizetype rowBytes = (qsizetype(width) * info.bitCount + 7) / 8;
    for (int r = 0; r < height; ++r) {
      const uchar* src = pixels + stride * r;
      uchar* dst = image.scanLine(info.topDown ? r : height - 1 - r);
      if (info.bitCount == 4)
        UnpackNibbles(src, dst, width);
      else if (repack)
        ConvertBitFieldRow(src, dst, width, info.bitCount / 8, info.masks);
      else
        std::memcpy(dst, src, size_t(rowBytes));
    }
  }
  source.Seek(source.Size());
  return DecodedPicture{std::move(image), code};
}

}  // namespace mosaicor
