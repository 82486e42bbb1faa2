#pragma once
// TIFF decoding through libtiff, from bytes in memory: the first image of the file. Bilevel, grey
// and paletted pictures of 1, 2, 4 and 8 bits keep their indices (Mono or Indexed8), 16-bit grey is
// brought to 8 bits, RGB of 8 or 16 bits per sample comes out as RGB32, with alpha as ARGB32.
// Everything else libtiff knows (planar RGB, YCbCr, CMYK, CIE L*a*b*, LogLuv, odd tilings) goes
// through libtiff's RGBA interface and reports 24 bits, or 32 bits where the file has alpha.

#include "core/imagedecoding/PictureDecoder.h"

namespace mosaicor {

Result<DecodedPicture> ReadTiff(ByteSource& source);

}  // namespace mosaicor
