#pragma once
// Our own reader of Windows and OS/2 bitmaps, because the picture must keep the format it had:
// 1, 4 and 8 bits with palette (RLE4 and RLE8 too), 16 bits with bit 15 kept (x-5-5-5 reports
// 15 bits, 5-6-5 reports 16 bits, other masks report custom), 24 bits, and 32 bits with the fourth
// byte kept; bottom-up and top-down.

#include "core/imagedecoding/PictureDecoder.h"

namespace mosaicor {

// Reads a whole BMP file. Pictures go to the nearest QImage format: 1 bit as Mono, 4 and 8 bits
// as Indexed8 (256-entry colour table), x-5-5-5 as RGB555, 5-6-5 as RGB16, 24 bits as BGR888,
// 32 bits as ARGB32. Custom 16-bit masks go to ARGB32 with each field widened to 8 bits
// (value x 255 / max, rounded); without an alpha mask, bit 15 is the alpha, 255 where it is set.
Result<DecodedPicture> ReadBmp(ByteSource& source);
// From the file's first bytes: how many bytes of it the picture can use, or why it is refused.
Result<qint64> BmpBytesToRead(ByteSource& head, qint64 fileSize);

}  // namespace mosaicor
