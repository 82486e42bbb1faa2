#pragma once
// A writer of GIF files in memory, for tests, fuzz seeds and benchmarks: GIF89a with one global
// palette, any number of frames with their delays, disposal and transparent index, and a loop
// extension. The LZW data uses literal codes only (a clear code before the table would widen the
// codes), which every decoder reads.

#include <QByteArray>
#include <QList>
#include <QRgb>

namespace mosaicor {

struct GifFrameSpec {
  QByteArray indices;        // width x height palette indices, top row first
  int delayCentiseconds = 0;
  int disposal = 1;          // 0 none, 1 keep, 2 background, 3 previous
  int transparentIndex = -1; // -1: none
};

struct GifSpec {
  int width = 0, height = 0;
  QList<QRgb> palette;  // up to 256 colours; padded to 256
  QList<GifFrameSpec> frames;
  bool loop = true;     // the NETSCAPE2.0 extension
};

QByteArray WriteGif(const GifSpec& spec);

// A frame of one flat palette index.
GifFrameSpec FlatGifFrame(int width, int height, int index, int delayCentiseconds);

}  // namespace mosaicor
