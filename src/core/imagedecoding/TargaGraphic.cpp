#include "core/imagedecoding/TargaGraphic.h"

#include "core/common/DeviceNames.h"
#include "core/imagedecoding/HeadFirstRead.h"
#include "core/imagedecoding/PictureLimits.h"
#include "core/imagedecoding/TargaRLEDecoder.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace mosaicor {

namespace {

struct TargaHeader {
  uint8_t idLength, colourMapType, imageType;
  uint16_t firstEntry, mapLength;
  uint8_t entrySize;
  uint16_t xOrigin, yOrigin, width, height;
  uint8_t pixelDepth, descriptor;
};

bool ReadHeader(ByteSource& source, TargaHeader& h) {
  return source.ReadU8(h.idLength) && source.ReadU8(h.colourMapType) && source.ReadU8(h.imageType) &&
         source.ReadU16(h.firstEntry) && source.ReadU16(h.mapLength) && source.ReadU8(h.entrySize) &&
         source.ReadU16(h.xOrigin) && source.ReadU16(h.yOrigin) && source.ReadU16(h.width) &&
         source.ReadU16(h.height) && source.ReadU8(h.pixelDepth) && source.ReadU8(h.descriptor);
}

QList<QRgb> GreyRamp() {
  QList<QRgb> table(256);
  for (int i = 0; i < 256; ++i) table[i] = qRgb(i, i, i);
  return table;
}

int Widen5(unsigned v) { return int((v << 3) | (v >> 2)); }

// The palette from a colour map, in file order: pixel value firstEntry + i is map entry i.
// Values past 255 are read past; values no entry covers stay black.
Result<QList<QRgb>> ReadColourMap(const uchar* map, int length, int firstEntry, int entrySize) {
  QList<QRgb> table(256, qRgb(0, 0, 0));
  const int used = std::max(0, std::min(length, 256 - firstEntry));
  for (int i = 0; i < used; ++i) {
    QRgb& colour = table[firstEntry + i];
    switch (entrySize) {
      case 15:
      case 16: {
        const unsigned word = map[2 * i] | (map[2 * i + 1] << 8);
        // Widened by bit replication, as 15-bit pixels are: the same colour reads the same from
        // a pixel or an entry, and the masked magenta 0xFC1F is exactly (255, 0, 255).
        colour = qRgb(Widen5((word >> 10) & 31), Widen5((word >> 5) & 31), Widen5(word & 31));
        break;
      }
      case 24:
        colour = qRgb(map[3 * i + 2], map[3 * i + 1], map[3 * i]);
        break;
      case 32:
        colour = qRgb(map[4 * i + 2], map[4 * i + 1], map[4 * i]);
        break;
      default:
        return Failure<>{QStringLiteral("colour map entries of %1 bits are not supported").arg(entrySize)};
    }
  }
  return table;
}

QImage::Format FormatForDepth(int depth, PixelFormatCode& code) {
  switch (depth) {
    case 8:
      code = PixelFormatCode::EightBits;
      return QImage::Format_Indexed8;
    case 15:
    case 16:
      code = PixelFormatCode::FifteenBits;
      return QImage::Format_RGB555;
    case 24:
      code = PixelFormatCode::TwentyFourBits;
      return QImage::Format_BGR888;
    case 32:
      code = PixelFormatCode::ThirtyTwoBits;
      return QImage::Format_ARGB32;
    default:
      return QImage::Format_Invalid;
  }
}

// 16-bit greyscale pixels are a grey level and an alpha byte: as 32 bits they keep both.
QImage GreyAlphaTo32Bits(const QImage& words) {
  QImage out(words.size(), QImage::Format_ARGB32);
  if (out.isNull()) return out;
  const int width = words.width(), height = words.height();
  for (int y = 0; y < height; ++y) {
    const uchar* src = words.constScanLine(y);
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < width; ++x) dst[x] = qRgba(src[2 * x], src[2 * x], src[2 * x], src[2 * x + 1]);
  }
  return out;
}

void MirrorRows(QImage& image, int bytesPerPixel) {
  const int width = image.width(), height = image.height();
  for (int y = 0; y < height; ++y) {
    uchar* row = image.scanLine(y);
    for (int l = 0, r = width - 1; l < r; ++l, --r)
      std::swap_ranges(row + l * bytesPerPixel, row + (l + 1) * bytesPerPixel, row + r * bytesPerPixel);
  }
}

Failure<> Fail(const QString& why) { return {why}; }

// What the header says about the file: the picture's format and size, where its pixels start, and
// the fewest and the most bytes those pixels can take. Judged from the 18 header bytes alone.
struct TargaLayout {
  TargaHeader h;
  QImage::Format format = QImage::Format_Invalid;
  PixelFormatCode code = PixelFormatCode::Device;
  int bytesPerPixel = 0;
  qsizetype rowBytes = 0;
  bool compressed = false;
  qsizetype mapBytes = 0;
  qsizetype pixelStart = 0;  // from the start of the header
  qsizetype fewestPixelBytes = 0, mostPixelBytes = 0;
};

Result<TargaLayout> ReadLayout(ByteSource& source) {
  TargaLayout l;
  TargaHeader& h = l.h;
  if (!ReadHeader(source, h)) return Fail(QStringLiteral("the file ends inside the TGA header"));
  l.format = FormatForDepth(h.pixelDepth, l.code);
  if (h.pixelDepth == 0) return NoPictureDescribed(QStringLiteral("the picture has a pixel depth of 0"));
  if (l.format == QImage::Format_Invalid)
    return Fail(QStringLiteral("pixel depth %1 is not supported").arg(h.pixelDepth));
  l.compressed = h.imageType >= 9 && h.imageType <= 11;
  // Other image types carry no pixels we know of: a picture of the header's size would be
  // allocated on the header's word alone. Judged before the size, which such a header does not
  // really give.
  if (!l.compressed && !(h.imageType >= 1 && h.imageType <= 3))
    return Fail(QStringLiteral("TGA image type %1 is not supported").arg(h.imageType));
  if (auto allowed = PictureSizeAllowed(h.width, h.height); !allowed) return allowed;
  l.bytesPerPixel = (h.pixelDepth + 7) / 8;
  l.rowBytes = qsizetype(h.width) * l.bytesPerPixel;
  l.mapBytes = h.colourMapType == 1 ? qsizetype(h.mapLength) * ((h.entrySize + 7) / 8) : 0;
  l.pixelStart = 18 + h.idLength + l.mapBytes;
  // A whole uncompressed picture; run-length data takes at least one packet per 128 pixels of
  // every row, and at most a header byte beside every pixel (plus a last packet that runs on
  // past the picture).
  const qsizetype pixels = qsizetype(h.width) * h.height;
  l.fewestPixelBytes =
      l.compressed ? qsizetype(h.height) * ((h.width + 127) / 128) * (1 + l.bytesPerPixel) : l.rowBytes * h.height;
  l.mostPixelBytes = l.compressed ? (pixels + 128) * (1 + l.bytesPerPixel) : l.rowBytes * h.height;
  return l;
}

Failure<> TooShort(const TargaHeader& h) {
  return Fail(QStringLiteral("the file is shorter than its %1 x %2 picture").arg(h.width).arg(h.height));
}

}  // namespace

Result<qint64> TTargaGraphic::BytesToRead(ByteSource& head, qint64 fileSize) {
  const Result<TargaLayout> layout = ReadLayout(head);
  if (!layout) return layout.Status();
  const TargaLayout& l = layout.Value();
  if (fileSize < l.pixelStart + l.fewestPixelBytes) return TooShort(l.h);
  return std::min(fileSize, qint64(l.pixelStart + l.mostPixelBytes));
}

Outcome<> TTargaGraphic::LoadFromFile(const QString& fileName) {
  // A device would be read without end and a pipe would wait for a writer: only plain files.
  const QFileInfo info(fileName);
  if ((info.exists() && !info.isFile()) || IsDeviceName(fileName)) return Fail(QStringLiteral("not a regular file"));
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return Fail(file.errorString());
  const Result<QByteArray> bytes = ReadHeadFirst(file, file.size(), &TTargaGraphic::BytesToRead);
  if (!bytes) return bytes.Status();
  ByteSource source(bytes.Value());
  return LoadFromStream(source);
}

Outcome<> TTargaGraphic::LoadFromStream(ByteSource& source) {
  const Result<TargaLayout> layout = ReadLayout(source);
  if (!layout) return layout.Status();
  const TargaLayout& l = layout.Value();
  const TargaHeader& h = l.h;
  if (!source.Skip(h.idLength)) return Fail(QStringLiteral("the file ends inside the image ID"));

  const QImage::Format format = l.format;
  PixelFormatCode code = l.code;
  const bool greyscale = h.imageType == 3 || h.imageType == 11;
  QList<QRgb> palette = GreyRamp();  // also for 8-bit pictures that bring no colour map
  if (h.colourMapType == 1) {
    const uchar* map = source.Take(l.mapBytes);
    if (!map) return Fail(QStringLiteral("the file ends inside the colour map"));
    // Only an 8-bit colour picture uses its map; the others pass over it.
    if (!greyscale && format == QImage::Format_Indexed8) {
      Result<QList<QRgb>> table = ReadColourMap(map, h.mapLength, h.firstEntry, h.entrySize);
      if (!table) return table.Status();
      palette = std::move(table).Value();
    }
  }

  const int width = h.width, height = h.height;
  const int bytesPerPixel = l.bytesPerPixel;
  const qsizetype rowBytes = l.rowBytes;
  const bool uncompressed = !l.compressed;
  // Check that the file can hold what its header claims before allocating for it.
  if (source.Remaining() < l.fewestPixelBytes) return TooShort(h);

  QImage image(width, height, format);
  if (image.isNull()) return Fail(QStringLiteral("not enough memory for a %1 x %2 picture").arg(width).arg(height));
  if (format == QImage::Format_Indexed8) image.setColorTable(palette);

  const bool topFirst = (h.descriptor & 0x20) != 0;
  auto rowFor = [&](int fileRow) { return image.scanLine(topFirst ? fileRow : height - 1 - fileRow); };
  if (uncompressed) {
    for (int r = 0; r < height; ++r) std::memcpy(rowFor(r), source.Take(rowBytes), size_t(rowBytes));
  } else {
    // A file that ends early keeps the rows decoded so far; the rest stays zero.
    TTargaRLEDecoder decoder(h.pixelDepth);
    qsizetype pos = source.Position();
    for (int r = 0; r < height; ++r) {
      uchar* row = rowFor(r);
      const int done = decoder.Decode(source.Data(), source.Size(), pos, row, width);
      if (done < width) {
        std::memset(row + qsizetype(done) * bytesPerPixel, 0, size_t(rowBytes - qsizetype(done) * bytesPerPixel));
        for (int rest = r + 1; rest < height; ++rest) std::memset(rowFor(rest), 0, size_t(rowBytes));
        break;
      }
    }
    source.Seek(pos);
  }
  // The right-to-left bit means the first pixel of a file row is its rightmost one.
  if (h.descriptor & 0x10) MirrorRows(image, bytesPerPixel);
  if (greyscale && bytesPerPixel == 2) {
    image = GreyAlphaTo32Bits(image);
    code = PixelFormatCode::ThirtyTwoBits;
    if (image.isNull()) return Fail(QStringLiteral("not enough memory for a %1 x %2 picture").arg(width).arg(height));
  }

  bitmap_ = std::move(image);
  format_ = code;
  return {};
}

}  // namespace mosaicor
