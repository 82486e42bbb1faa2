// libFuzzer target: our PCX reader on arbitrary bytes, then the 32-bit conversion.
#include "core/imagedecoding/PcxReader.h"
#include "core/imagefiles/PictureConversion.h"

#include <cstddef>
#include <cstdint>

using namespace mosaicor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ByteSource source(data, qsizetype(size));
  const Result<DecodedPicture> decoded = ReadPcx(source);
  if (decoded) {
    const DecodedPicture& picture = decoded.Value();
    const QImage working = ConvertTo32Bits(picture.image, picture.format);
    if (working.size() != picture.image.size()) __builtin_trap();
  } else if (decoded.Text().isEmpty()) {
    __builtin_trap();  // every refusal says why
  }
  return 0;
}
