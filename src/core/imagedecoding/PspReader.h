#pragma once
// Our reader of Paint Shop Pro pictures (.PSP, and .PSPIMAGE since Paint Shop Pro 8): format
// versions 3 to 12. It takes the composite image where the file stores one, otherwise it lays the
// visible raster layers over each other (normal blending, layer opacity, transparency masks).
// 1-bit pictures come out as Mono, 4- and 8-bit ones (paletted or grey) as Indexed8, 24-bit ones
// as BGR888, and any picture with transparency as ARGB32 (reported as 32 bits).

#include "core/imagedecoding/PictureDecoder.h"

namespace mosaicor {

Result<DecodedPicture> ReadPsp(ByteSource& source);

}  // namespace mosaicor
