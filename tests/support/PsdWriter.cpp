#include "PsdWriter.h"

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

// One row of a plane as the file stores it.
QByteArray RowBytes(const PsdSpec& spec, const QList<uint16_t>& plane, int y) {
  QByteArray row;
  const qsizetype at = qsizetype(y) * spec.width;
  if (spec.depth == 1) {
    row = QByteArray((spec.width + 7) / 8, '\0');
    for (int x = 0; x < spec.width; ++x)
      if (plane.value(at + x)) row[x / 8] = char(row[x / 8] | (0x80 >> (x & 7)));
  } else {
    for (int x = 0; x < spec.width; ++x) {
      const uint16_t v = plane.value(at + x);
      if (spec.depth == 16)
        Put16(row, v);
      else if (spec.depth == 32)
        Put32(row, v);
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

QList<QList<uint16_t>> PsdRgbPlanes(const QImage& picture, bool withAlpha, int depth) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  QList<QList<uint16_t>> planes(withAlpha ? 4 : 3);
  const unsigned scale = depth == 16 ? 257 : 1;
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = argb.pixel(x, y);
      planes[0] << uint16_t(qRed(p) * scale);
      planes[1] << uint16_t(qGreen(p) * scale);
      planes[2] << uint16_t(qBlue(p) * scale);
      if (withAlpha) planes[3] << uint16_t(qAlpha(p) * scale);
    }
  return planes;
}

QByteArray WritePsd(const PsdSpec& spec) {
  const int channels = spec.channels >= 0 ? spec.channels : int(spec.planes.size());
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
  const int written = std::min<int>(channels, int(spec.planes.size()));
  if (spec.compression != 1) {
    for (int c = 0; c < written; ++c)
      for (int y = 0; y < spec.height; ++y) out.append(RowBytes(spec, spec.planes[c], y));
    return out;
  }
  QByteArray counts, data;
  for (int c = 0; c < channels; ++c)
    for (int y = 0; y < spec.height; ++y) {
      const QByteArray packed = c < written ? PackBitsRow(RowBytes(spec, spec.planes[c], y)) : QByteArray();
      Put16(counts, unsigned(packed.size()));
      data.append(packed);
    }
  return out + counts + data;
}

}  // namespace mosaicor
