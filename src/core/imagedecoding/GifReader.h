#pragma once
// GIF decoding through Qt's GIF reader, from bytes in memory: the first frame as the picture, or
// every frame in order with its delay. Frames come whole (the reader composes each over the
// ones before it as the file's disposal says), reporting 8 bits.

#include "core/imagedecoding/PictureDecoder.h"

namespace mosaicor {

Result<DecodedPicture> ReadGif(ByteSource& source);
Outcome<> ReadGifFrames(ByteSource& source, const FrameReading& reading);
// Refuses a header whose logical screen is no picture, before the rest is read.
Result<qint64> GifBytesToRead(ByteSource& head, qint64 fileSize);

}  // namespace mosaicor
