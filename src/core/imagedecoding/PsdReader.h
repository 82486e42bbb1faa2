#pragma once
// Our reader of Photoshop files (.PSD, version 1): the flattened composite image stored after the
// layers. Bitmap, greyscale, duotone (read as its grey base), indexed, RGB and CMYK pictures of
// 8 and 16 bits a channel (1 bit for bitmaps), stored raw or as PackBits rows. Bitmaps come out
// as Mono (1 bit), greyscale and indexed pictures as Indexed8 (8 bits), RGB and CMYK as BGR888
// (24 bits; 16-bit channels keep their top 8 bits, rounded), and any picture with a transparency
// channel as ARGB32 (32 bits).

#include "core/imagedecoding/PictureDecoder.h"

namespace mosaicor {

Result<DecodedPicture> ReadPsd(ByteSource& source);

}  // namespace mosaicor
