#pragma once
// Our own reader of ZSoft Paintbrush (.PCX) files, run-length encoded or stored: 1 bit (black and
// white), 2 and 4 bits packed or as 2 to 4 bit planes (the 16-colour header palette), 8 bits with
// the 256-colour palette at the end of the file (grey without one), 24 bits as three planes, and
// 32 bits as four.

#include "core/imagedecoding/PictureDecoder.h"

namespace mosaicor {

// 1-bit pictures come out as Mono, 2- to 8-bit ones as Indexed8 (reporting 4 or 8 bits), three
// planes as RGB32 and four planes as ARGB32.
Result<DecodedPicture> ReadPcx(ByteSource& source);
// The whole file, once its header allows the picture; or why the header refuses it.
Result<qint64> PcxBytesToRead(ByteSource& head, qint64 fileSize);

}  // namespace mosaicor
