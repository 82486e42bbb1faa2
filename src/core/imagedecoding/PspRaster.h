#pragma once
// One rectangle of Paint Shop Pro pixels (a layer's saved area or the composite image) with its
// channels unpacked to a byte a pixel: palette indices or grey levels for 1-, 4- and 8-bit
// pictures, red, green and blue for 24-bit ones, and the transparency mask where there is one.

#include "core/imagedecoding/PspBlocks.h"

#include <QByteArray>
#include <QImage>

namespace mosaicor {

struct PspRaster {
  qint64 x = 0, y = 0;  // top-left corner on the canvas
  qint64 width = 0, height = 0;
  int bitDepth = 8;
  int opacity = 255;
  QByteArray colour[3];  // one plane for 1 to 8 bits, red, green, blue for 24
  QByteArray alpha;      // empty: opaque
  int ColourPlanes() const { return bitDepth == 24 ? 3 : 1; }
  bool HasColour() const { return !colour[0].isEmpty(); }
};

// Reads the channel blocks in [from, to) into the raster, whose position, size and depth are set.
// `compositePalette` (null for layers) picks the bitmap types of a composite image instead of a
// layer's and receives the palette a paletted composite carries. A raster without any colour
// channel is left empty; one with only some of them is an error.
Outcome<> ReadPspRasterChannels(ByteSource& source, const PspFile& file, qsizetype from, qsizetype to, int compression,
                                QList<uint32_t>* compositePalette, PspRaster& raster);

// The colours of palette indices (always 256 entries, unused ones black): the file's palette,
// or a grey ramp for greyscale pictures.
QList<QRgb> PspColourTable(const QList<uint32_t>& palette, bool greyscale, int bitDepth);

// Lays the raster over an ARGB32 canvas (straight alpha), clipped to it, with its opacity and mask.
void DrawPspRaster(const PspRaster& raster, const QList<QRgb>& table, QImage& canvas);

}  // namespace mosaicor
