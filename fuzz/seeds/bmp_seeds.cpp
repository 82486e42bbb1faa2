// Seed corpus of the BMP fuzzer: every depth, RLE4 and RLE8, bit fields, top-down, header sizes.
#include "SeedFolder.h"

using namespace mosaicor;

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  bool ok = true;
  struct Kind {
    int bits, compression;
    uint32_t masks[4];
  };
  const Kind kinds[] = {{1, 0, {}},
                        {4, 0, {}},
                        {4, 2, {}},
                        {8, 0, {}},
                        {8, 1, {}},
                        {16, 0, {}},
                        {16, 3, {0xF800, 0x7E0, 0x1F, 0}},
                        {16, 3, {0xF00, 0xF0, 0xF, 0xF000}},
                        {24, 0, {}},
                        {32, 0, {}},
                        {32, 3, {0xFF000000, 0xFF0000, 0xFF00, 0}}};
  int n = 0;
  for (const Kind& kind : kinds)
    for (int headerSize : {12, 40, 56, 124})
      for (bool topDown : {false, true}) {
        if ((headerSize == 12 && (kind.compression || topDown || kind.bits == 16 || kind.bits == 32)) ||
            (topDown && kind.compression && kind.compression != 3))
          continue;
        BmpSpec spec;
        spec.bitCount = kind.bits, spec.compression = kind.compression, spec.headerSize = headerSize;
        spec.topDown = topDown, spec.width = 9, spec.height = 5;
        std::copy(std::begin(kind.masks), std::end(kind.masks), spec.masks);
        for (int i = 0; i < 16; ++i) spec.palette << qRgb(i * 16, 255 - i * 16, i * 5);
        for (int i = 0; i < 45; ++i) spec.pixels << uint32_t((i / 3) * 0x01030507u);
        ok &= WriteSeed(dir, QStringLiteral("bmp%1.bmp").arg(n++), WriteBmp(spec));
      }
  return ok ? 0 : 1;
}
