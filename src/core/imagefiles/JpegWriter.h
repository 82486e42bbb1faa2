#pragma once
// JPEG files through libjpeg-turbo: quality 90, colour (YCbCr, never greyscale), baseline.

#include "common/Outcome.h"

#include <QImage>
#include <QString>

mosaicor::Result<QByteArray> EncodeJpeg(const QImage& picture);
mosaicor::Outcome<> SaveJpegFile(const QImage& picture, const QString& fileName);
