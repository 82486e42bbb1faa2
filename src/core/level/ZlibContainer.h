#pragma once
// The optional whole-file "ZLIB" container some level files come in: the letters "ZLIB",
// uint32 compressed length, uint32 uncompressed length, then a zlib stream of the level.

#include <QByteArray>

bool IsZlibContainer(const QByteArray& content);
// The unpacked level. EDecompressionError when the stream is damaged, runs past the end of the
// file or would unpack beyond any real level's size.
QByteArray UnpackZlibContainer(const QByteArray& content);
