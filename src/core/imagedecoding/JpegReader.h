#pragma once
// JPEG decoding through libjpeg-turbo, from bytes in memory. Colour pictures (YCbCr, RGB, CMYK)
// come out as RGB32 (bytes blue, green, red, 0xFF) and report 24 bits; greyscale ones come out as
// Indexed8 with a grey ramp and report 8 bits.

#include "core/imagedecoding/PictureDecoder.h"

namespace mosaicor {

Result<DecodedPicture> ReadJpeg(ByteSource& source);

}  // namespace mosaicor
