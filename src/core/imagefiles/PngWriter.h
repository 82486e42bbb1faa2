#pragma once
// PNG files through Qt's PNG support: 24-bit colour (no alpha), like the other texture set formats.

#include "core/common/Outcome.h"

#include <QImage>
#include <QString>

namespace mosaicor {

Result<QByteArray> EncodePng(const QImage& picture);
Outcome<> SavePngFile(const QImage& picture, const QString& fileName);

}  // namespace mosaicor
