#include "PsdWriter.h"

#include <bit>
#include <cmath>

namespace mosaicor {

namespace {

void Put16(QByteArray& out, unsigned v) {
  out.append(char((v >> 8) & 0xFF));
  out.append(char(v & 0xFF));
}
void Put32(QByteArray& out, uint32_t v) {
  Put16(out, v >> 16);
  Put16(out, v & 0xFFFF);
}

// One row of channel c as the file stores it.
QByteArray RowBytes(const PsdSpec& spec, int c, int y) {
  QByteArray row;
  const qsizetype at = qsizetype(y) * spec.width;
  const QList<uint16_t> plane = spec.planes.value(c);
  if (spec.depth == 32) {
    const QList<float> floats = spec.floatPlanes.value(c);
    for (int x = 0; x < spec.width; ++x) Put32(row, std::bit_cast<uint32_t>(floats.value(at + x)));
  } else if (spec.depth == 1) {
    row = QByteArray((spec.width + 7) / 8, '\0');
    for (int x = 0; x < spec.width; ++x)
      if (plane.value(at + x)) row[x / 8] = char(row[x / 8] | (0x80 >> (x & 7)));
  } else {
    for (int x = 0; x < spec.width; ++x) {
      const uint16_t v = plane.value(at + x);
      if (spec.depth == 16)
        Put16(row, v);
      else
        row.append(char(v));
    }
  }
  return row;
}

}  // namespace

QByteArray PackBitsRow(const QByteArray& row) {
  QByteArray out;
  const qsizetype n = row.size();
  qsizetype i = 0;
  while (i < n) {
    qsizetype run = 1;
    while (i + run < n && run < 128 && row[i + run] == row[i]) ++run;
    if (run >= 3) {
      out.append(char(257 - run));
      out.append(row[i]);
      i += run;
      continue;
    }
    qsizetype literal = 0;
    while (
        i + literal < n && literal < 128 &&
        !(i + literal + 2 < n && row[i + literal] == row[i + literal + 1] && row[i + literal] == row[i + literal + 2]))
      ++literal;
    out.append(char(literal - 1));
    out.append(row.mid(i, literal));
    i += literal;
  }
  return out;
}

QByteArray PsdResource(int id, const QByteArray& data) {
  QByteArray out("8BIM");
  Put16(out, unsigned(id));
  Put16(out, 0);  // empty Pascal name, padded to even
  Put32(out, uint32_t(data.size()));
  out.append(data);
  if (data.size() & 1) out.append('\0');
  return out;
}

QByteArray PsdPhotoshopVersionInfo() {
  QByteArray data;
  Put32(data, 1);
  data.append('\1');  // has real merged data
  const QString writer = QStringLiteral("Adobe Photoshop");
  Put32(data, uint32_t(writer.size()));
  for (const QChar c : writer) Put16(data, c.unicode());
  Put32(data, 0);  // no reader name
  Put32(data, 1);  // file version
  return PsdResource(0x0421, data);
}

QByteArray PsdExifOrientation(int orientation, bool bigEndian) {
  QByteArray tiff;
  auto put16 = [&](unsigned v) {
    const char high = char((v >> 8) & 0xFF), low = char(v & 0xFF);
    tiff.append(bigEndian ? high : low);
    tiff.append(bigEndian ? low : high);
  };
  auto put32 = [&](uint32_t v) {
    put16(bigEndian ? v >> 16 : v & 0xFFFF);
    put16(bigEndian ? v & 0xFFFF : v >> 16);
  };
  tiff.append(bigEndian ? "MM" : "II");
  put16(42);
  put32(8);  // the first directory follows the header
  put16(1);
  put16(0x0112), put16(3), put32(1), put16(unsigned(orientation)), put16(0);
  put32(0);  // no further directory
  return PsdResource(0x0422, tiff);
}

QList<QList<uint16_t>> PsdRgbPlanes(const QImage& picture, bool withAlpha, int depth) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  QList<QList<uint16_t>> planes(withAlpha ? 4 : 3);
  const double full = depth == 16 ? 65535 : 255;
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = argb.pixel(x, y);
      const double a = withAlpha ? qAlpha(p) / 255.0 : 1.0;
      auto onWhite = [&](int v) { return uint16_t(std::lround((v / 255.0 * a + 1 - a) * full)); };
      planes[0] << onWhite(qRed(p));
      planes[1] << onWhite(qGreen(p));
      planes[2] << onWhite(qBlue(p));
      if (withAlpha) planes[3] << uint16_t(std::lround(a * full));
    }
  return planes;
}

QByteArray WritePsd(const PsdSpec& spec) {
  const int channels =
      spec.channels >= 0 ? spec.channels : int(spec.depth == 32 ? spec.floatPlanes.size() : spec.planes.size());
  QByteArray out("8BPS");
  Put16(out, unsigned(spec.version));
  out.append(6, '\0');
  Put16(out, unsigned(channels));
  Put32(out, uint32_t(spec.height));
  Put32(out, uint32_t(spec.width));
  Put16(out, unsigned(spec.depth));
  Put16(out, unsigned(spec.mode));
  Put32(out, uint32_t(spec.colourModeData.size()));
  out.append(spec.colourModeData);
  Put32(out, uint32_t(spec.resources.size()));
  out.append(spec.resources);
  if (spec.layerSection) {
    Put32(out, 10);
    Put32(out, 2);  // layer info: the count alone
    Put16(out, unsigned(uint16_t(int16_t(spec.layerCount))));
    Put32(out, 0);  // no global layer mask
  } else {
    Put32(out, 0);
  }
  Put16(out, unsigned(spec.compression));
  const int planes = int(spec.depth == 32 ? spec.floatPlanes.size() : spec.planes.size());
  const int written = std::min<int>(channels, planes);
  if (spec.compression != 1) {
    for (int c = 0; c < written; ++c)
      for (int y = 0; y < spec.height; ++y) out.append(RowBytes(spec, c, y));
    return out;
  }
  QByteArray counts, data;
  for (int c = 0; c < channels; ++c)
    for (int y = 0; y < spec.height; ++y) {
      const QByteArray packed = c < written ? PackBitsRow(RowBytes(spec, c, y)) : QByteArray();
      Put16(counts, unsigned(packed.size()));
      data.append(packed);
    }
  return out + counts + data;
}

}  // namespace mosaicor
