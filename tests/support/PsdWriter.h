#pragma once
// A writer of Photoshop files in memory, for tests, fuzz seeds and benchmarks: the header, the
// colour mode data, image resources (an EXIF orientation among them), a layer section that only
// states its layer count, and the composite image raw or as PackBits rows, of 1 to 16 bits or
// 32-bit floating point.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <cstdint>

namespace mosaicor {

struct PsdSpec {
  int version = 1;
  int mode = 3;   // 0 bitmap, 1 grey, 2 indexed, 3 RGB, 4 CMYK, 8 duotone, 9 Lab, ...
  int depth = 8;  // 1, 8, 16, 32
  int width = 0, height = 0;
  int channels = -1;  // -1: as many as planes
  // Channel planes of width x height samples, top row first: 0/1 for bitmaps (1 = black), else
  // the channel's values (0-255 or 0-65535). Planes the channel count leaves out are not written.
  QList<QList<uint16_t>> planes;
  // The planes of 32-bit pictures, in place of `planes`.
  QList<QList<float>> floatPlanes;
  int compression = 0;        // 0 raw, 1 PackBits; other values are written as they are, with raw data
  QByteArray colourModeData;  // 768 palette bytes for indexed pictures
  QByteArray resources;       // the image resources section as it is
  bool layerSection = true;   // false: a layer and mask section of length 0
  int layerCount = 0;         // negative: the first extra channel is the composite's transparency
};
QByteArray WritePsd(const PsdSpec& spec);

// One row PackBits encoded, as Photoshop does it.
QByteArray PackBitsRow(const QByteArray& row);
// An image resource block ("8BIM", id, empty name, data padded to even length).
QByteArray PsdResource(int id, const QByteArray& data);
// The version information block (resource 0x0421) naming Photoshop as the writer, which says that
// a transparent composite is flattened on white.
QByteArray PsdPhotoshopVersionInfo();
// An EXIF block (resource 0x0422) that holds only an orientation, 1 to 8.
QByteArray PsdExifOrientation(int orientation, bool bigEndian = true);
// The planes of a picture: red, green, blue (and alpha when `withAlpha`), 8-bit values scaled to
// `depth` (8 or 16) bits. With alpha the colours are flattened on white, as Photoshop stores them.
QList<QList<uint16_t>> PsdRgbPlanes(const QImage& picture, bool withAlpha, int depth);

}  // namespace mosaicor
