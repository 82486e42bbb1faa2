#pragma once
// PNG files through Qt's PNG support: 24-bit colour (no alpha), like the other texture set formats.

#include <QImage>
#include <QString>

QByteArray EncodePng(const QImage& picture, QString& error);
bool SavePngFile(const QImage& picture, const QString& fileName, QString& error);
