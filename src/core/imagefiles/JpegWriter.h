#pragma once
// JPEG files through libjpeg-turbo: quality 90, colour (YCbCr, never greyscale), baseline.

#include <QImage>
#include <QString>

QByteArray EncodeJpeg(const QImage& picture, QString& error);
bool SaveJpegFile(const QImage& picture, const QString& fileName, QString& error);
