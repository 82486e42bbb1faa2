#pragma once
// JPEG files through libjpeg-turbo: quality 90, colour (YCbCr, never greyscale), baseline.

#include "core/common/Outcome.h"

#include <QImage>
#include <QString>

namespace mosaicor {

Result<QByteArray> EncodeJpeg(const QImage& picture);
Outcome<> SaveJpegFile(const QImage& picture, const QString& fileName);

}  // namespace mosaicor
