#pragma once
// Uncompressed Windows BMP files: 14-byte file header, 40-byte information header, rows bottom-up,
// each padded to a multiple of 4 bytes. 32-bit pictures are written with 32 bits (the fourth byte
// kept), everything else with 24 bits.

#include "core/common/Outcome.h"

#include <QImage>
#include <QString>

namespace mosaicor {

Result<QByteArray> EncodeBmp(const QImage& picture);
Outcome<> SaveBmpFile(const QImage& picture, const QString& fileName);

}  // namespace mosaicor
