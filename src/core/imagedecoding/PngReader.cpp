#include "core/imagedecoding/PngReader.h"

#include "core/imagedecoding/PictureLimits.h"

#include <QBuffer>
#include <QImageReader>
#include <cctype>
#include <cstring>

namespace mosaicor {

namespace {

constexpr uchar kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t U32BigAt(const uchar* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

struct PngHeader {
  qint64 width = 0, height = 0;
  int bitDepth = 0, colourType = 0;
};

// The signature and the IHDR chunk, which the format puts first.
Result<PngHeader> ReadHeader(const uchar* p, qsizetype size) {
  PngHeader h;
  if (size < 33 || std::memcmp(p, kSignature, 8) != 0) return Failure<>{QStringLiteral("not a PNG file")};
  if (U32BigAt(p + 8) != 13 || std::memcmp(p + 12, "IHDR", 4) != 0)
    return Failure<>{QStringLiteral("the PNG file does not begin with its header chunk")};
  h.width = U32BigAt(p + 16), h.height = U32BigAt(p + 20);
  h.bitDepth = p[24], h.colourType = p[25];
  if (auto allowed = PictureSizeAllowed(h.width, h.height); !allowed) return allowed;
  // Qt decodes colour of 16 bits a sample into 8 bytes a pixel: such a picture gets the same
  // 512 MiB as every other one, so it may have half the pixels.
  const bool wideColour = h.bitDepth == 16 && h.colourType != 0 && h.colourType != 3;
  if (wideColour && h.width * h.height * 8 > kMaxPicturePixels * 4)
    return NoPictureDescribed(QStringLiteral("the picture is too large (%1 x %2 pixels)").arg(h.width).arg(h.height));
  return h;
}

// Every chunk's length against what is left of the file, before the PNG library reads one: it
// allocates a chunk's whole claimed length (up to 2 GB) before it finds the file too short.
Outcome<> CheckChunkLengths(const uchar* p, qsizetype size) {
  qsizetype at = 8;
  while (size - at >= 8) {
    const qint64 length = U32BigAt(p + at);
    const qsizetype left = size - at - 8;
    if (length > left) {
      QString type;  // letters in a sound file; anything in a damaged one
      for (int i = 4; i < 8; ++i) type += QChar::fromLatin1(std::isalpha(p[at + i]) ? char(p[at + i]) : '?');
      return Failure<>{QStringLiteral("the PNG chunk \"%1\" at offset %2 claims %3 bytes, but only %4 are left")
                           .arg(type)
                           .arg(at)
                           .arg(length)
                           .arg(left)};
    }
    if (std::memcmp(p + at + 4, "IEND", 4) == 0) break;
    at += 8 + length + 4;  // length, type, data, CRC
  }
  return {};
}

PixelFormatCode FormatOf(const PngHeader& h) {
  switch (h.colourType) {
    case 0:  // grey
    case 3:  // palette
      if (h.bitDepth == 1) return PixelFormatCode::OneBit;
      if (h.bitDepth <= 4) return PixelFormatCode::FourBits;
      return PixelFormatCode::EightBits;
    case 2: return PixelFormatCode::TwentyFourBits;
    default: return PixelFormatCode::ThirtyTwoBits;  // 4 grey + alpha, 6 colour + alpha
  }
}

qint64 RowBytes(const PngHeader& h) {
  const int channels = h.colourType == 2 ? 3 : h.colourType == 4 ? 2 : h.colourType == 6 ? 4 : 1;
  return (h.width * channels * h.bitDepth + 7) / 8 + 1;  // one filter byte a row
}

}  // namespace

Result<DecodedPicture> ReadPng(ByteSource& source) {
  const Result<PngHeader> header = ReadHeader(source.Here(), source.Remaining());
  if (!header) return header.Status();
  const PngHeader& h = header.Value();
  if (Outcome<> chunks = CheckChunkLengths(source.Here(), source.Remaining()); !chunks) return chunks;
  // Deflate packs at most about 1032 bytes into one: a tiny file cannot hold a huge picture.
  if (RowBytes(h) * h.height > (qint64(1) << 20) + 1100 * qint64(source.Remaining()))
    return Failure<>{QStringLiteral("the file is too short for its %1 x %2 picture").arg(h.width).arg(h.height)};
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(source.Here()), source.Remaining());
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  // Qt has its own limit on what a reader may allocate (128 MB unless told otherwise), which would
  // refuse pictures the other formats take; the header has been checked against ours above.
  QImageReader::setAllocationLimit(int((kMaxPicturePixels * 4) >> 20) + 1);
  QImageReader reader(&buffer, "png");
  // The pixels as stored: texture tiles are not turned by orientation metadata (gamma and colour
  // space chunks Qt keeps as metadata anyway).
  reader.setAutoTransform(false);
  QImage image;
  if (!reader.read(&image)) return Failure<>{QStringLiteral("PNG error: %1").arg(reader.errorString())};
  const PixelFormatCode format = FormatOf(h);
  // Colour of 16 bits a sample is kept as 8 bits, like every other 24- and 32-bit picture.
  if (image.depth() == 64) image = image.convertToFormat(format == PixelFormatCode::ThirtyTwoBits
                                                             ? QImage::Format_ARGB32
                                                             : QImage::Format_RGB32);
  else if (image.format() == QImage::Format_Grayscale16)
    image = image.convertToFormat(QImage::Format_Grayscale8);
  if (image.isNull())
    return Failure<>{QStringLiteral("not enough memory for a %1 x %2 picture").arg(h.width).arg(h.height)};
  source.Seek(source.Size());
  return DecodedPicture{std::move(image), format};
}

}  // namespace mosaicor
