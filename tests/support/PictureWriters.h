#pragma once
// Writers of picture files in memory, for tests, fuzz seeds and benchmarks: TGA of every image
// type, depth and descriptor (with run-length encoding, colour maps, ID fields), BMP of every depth
// (palettes, RLE4, RLE8, bit fields, top-down, the header sizes in use).

#include "TestFiles.h"
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <cstdint>

namespace mosaicor {

struct TgaSpec {
  int imageType = 2;    // 1, 2, 3 uncompressed; 9, 10, 11 run-length encoded; anything else
  int pixelDepth = 24;  // 8, 15, 16, 24, 32 (or anything, for damaged files)
  int descriptor = 0;   // bit 5: top row first; bit 4: right to left; bits 0-3: alpha bits
  int width = 0, height = 0;
  // The picture as it is meant: top row first, left to right, bytes per pixel as in the file
  // (depth 15 and 16 take 2). The writer puts rows and pixels in the order the descriptor says.
  QByteArray pixels;
  QByteArray idField;
  int colourMapType = 0;  // 1 writes the colour map below
  int mapEntrySize = 24;
  int mapLength = -1;             // -1: as many entries as colourMap holds
  QByteArray colourMap;           // raw entries
  bool packetsCrossRows = false;  // RLE packets run on over row ends (invalid, but seen in files)
  QByteArray trailer;             // appended after the pixels (a TGA 2.0 footer, or garbage)
};
QByteArray WriteTga(const TgaSpec& spec);
// Run-length encodes pixels of `bytesPerPixel` bytes, each row on its own (rowPixels > 0) or as
// one stream (rowPixels == 0).
QByteArray EncodeTgaRle(const QByteArray& pixels, int bytesPerPixel, int rowPixels);

// File pixels of an ARGB32 picture for a TGA depth: 32 B,G,R,A; 24 B,G,R; 16 and 15 the 5-bit
// colours with bit 15 set where alpha >= 128; 8 the green channel (grey level or palette index).
QByteArray TgaPixelsOf(const QImage& picture, int pixelDepth);
// An uncompressed 32-bit TGA of the picture, top row first, with its alpha.
QByteArray WriteTga32(const QImage& picture);
// An uncompressed 24-bit TGA of the picture, top row first, as texture sets are saved.
QByteArray WriteTga24(const QImage& picture);

struct BmpSpec {
  int bitCount = 24;  // 1, 4, 8, 16, 24, 32
  int width = 0, height = 0;
  bool topDown = false;
  int compression = 0;     // 0 none, 1 RLE8, 2 RLE4, 3 bit fields, 6 bit fields with alpha
  uint32_t masks[4] = {};  // red, green, blue, alpha for bit fields
  int headerSize = 40;     // 12 (OS/2), 40, 52, 56, 108, 124
  QList<QRgb> palette;     // for 1, 4, 8 bits
  int coloursUsed = 0;     // written as biClrUsed; 0 means all 2^bitCount entries
  // Pixel values, top row first: palette indices, 16-bit words, 0xRRGGBB, or raw 32-bit values.
  QList<uint32_t> pixels;
  QByteArray rleData;  // when not empty, written as the pixel data as it is (hand-made RLE)
};
QByteArray WriteBmp(const BmpSpec& spec);

}  // namespace mosaicor
