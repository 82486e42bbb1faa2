// Seed corpus of the Paint Shop Pro fuzzer: every format version layout, compression and depth,
// composites and merged layers, from our writer.
#include "PspWriter.h"
#include "SeedFolder.h"
#include "TestPictures.h"

using namespace mosaicor;

namespace {

PspLayerSpec Layer(const QImage& picture, int bitDepth, PspBox imageRect, PspBox savedRect, bool mask) {
  PspLayerSpec layer;
  layer.imageRect = imageRect, layer.savedRect = savedRect;
  const int width = savedRect.right - savedRect.left, height = savedRect.bottom - savedRect.top;
  if (bitDepth == 24) {
    for (int c = 0; c < 3; ++c) layer.channels << PspChannelSpec{0, c + 1, PspPlaneOf(picture, c)};
  } else {
    QByteArray indices = PspPlaneOf(picture, 1);
    for (char& v : indices) v = char(uchar(v) >> (8 - bitDepth));
    layer.channels << PspChannelSpec{0, 0, PspIndexRows(indices, width, height, bitDepth)};
  }
  if (mask) layer.channels << PspChannelSpec{1, 0, PspPlaneOf(picture, 3)};
  return layer;
}

}  // namespace

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  const QImage f = MakeFPicture(9, 6), small = MakeFPicture(3, 2);
  bool ok = true;
  for (int version : {3, 5, 10})
    for (int compression : {0, 1, 2})
      for (int depth : {1, 4, 8, 24}) {
        PspSpec spec;
        spec.majorVersion = version, spec.compression = compression, spec.bitDepth = depth;
        spec.width = f.width(), spec.height = f.height();
        if (depth < 24)
          for (int i = 0; i < (1 << depth); ++i) spec.palette << uint32_t(i * 0x010203);
        spec.greyscale = depth == 8 && compression == 1;
        spec.layers << Layer(f, depth, {0, 0, 9, 6}, {0, 0, 9, 6}, false);
        spec.layers.back().extensionBlock = version >= 10;
        if (depth == 24 || spec.greyscale) spec.layers << Layer(small, depth, {4, 3, 8, 6}, {1, 1, 4, 3}, true);
        if (version >= 5 && compression == 2) {
          PspCompositeSpec composite;
          composite.width = f.width(), composite.height = f.height(), composite.bitDepth = depth;
          composite.compression = 1;
          composite.palette = spec.palette;
          composite.channels = Layer(f, depth, {0, 0, 9, 6}, {0, 0, 9, 6}, depth == 24).channels;
          for (PspChannelSpec& channel : composite.channels) channel.bitmapType += 8;
          PspCompositeSpec thumbnail = composite;
          thumbnail.compositeType = 1, thumbnail.jpeg = true;
          spec.composites << thumbnail << composite;
        }
        ok &= WriteSeed(dir, QStringLiteral("v%1_c%2_d%3.pspimage").arg(version).arg(compression).arg(depth),
                        WritePsp(spec));
      }
  return ok ? 0 : 1;
}
