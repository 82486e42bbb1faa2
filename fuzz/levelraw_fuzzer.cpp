// libFuzzer target: the level editors' sky (.raw) and font (.pc) readers on arbitrary bytes, and the
// font's own alpha keyed to magenta with its fringe cleaned, at a threshold taken from the data.
#include "core/graphics/AlphaKeying.h"
#include "core/imagedecoding/LevelEditorRaw.h"
#include "core/imagefiles/PictureConversion.h"

#include <cstddef>
#include <cstdint>

using namespace mosaicor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    ByteSource source(data, qsizetype(size));
    const Result<DecodedPicture> sky = ReadSkyRaw(source);
    if (!sky && sky.Text().isEmpty()) __builtin_trap();
    if (sky && size != size_t(kSkyRawBytes)) __builtin_trap();
  }
  ByteSource source(data, qsizetype(size));
  const Result<DecodedPicture> font = ReadFontPc(source);
  if (!font) {
    if (font.Text().isEmpty() || size == size_t(kFontPcBytes)) __builtin_trap();
    return 0;
  }
  const QImage working = ConvertTo32Bits(font->image, font->format);
  const QImage keyed = KeyAlphaToMagenta(working, {1 + data[0] % 254, true});
  for (int y = 0; y < keyed.height(); ++y)
    for (int x = 0; x < keyed.width(); ++x)
      if (qAlpha(keyed.pixel(x, y)) != 255) __builtin_trap();  // keyed pictures are opaque
  return 0;
}
