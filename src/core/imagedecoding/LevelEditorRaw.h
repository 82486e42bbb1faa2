#pragma once
// The level editors' headerless pictures, known by their extension and their exact size: a sky
// (.RAW, 256 x 256, 24 bits: red, green, blue per pixel) and a font (.PC, 256 x 256, 32 bits:
// blue, green, red, alpha, the layout of a TR4/TR5 level's 32-bit pages, which carry both as
// their font and sky pages). Both run from the top row down.

#include "core/imagedecoding/PictureDecoder.h"

namespace mosaicor {

inline constexpr int kLevelEditorRawSide = 256;
inline constexpr qint64 kSkyRawBytes = qint64(kLevelEditorRawSide) * kLevelEditorRawSide * 3;
inline constexpr qint64 kFontPcBytes = qint64(kLevelEditorRawSide) * kLevelEditorRawSide * 4;

// RGB888 (its bytes are the file's), reporting 24 bits.
Result<DecodedPicture> ReadSkyRaw(ByteSource& source);
// ARGB32 with the file's alpha, reporting 32 bits.
Result<DecodedPicture> ReadFontPc(ByteSource& source);
// The whole file when it has exactly the size of its kind; otherwise why not, with both sizes.
Result<qint64> SkyRawBytesToRead(ByteSource& head, qint64 fileSize);
Result<qint64> FontPcBytesToRead(ByteSource& head, qint64 fileSize);

}  // namespace mosaicor
