#pragma once
// PNG decoding through Qt's PNG support, from bytes in memory. The pixel format reported is the
// file's own (IHDR): 1 bit, 4 bits (2- and 4-bit pictures), 8 bits (palette or grey, 16-bit grey
// too), 24 bits for colour, 32 bits for colour or grey with an alpha channel.

#include "core/imagedecoding/PictureDecoder.h"

namespace mosaicor {

Result<DecodedPicture> ReadPng(ByteSource& source);

}  // namespace mosaicor
