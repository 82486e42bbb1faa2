// libFuzzer target: JPEG decoding through libjpeg-turbo on arbitrary bytes.
#include "core/imagedecoding/JpegReader.h"
#include "core/imagefiles/PictureConversion.h"

#include <cstddef>
#include <cstdint>

using namespace mosaicor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ByteSource source(data, qsizetype(size));
  const Result<DecodedPicture> decoded = ReadJpeg(source);
  if (decoded) {
    const DecodedPicture& picture = decoded.Value();
    const QImage working = ConvertTo32Bits(picture.image, picture.format);
    if (working.size() != picture.image.size()) __builtin_trap();
  }
  return 0;
}
