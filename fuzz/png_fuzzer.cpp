// libFuzzer target: PNG decoding through Qt on arbitrary bytes, then the 32-bit conversion.
#include "core/imagedecoding/PngReader.h"
#include "core/imagefiles/PictureConversion.h"

#include <cstddef>
#include <cstdint>

using namespace mosaicor;

// Qt's PNG handler warns about every damaged file on stderr; the fuzzer's output is for findings.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ByteSource source(data, qsizetype(size));
  const Result<DecodedPicture> decoded = ReadPng(source);
  if (decoded) {
    const DecodedPicture& picture = decoded.Value();
    const QImage working = ConvertTo32Bits(picture.image, picture.format);
    if (working.size() != picture.image.size()) __builtin_trap();
  } else if (decoded.Text().isEmpty()) {
    __builtin_trap();  // every refusal says why
  }
  return 0;
}
