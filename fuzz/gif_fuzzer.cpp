// libFuzzer target: GIF decoding through Qt on arbitrary bytes, the first frame and every frame in
// turn, each brought to 32 bits as a load does.
#include "core/imagedecoding/GifReader.h"
#include "core/imagefiles/PictureConversion.h"

#include <cstddef>
#include <cstdint>

using namespace mosaicor;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    ByteSource source(data, qsizetype(size));
    const Result<DecodedPicture> first = ReadGif(source);
    if (!first && first.Text().isEmpty()) __builtin_trap();  // every refusal says why
  }
  ByteSource source(data, qsizetype(size));
  int taken = 0, promised = 0;
  QSize screen;
  const FrameReading reading{[&](QSize size, int frames) -> Outcome<> {
                               // What the companion would refuse for 64 pages, kept small for the fuzzer.
                               if (frames > 64 || qint64(size.width()) * size.height() > (1 << 20))
                                 return Failure<>{QStringLiteral("too many")};
                               promised = frames, screen = size;
                               return {};
                             },
                             [&](QImage frame, PixelFormatCode format, int delayMs) -> Outcome<> {
                               const QImage working = ConvertTo32Bits(std::move(frame), format);
                               if (working.size() != screen || delayMs < 0) __builtin_trap();
                               ++taken;
                               return {};
                             }};
  const Outcome<> read = ReadGifFrames(source, reading);
  if (read && taken != promised) __builtin_trap();
  if (!read && read.Text().isEmpty()) __builtin_trap();
  return 0;
}
