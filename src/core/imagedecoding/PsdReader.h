#pragma once
// Our reader of Photoshop files (.PSD, version 1): the flattened composite image stored after the
// layers, shown as Photoshop shows it. Bitmap, greyscale, duotone (read as its grey base), indexed,
// RGB, CMYK, Lab and multichannel pictures (its first three channels as red, green and blue) of 8
// and 16 bits a channel, greyscale and RGB also of 32-bit floating point, stored raw or as
// PackBits rows, turned as the orientation in their resources says. Bitmaps come out as Mono
// (1 bit), greyscale and indexed pictures as Indexed8 (8 bits), the others as BGR888 (24 bits;
// deeper channels rounded to 8 bits, Lab and floating point converted to sRGB), and any picture
// with a transparency channel as ARGB32 (32 bits).

#include "core/imagedecoding/PictureDecoder.h"

namespace mosaicor {

Result<DecodedPicture> ReadPsd(ByteSource& source);

}  // namespace mosaicor
