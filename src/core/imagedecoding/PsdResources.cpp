#include "core/imagedecoding/PsdResources.h"

#include <QByteArrayView>
#include <QString>
#include <QtEndian>
#include <cstring>

namespace mosaicor {

namespace {

enum ResourceId {
  kAlphaNames = 0x03EE,
  kUnicodeAlphaNames = 0x0415,
  kVersionInfo = 0x0421,
  kExif = 0x0422,
  kXmp = 0x0424
};

// The orientation tag of the first directory of an EXIF block (a TIFF header and its directories),
// 0 where there is none.
int ExifOrientation(const uchar* p, qsizetype n) {
  if (n >= 6 && std::memcmp(p, "Exif\0\0", 6) == 0) p += 6, n -= 6;
  if (n < 8) return 0;
  const bool big = p[0] == 'M' && p[1] == 'M';
  if (!big && !(p[0] == 'I' && p[1] == 'I')) return 0;
  auto u16 = [&](qint64 at) { return big ? qFromBigEndian<quint16>(p + at) : qFromLittleEndian<quint16>(p + at); };
  auto u32 = [&](qint64 at) { return big ? qFromBigEndian<quint32>(p + at) : qFromLittleEndian<quint32>(p + at); };
  const qint64 directory = u32(4);
  if (directory < 8 || directory > n - 2) return 0;
  const qint64 entries = u16(directory);
  for (qint64 i = 0; i < entries; ++i) {
    const qint64 entry = directory + 2 + 12 * i;
    if (entry > n - 12) break;
    if (u16(entry) == 0x0112 && u16(entry + 2) == 3) return u16(entry + 8);  // Orientation, a SHORT
  }
  return 0;
}

// XMP states it as tiff:Orientation="6" or <tiff:Orientation>6</tiff:Orientation>; 0 where it does not.
int XmpOrientation(const uchar* p, qsizetype n) {
  const QByteArrayView xmp(p, n);
  const QByteArrayView key("tiff:Orientation");
  const qsizetype at = xmp.indexOf(key);
  if (at < 0) return 0;
  for (qsizetype i = at + key.size(); i < n && i < at + key.size() + 3; ++i)
    if (p[i] >= '1' && p[i] <= '8') return p[i] - '0';
  return 0;
}

// Version information: a version, a "has real merged data" byte, then the writer's name as a
// count of UTF-16 code units and the big-endian units.
bool WriterIsPhotoshop(const uchar* data, qsizetype size) {
  if (size < 9) return false;
  const qsizetype units = qFromBigEndian<quint32>(data + 5);
  if (units > (size - 9) / 2) return false;
  QString writer;
  for (qsizetype i = 0; i < units; ++i) writer += QChar(qFromBigEndian<quint16>(data + 9 + 2 * i));
  return writer.startsWith(QLatin1String("Adobe Photoshop"));
}

}  // namespace

PsdResourceFacts ReadPsdResources(const uchar* p, qsizetype length) {
  PsdResourceFacts facts;
  int exif = 0, xmp = 0;
  const uchar* end = p + length;
  while (end - p >= 12 && std::memcmp(p, "8BIM", 4) == 0) {
    const int id = qFromBigEndian<quint16>(p + 4);
    const qsizetype nameBytes = (1 + p[6] + 1) & ~1;  // Pascal string padded to even
    if (end - p < 6 + nameBytes + 4) break;
    const qsizetype size = qFromBigEndian<quint32>(p + 6 + nameBytes);
    const uchar* data = p + 6 + nameBytes + 4;
    if (id == kAlphaNames || id == kUnicodeAlphaNames) facts.alphaChannelNames = true;
    if (size > end - data) break;
    if (id == kExif) exif = ExifOrientation(data, size);
    if (id == kXmp) xmp = XmpOrientation(data, size);
    if (id == kVersionInfo) facts.writtenByPhotoshop = WriterIsPhotoshop(data, size);
    const qsizetype step = 6 + nameBytes + 4 + ((size + 1) & ~qsizetype(1));
    if (step > end - p) break;
    p += step;
  }
  // Photoshop writes both alike; EXIF is the older and more widely written.
  const int orientation = exif ? exif : xmp;
  if (orientation >= 1 && orientation <= 8) facts.orientation = orientation;
  return facts;
}

}  // namespace mosaicor
