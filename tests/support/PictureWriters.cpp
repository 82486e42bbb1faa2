#include "PictureWriters.h"

#include <QFile>
#include <algorithm>
#include <cstring>

namespace mosaicor {

namespace {

void Put16(QByteArray& out, unsigned v) {
  out.append(char(v & 0xFF));
  out.append(char((v >> 8) & 0xFF));
}
void Put32(QByteArray& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

QByteArray EncodeTgaRle(const QByteArray& pixels, int bytesPerPixel, int rowPixels) {
  const qsizetype total = pixels.size() / bytesPerPixel;
  const qsizetype segment = rowPixels > 0 ? rowPixels : total;
  QByteArray out;
  auto pixelAt = [&](qsizetype i) { return pixels.constData() + i * bytesPerPixel; };
  auto same = [&](qsizetype a, qsizetype b) { return std::memcmp(pixelAt(a), pixelAt(b), bytesPerPixel) == 0; };
  for (qsizetype start = 0; start < total; start += segment) {
    const qsizetype end = std::min(total, start + segment);
    qsizetype i = start;
    while (i < end) {
      qsizetype run = 1;
      while (i + run < end && run < 128 && same(i, i + run)) ++run;
      if (run >= 2) {
        out.append(char(0x80 | (run - 1)));
        out.append(pixelAt(i), bytesPerPixel);
        i += run;
        continue;
      }
      qsizetype raw = 1;
      while (i + raw < end && raw < 128 && !(i + raw + 1 < end && same(i + raw, i + raw + 1))) ++raw;
      out.append(char(raw - 1));
      out.append(pixelAt(i), raw * bytesPerPixel);
      i += raw;
    }
  }
  return out;
}

QByteArray WriteTga(const TgaSpec& spec) {
  const int bytesPerPixel = (spec.pixelDepth + 7) / 8;
  const int mapBytesPerEntry = (spec.mapEntrySize + 7) / 8;
  const int mapLength =
      spec.mapLength >= 0 ? spec.mapLength : int(spec.colourMap.size() / std::max(1, mapBytesPerEntry));
  QByteArray out;
  out.append(char(spec.idField.size()));
  out.append(char(spec.colourMapType));
  out.append(char(spec.imageType));
  Put16(out, 0);
  Put16(out, unsigned(mapLength));
  out.append(char(spec.mapEntrySize));
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, unsigned(spec.width));
  Put16(out, unsigned(spec.height));
  out.append(char(spec.pixelDepth));
  out.append(char(spec.descriptor));
  out.append(spec.idField);
  if (spec.colourMapType == 1) out.append(spec.colourMap);

  // Put the meant picture into file order.
  QByteArray fileOrder(spec.pixels.size(), '\0');
  const qsizetype rowBytes = qsizetype(spec.width) * bytesPerPixel;
  const bool topFirst = spec.descriptor & 0x20, rightToLeft = spec.descriptor & 0x10;
  if (rowBytes > 0 && spec.pixels.size() >= rowBytes * spec.height) {
    for (int r = 0; r < spec.height; ++r) {
      const char* src = spec.pixels.constData() + rowBytes * (topFirst ? r : spec.height - 1 - r);
      char* dst = fileOrder.data() + rowBytes * r;
      for (int x = 0; x < spec.width; ++x)
        std::memcpy(dst + qsizetype(x) * bytesPerPixel,
                    src + qsizetype(rightToLeft ? spec.width - 1 - x : x) * bytesPerPixel, bytesPerPixel);
    }
  } else {
    fileOrder = spec.pixels;  // damaged on purpose: written as given
  }
  const bool rle = spec.imageType >= 9 && spec.imageType <= 11;
  if (rle)
    out.append(EncodeTgaRle(fileOrder, bytesPerPixel, spec.packetsCrossRows ? 0 : spec.width));
  else
    out.append(fileOrder);
  out.append(spec.trailer);
  return out;
}

QByteArray WriteTga32(const QImage& picture) {
  TgaSpec spec;
  spec.pixelDepth = 32, spec.descriptor = 0x28, spec.width = picture.width(), spec.height = picture.height();
  spec.pixels = TgaPixelsOf(picture, 32);
  return WriteTga(spec);
}

QByteArray WriteTga24(const QImage& picture) {
  TgaSpec spec;
  spec.pixelDepth = 24, spec.descriptor = 0x20, spec.width = picture.width(), spec.height = picture.height();
  spec.pixels = TgaPixelsOf(picture, 24);
  return WriteTga(spec);
}

QByteArray TgaPixelsOf(const QImage& picture, int pixelDepth) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  QByteArray out;
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb c = argb.pixel(x, y);
      switch (pixelDepth) {
        case 32:
          out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(qAlpha(c)));
          break;
        case 24:
          out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
          break;
        case 15:
        case 16:
          Put16(out,
                (qAlpha(c) >= 128 ? 0x8000u : 0u) | ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3));
          break;
        default:
          out.append(char(qGreen(c)));
      }
    }
  return out;
}

namespace {

QByteArray BmpRle(const BmpSpec& spec) {
  QByteArray out;
  const bool four = spec.compression == 2;
  for (int r = spec.height - 1; r >= 0; --r) {
    const uint32_t* row = spec.pixels.constData() + qsizetype(r) * spec.width;
    int x = 0;
    while (x < spec.width) {
      int run = 1;
      while (x + run < spec.width && run < 255 && row[x + run] == row[x]) ++run;
      if (run >= 3 || spec.width - x < 3) {
        out.append(char(run));
        out.append(char(four ? ((row[x] & 15) << 4) | (row[x] & 15) : row[x]));
        x += run;
        continue;
      }
      // Absolute mode for a stretch without runs.
      int count = 3;
      while (
          x + count < spec.width && count < 255 &&
          !(x + count + 2 < spec.width && row[x + count] == row[x + count + 1] && row[x + count] == row[x + count + 2]))
        ++count;
      out.append(char(0));
      out.append(char(count));
      QByteArray data;
      if (four)
        for (int i = 0; i < count; i += 2)
          data.append(char(((row[x + i] & 15) << 4) | (i + 1 < count ? row[x + i + 1] & 15 : 0)));
      else
        for (int i = 0; i < count; ++i) data.append(char(row[x + i]));
      if (data.size() & 1) data.append('\0');
      out.append(data);
      x += count;
    }
    out.append('\0').append('\0');  // end of line
  }
  out.append('\0').append('\1');  // end of bitmap
  return out;
}

QByteArray BmpRows(const BmpSpec& spec) {
  const qsizetype stride = ((qsizetype(spec.width) * spec.bitCount + 31) / 32) * 4;
  QByteArray out(stride * spec.height, '\0');
  for (int r = 0; r < spec.height; ++r) {
    const int pictureRow = spec.topDown ? r : spec.height - 1 - r;
    uchar* dst = reinterpret_cast<uchar*>(out.data()) + stride * r;
    for (int x = 0; x < spec.width; ++x) {
      const uint32_t v = spec.pixels.value(qsizetype(pictureRow) * spec.width + x);
      switch (spec.bitCount) {
        case 1:
          dst[x / 8] |= uchar((v & 1) << (7 - x % 8));
          break;
        case 4:
          dst[x / 2] |= uchar((v & 15) << ((x & 1) ? 0 : 4));
          break;
        case 8:
          dst[x] = uchar(v);
          break;
        case 16:
          dst[2 * x] = uchar(v), dst[2 * x + 1] = uchar(v >> 8);
          break;
        case 24:
          dst[3 * x] = uchar(v), dst[3 * x + 1] = uchar(v >> 8), dst[3 * x + 2] = uchar(v >> 16);
          break;
        case 32:
          std::memcpy(dst + 4 * x, &v, 4);
          break;
      }
    }
  }
  return out;
}

}  // namespace

QByteArray WriteBmp(const BmpSpec& spec) {
  const bool os2 = spec.headerSize == 12;
  const bool bitFields = spec.compression == 3 || spec.compression == 6;
  QByteArray header;
  Put32(header, uint32_t(spec.headerSize));
  if (os2) {
    Put16(header, unsigned(spec.width));
    Put16(header, unsigned(spec.height));
    Put16(header, 1);
    Put16(header, unsigned(spec.bitCount));
  } else {
    Put32(header, uint32_t(spec.width));
    Put32(header, uint32_t(spec.topDown ? -spec.height : spec.height));
    Put16(header, 1);
    Put16(header, unsigned(spec.bitCount));
    Put32(header, uint32_t(spec.compression));
    Put32(header, 0);  // image size: may be 0 for uncompressed pictures
    Put32(header, 2835);
    Put32(header, 2835);
    Put32(header, uint32_t(spec.coloursUsed));
    Put32(header, 0);
    if (spec.headerSize >= 52)
      for (int i = 0; i < 4; ++i) Put32(header, spec.masks[i]);
    header.resize(std::max<qsizetype>(header.size(), spec.headerSize), '\0');
    header.truncate(spec.headerSize);
    if (bitFields && spec.headerSize < 52)
      for (int i = 0; i < (spec.compression == 6 ? 4 : 3); ++i) Put32(header, spec.masks[i]);
  }
  if (spec.bitCount <= 8) {
    const int entries = spec.coloursUsed ? spec.coloursUsed : (1 << spec.bitCount);
    for (int i = 0; i < entries; ++i) {
      const QRgb c = spec.palette.value(i, qRgb(0, 0, 0));
      header.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
      if (!os2) header.append('\0');
    }
  }
  const QByteArray data = !spec.rleData.isEmpty()                            ? spec.rleData
                          : (spec.compression == 1 || spec.compression == 2) ? BmpRle(spec)
                                                                             : BmpRows(spec);
  QByteArray out("BM");
  Put32(out, uint32_t(14 + header.size() + data.size()));
  Put32(out, 0);
  Put32(out, uint32_t(14 + header.size()));
  out.append(header).append(data);
  return out;
}

}  // namespace mosaicor
