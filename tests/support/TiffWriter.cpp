#include "TiffWriter.h"

#include <zlib.h>
#include <algorithm>
#include <vector>

namespace mosaicor {

namespace {

struct Entry {
  uint16_t tag, type;  // type 3 SHORT, 4 LONG
  QList<uint32_t> values;
};

class Output {
 public:
  explicit Output(bool bigEndian) : big_(bigEndian) {}
  void Put16(uint32_t v) {
    const char b[2] = {char(v & 0xFF), char((v >> 8) & 0xFF)};
    big_ ? (bytes.append(b[1]), bytes.append(b[0])) : (bytes.append(b[0]), bytes.append(b[1]));
  }
  void Put32(uint32_t v) {
    big_ ? (Put16(v >> 16), Put16(v & 0xFFFF)) : (Put16(v & 0xFFFF), Put16(v >> 16));
  }
  QByteArray bytes;

 private:
  bool big_;
};

QByteArray Deflate(const QByteArray& raw) {
  uLongf size = compressBound(uLong(raw.size()));
  QByteArray out(qsizetype(size), '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.constData()),
            uLong(raw.size()), 6);
  out.resize(qsizetype(size));
  return out;
}

// One strip or tile: `rows` rows of `rowBytes`, taken from the plane at byte `x0` of each row.
QByteArray Chunk(const TiffSpec& spec, const QByteArray& plane, qsizetype planeRowBytes, int top, int rows,
                 qsizetype x0, qsizetype rowBytes) {
  QByteArray raw;
  for (int r = 0; r < rows; ++r) {
    QByteArray row(rowBytes, '\0');
    const int y = top + r;
    const qsizetype from = y * planeRowBytes + x0;
    if (y < spec.height && x0 < planeRowBytes && from < plane.size())
      std::copy_n(plane.constData() + from, std::min({rowBytes, planeRowBytes - x0, plane.size() - from}), row.data());
    if (spec.predictor == 2 && spec.bitsPerSample == 8) {
      const int step = spec.planar == 2 ? 1 : spec.samplesPerPixel;
      for (qsizetype i = rowBytes - 1; i >= step; --i) row[i] = char(row[i] - row[i - step]);
    }
    if (spec.bigEndian && spec.bitsPerSample == 16)
      for (qsizetype i = 0; i + 1 < rowBytes; i += 2) std::swap(row[i], row[i + 1]);
    raw += spec.compression == 32773 ? EncodeTiffPackBits(row) : row;
  }
  return spec.compression == 8 ? Deflate(raw) : raw;
}

}  // namespace

QByteArray EncodeTiffPackBits(const QByteArray& bytes) {
  QByteArray out;
  const qsizetype n = bytes.size();
  qsizetype i = 0;
  while (i < n) {
    qsizetype run = 1;
    while (i + run < n && run < 128 && bytes[i + run] == bytes[i]) ++run;
    if (run >= 2) {
      out.append(char(1 - run));
      out.append(bytes[i]);
      i += run;
      continue;
    }
    qsizetype literal = 1;
    while (i + literal < n && literal < 128 && !(i + literal + 1 < n && bytes[i + literal] == bytes[i + literal + 1]))
      ++literal;
    out.append(char(literal - 1));
    out.append(bytes.mid(i, literal));
    i += literal;
  }
  return out;
}

QByteArray WriteTiff(const TiffSpec& spec) {
  const bool planar = spec.planar == 2 && spec.samplesPerPixel > 1;
  const int planes = planar ? spec.samplesPerPixel : 1;
  const int pixelBits = spec.bitsPerSample * (planar ? 1 : spec.samplesPerPixel);
  const qsizetype planeRowBytes = (qsizetype(spec.width) * pixelBits + 7) / 8;
  const bool tiled = spec.tileWidth > 0 && spec.tileHeight > 0;
  const int bandRows = tiled ? spec.tileHeight : spec.rowsPerStrip > 0 ? spec.rowsPerStrip : std::max(spec.height, 1);
  const qsizetype chunkRowBytes = tiled ? (qsizetype(spec.tileWidth) * pixelBits + 7) / 8 : planeRowBytes;
  const int across = tiled ? (spec.width + spec.tileWidth - 1) / spec.tileWidth : 1;
  const int down = (spec.height + bandRows - 1) / bandRows;

  Output out(spec.bigEndian);
  out.bytes = spec.bigEndian ? QByteArray("MM\0*", 4) : QByteArray("II*\0", 4);
  out.Put32(0);  // IFD offset, patched below
  QList<uint32_t> offsets, counts;
  for (int p = 0; p < planes; ++p) {
    const QByteArray plane = spec.pixels.mid(p * planeRowBytes * spec.height, planeRowBytes * spec.height);
    for (int band = 0; band < down; ++band)
      for (int t = 0; t < across; ++t) {
        const int rows = tiled ? spec.tileHeight : std::min(bandRows, spec.height - band * bandRows);
        const QByteArray chunk = Chunk(spec, plane, planeRowBytes, band * bandRows, rows, t * chunkRowBytes,
                                       chunkRowBytes);
        offsets << uint32_t(out.bytes.size());
        counts << uint32_t(spec.claimedStripBytes >= 0 ? spec.claimedStripBytes : chunk.size());
        out.bytes += chunk;
        if (out.bytes.size() % 2) out.bytes.append('\0');
      }
  }

  std::vector<Entry> entries = {{256, 4, {uint32_t(spec.claimedWidth > 0 ? spec.claimedWidth : spec.width)}},
                                {257, 4, {uint32_t(spec.claimedHeight > 0 ? spec.claimedHeight : spec.height)}},
                                {258, 3, QList<uint32_t>(spec.samplesPerPixel, uint32_t(spec.bitsPerSample))},
                                {259, 3, {uint32_t(spec.compression)}},
                                {277, 3, {uint32_t(spec.samplesPerPixel)}},
                                {284, 3, {uint32_t(spec.planar)}}};
  if (!spec.omitPhotometric) entries.push_back({262, 3, {uint32_t(spec.photometric)}});
  if (spec.orientation) entries.push_back({274, 3, {uint32_t(spec.orientation)}});
  if (spec.predictor) entries.push_back({317, 3, {uint32_t(spec.predictor)}});
  if (!spec.colourMap.isEmpty()) {
    QList<uint32_t> map;
    for (uint16_t v : spec.colourMap) map << v;
    entries.push_back({320, 3, map});
  }
  if (spec.extraSample >= 0) entries.push_back({338, 3, {uint32_t(spec.extraSample)}});
  if (tiled) {
    entries.push_back({322, 4, {uint32_t(spec.tileWidth)}});
    entries.push_back({323, 4, {uint32_t(spec.tileHeight)}});
    entries.push_back({324, 4, offsets});
    entries.push_back({325, 4, counts});
  } else {
    entries.push_back({273, 4, offsets});
    entries.push_back({278, 4, {uint32_t(bandRows)}});
    entries.push_back({279, 4, counts});
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.tag < b.tag; });

  const uint32_t ifd = uint32_t(out.bytes.size());
  Output patch(spec.bigEndian);
  patch.Put32(ifd);
  out.bytes.replace(4, 4, patch.bytes);
  // Values longer than four bytes follow the IFD.
  uint32_t extra = ifd + 2 + uint32_t(entries.size()) * 12 + 4;
  Output tail(spec.bigEndian);
  out.Put16(uint32_t(entries.size()));
  for (const Entry& e : entries) {
    const int size = e.type == 3 ? 2 : 4;
    out.Put16(e.tag), out.Put16(e.type), out.Put32(uint32_t(e.values.size()));
    Output value(spec.bigEndian);
    for (uint32_t v : e.values) size == 2 ? value.Put16(v) : value.Put32(v);
    if (value.bytes.size() <= 4) {
      value.bytes.resize(4, '\0');
      out.bytes += value.bytes;
    } else {
      out.Put32(extra + uint32_t(tail.bytes.size()));
      tail.bytes += value.bytes;
    }
  }
  out.Put32(0);  // no further image
  return out.bytes + tail.bytes;
}

}  // namespace mosaicor
