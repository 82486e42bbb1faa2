#pragma once
// The program's own uncompressed TGA writers. Files are written through QSaveFile, so a file
// that cannot be written completely never replaces the one that was there.

#include <QImage>
#include <QString>

// 32-bit working picture with its alpha byte: image type 2, 32 bits per pixel, descriptor
// 0x28 (top row first, 8 alpha bits), pixels blue, green, red, alpha.
bool SaveAsUncompTGA32bits(const QImage& picture, const QString& fileName, QString& error);
