#pragma once
// The optional whole-file "ZLIB" container some level files come in: the letters "ZLIB",
// uint32 compressed length, uint32 uncompressed length, then a zlib stream of the level.

#include "core/level/LevelFailure.h"

#include <QByteArray>

namespace mosaicor {

bool IsZlibContainer(const QByteArray& content);
// The unpacked level. Fails (Damaged, with the container's place) when the stream is damaged or
// runs past the end of the file; InflatesTooFar when it would unpack beyond any real level's size.
LevelResult<QByteArray> UnpackZlibContainer(const QByteArray& content);

}  // namespace mosaicor
