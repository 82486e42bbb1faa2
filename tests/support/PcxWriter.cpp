#include "PcxWriter.h"

#include <algorithm>

namespace mosaicor {

namespace {

void Put16(QByteArray& out, int at, unsigned v) {
  out[at] = char(v & 0xFF);
  out[at + 1] = char((v >> 8) & 0xFF);
}

void EncodeRun(QByteArray& out, uchar value, int count) {
  while (count > 0) {
    const int n = std::min(count, 63);
    if (n > 1 || (value & 0xC0) == 0xC0) out.append(char(0xC0 | n));
    out.append(char(value));
    count -= n;
  }
}

QByteArray EncodeRle(const QByteArray& bytes) {
  QByteArray out;
  qsizetype i = 0;
  while (i < bytes.size()) {
    qsizetype run = 1;
    while (i + run < bytes.size() && bytes[i + run] == bytes[i]) ++run;
    EncodeRun(out, uchar(bytes[i]), int(run));
    i += run;
  }
  return out;
}

}  // namespace

int PcxLineBytes(int width, int bitsPerPixel) {
  const int bytes = (width * bitsPerPixel + 7) / 8;
  return bytes + (bytes & 1);
}

QByteArray WritePcx(const PcxSpec& spec) {
  QByteArray out(128, '\0');
  const int lineBytes = spec.lineBytes > 0 ? spec.lineBytes : PcxLineBytes(spec.width, spec.bitsPerPixel);
  out[0] = 0x0A, out[1] = char(spec.version), out[2] = char(spec.encoding), out[3] = char(spec.bitsPerPixel);
  Put16(out, 8, unsigned(spec.width - 1));
  Put16(out, 10, unsigned(spec.height - 1));
  Put16(out, 12, 72), Put16(out, 14, 72);
  for (int i = 0; i < std::min<int>(16, spec.headerPalette.size()); ++i) {
    const QRgb c = spec.headerPalette[i];
    out[16 + 3 * i] = char(qRed(c)), out[17 + 3 * i] = char(qGreen(c)), out[18 + 3 * i] = char(qBlue(c));
  }
  out[65] = char(spec.planes);
  Put16(out, 66, unsigned(lineBytes));
  Put16(out, 68, 1);

  QByteArray data;
  QByteArray all;
  for (const QByteArray& row : spec.planeRows) {
    QByteArray padded = row.left(qsizetype(lineBytes) * spec.planes);
    padded.resize(qsizetype(lineBytes) * spec.planes, '\0');
    if (spec.runsCrossRows || spec.encoding == 0)
      all += padded;
    else
      data += EncodeRle(padded);
  }
  if (spec.runsCrossRows || spec.encoding == 0) data = spec.encoding == 0 ? all : EncodeRle(all);
  data.chop(std::min<qsizetype>(spec.truncateDataBy, data.size()));
  out += data;
  if (!spec.endPalette.isEmpty()) {
    out.append(char(0x0C));
    for (int i = 0; i < 256; ++i) {
      const QRgb c = i < spec.endPalette.size() ? spec.endPalette[i] : 0;
      out.append(char(qRed(c))), out.append(char(qGreen(c))), out.append(char(qBlue(c)));
    }
  }
  return out;
}

QList<QByteArray> PcxRowsOf(const QImage& picture, int bitsPerPixel, int planes, int lineBytes) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  QList<QByteArray> rows;
  for (int y = 0; y < argb.height(); ++y) {
    QByteArray row(qsizetype(lineBytes) * planes, '\0');
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb c = argb.pixel(x, y);
      if (bitsPerPixel == 8 && planes >= 3) {
        const int channels[4] = {qRed(c), qGreen(c), qBlue(c), qAlpha(c)};
        for (int p = 0; p < planes; ++p) row[p * lineBytes + x] = char(channels[p]);
      } else if (bitsPerPixel == 8) {
        row[x] = char(qGreen(c));
      } else if (planes == 1) {
        const int perByte = 8 / bitsPerPixel, index = qGreen(c) & ((1 << bitsPerPixel) - 1);
        row[x / perByte] = char(row[x / perByte] | (index << ((perByte - 1 - x % perByte) * bitsPerPixel)));
      } else {
        const int index = qGreen(c) & ((1 << planes) - 1);
        for (int p = 0; p < planes; ++p)
          if (index & (1 << p)) row[p * lineBytes + x / 8] = char(row[p * lineBytes + x / 8] | (0x80 >> (x % 8)));
      }
    }
    rows << row;
  }
  return rows;
}

}  // namespace mosaicor
