#pragma once
// A writer of ZSoft Paintbrush (.PCX) files in memory, for tests, fuzz seeds and benchmarks: any
// bits per pixel and plane count, run-length encoded (rows on their own, or runs going on over row
// ends) or stored, with the 16-colour header palette and the 256-colour palette at the end.

#include <QByteArray>
#include <QImage>
#include <QList>

namespace mosaicor {

struct PcxSpec {
  int version = 5;
  int encoding = 1;  // 1 run-length, 0 stored
  int bitsPerPixel = 8;
  int planes = 1;
  int width = 0, height = 0;
  int lineBytes = 0;  // per plane and row; 0: the least even number that holds a row
  QList<QRgb> headerPalette;  // up to 16 colours
  QList<QRgb> endPalette;     // 256 colours after the pixels; empty: none
  // Per row, plane after plane, each plane row lineBytes long (shorter rows are padded with zeros).
  QList<QByteArray> planeRows;
  bool runsCrossRows = false;
  int truncateDataBy = 0;  // drops this many bytes of pixel data (damaged files)
};
QByteArray WritePcx(const PcxSpec& spec);

// The rows of a picture for a PCX layout: 8 bits x 3 or 4 planes from the colour channels
// (R, G, B, A); all other layouts from the palette indices (the green channel, masked to the bits),
// packed or spread over bit planes as PCX stores them.
QList<QByteArray> PcxRowsOf(const QImage& picture, int bitsPerPixel, int planes, int lineBytes);
// The least even number of bytes that holds a plane row.
int PcxLineBytes(int width, int bitsPerPixel);

}  // namespace mosaicor
