#pragma once
// A writer of Paint Shop Pro files in memory, for tests, fuzz seeds and benchmarks: format
// versions 3 (Paint Shop Pro 5) to 12, the general image attributes, palette, composite image
// bank (composites in channels or as a JPEG block, thumbnails), and the layer bank with raster
// layers, their transparency masks and the extension blocks of later versions. Channels are
// stored, run-length encoded or deflated as the picture's compression says.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <cstdint>

namespace mosaicor {

struct PspBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct PspChannelSpec {
  int bitmapType = 0;   // 0 image, 1 transparency mask, 8 composite, 9 composite mask, ...
  int channelType = 0;  // 0 composite (grey or index), 1 red, 2 green, 3 blue
  QByteArray bytes;     // the channel unpacked, rows as the file has them
};

struct PspLayerSpec {
  int type = 1;  // raster
  PspBox imageRect, savedRect;
  int opacity = 255;
  bool visible = true;
  bool extensionBlock = false;  // an extension block before the bitmap chunk, as version 10 on writes
  QList<PspChannelSpec> channels;
};

struct PspCompositeSpec {
  int width = 0, height = 0, bitDepth = 24, compression = 0;
  int compositeType = 0;  // 0 the picture, 1 a thumbnail
  bool jpeg = false;      // stored as a JPEG block (whose bytes here are no real JPEG)
  QList<uint32_t> palette;
  QList<PspChannelSpec> channels;
};

struct PspSpec {
  int majorVersion = 5;
  int width = 0, height = 0, bitDepth = 24, compression = 0;
  bool greyscale = false;
  QList<uint32_t> palette;  // 0xRRGGBB entries; a palette block when not empty
  QList<PspCompositeSpec> composites;
  QList<PspLayerSpec> layers;
  QByteArray trailer;
};
QByteArray WritePsp(const PspSpec& spec);

// A channel's bytes packed with a Paint Shop Pro compression (0 none, 1 RLE, 2 LZ77).
QByteArray PspCompress(const QByteArray& bytes, int compression);
// Planes of a picture, one byte a pixel: red, green, blue or alpha (`which` 0 to 3).
QByteArray PspPlaneOf(const QImage& picture, int which);
// Index rows of `bits` (1, 4, 8) bits from one index a pixel, padded to four bytes for 1 and 4.
QByteArray PspIndexRows(const QByteArray& indices, int width, int height, int bits);

}  // namespace mosaicor
