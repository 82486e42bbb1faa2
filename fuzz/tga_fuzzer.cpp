// libFuzzer target: TTargaGraphic reading arbitrary bytes, then the 32-bit conversion.
#include "core/imagedecoding/TargaGraphic.h"
#include "core/imagefiles/PictureConversion.h"

#include <cstddef>
#include <cstdint>

using namespace mosaicor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ByteSource source(data, qsizetype(size));
  TTargaGraphic tga;
  if (tga.LoadFromStream(source).Ok()) {
    const QImage working = ConvertTo32Bits(tga.Bitmap(), tga.PixelFormat());
    if (working.size() != tga.Bitmap().size()) __builtin_trap();
  }
  return 0;
}
