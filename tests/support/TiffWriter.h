#pragma once
// A writer of TIFF files in memory, independent of libtiff, for tests, fuzz seeds and benchmarks:
// either byte order, strips or tiles, contiguous or planar samples, no compression, PackBits or
// Deflate, colour maps, extra samples and orientation.

#include <QByteArray>
#include <QList>
#include <cstdint>

namespace mosaicor {

struct TiffSpec {
  bool bigEndian = false;
  int width = 0, height = 0;
  int bitsPerSample = 8;
  int samplesPerPixel = 1;
  int photometric = 1;     // 0 min-is-white, 1 min-is-black, 2 RGB, 3 palette, 5 CMYK
  int compression = 1;     // 1 none, 8 Deflate, 32773 PackBits (anything else is written as given)
  int planar = 1;          // 1 contiguous, 2 separate planes
  int rowsPerStrip = 0;    // 0: one strip
  int tileWidth = 0;       // tiles when both are set (multiples of 16 in real files)
  int tileHeight = 0;
  int extraSample = -1;    // -1: no ExtraSamples tag; 0 unspecified, 1 associated, 2 unassociated alpha
  int orientation = 0;     // 0: no tag
  int predictor = 0;       // 0: no tag; 2 horizontal differencing (applied by the writer, 8-bit samples)
  QList<uint16_t> colourMap;  // 3 x 2^bits values: all reds, then greens, then blues
  // The decoded samples, top row first, each row packed to whole bytes; 16-bit samples little-endian.
  // Planar pictures hold one whole plane after another.
  QByteArray pixels;
  bool omitPhotometric = false;
  qint64 claimedStripBytes = -1;  // >= 0: written as every strip's byte count (damaged files)
  int claimedWidth = 0, claimedHeight = 0;  // > 0: written in the header instead (damaged files)
};
QByteArray WriteTiff(const TiffSpec& spec);

// PackBits as TIFF uses it (one row at a time).
QByteArray EncodeTiffPackBits(const QByteArray& bytes);

}  // namespace mosaicor
