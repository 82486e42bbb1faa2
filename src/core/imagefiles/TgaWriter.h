#pragma once
// The program's own uncompressed TGA writers. Files are written through QSaveFile, so a file
// that cannot be written completely never replaces the one that was there. A TGA header holds
// 16-bit sizes: larger pictures are refused (BMP can hold them).

#include "core/common/Outcome.h"

#include <QImage>
#include <QString>

namespace mosaicor {

// The texture set the level editors read: 18-byte header (type 2, 24 bits, descriptor 0), then
// the rows from the bottom row up, blue, green, red per pixel, no padding, nothing after.
Outcome<> SaveAsUncompTGA24bits(const QImage& picture, const QString& fileName);

// 32-bit working picture with its alpha byte: image type 2, 32 bits per pixel, descriptor
// 0x28 (top row first, 8 alpha bits), pixels blue, green, red, alpha.
Outcome<> SaveAsUncompTGA32bits(const QImage& picture, const QString& fileName);

// The bytes SaveAsUncompTGA24bits writes (empty when the picture cannot be a TGA).
Result<QByteArray> EncodeUncompTGA24bits(const QImage& picture);

}  // namespace mosaicor
