#pragma once
// Writing the level editors' headerless sky (.RAW) and font (.PC) files, whose only header is their
// size: a 256 x 256 picture, top row first; the sky as red, green, blue, the font as blue, green,
// red, alpha. Other sizes are refused.

#include "core/common/Outcome.h"

#include <QImage>
#include <QString>

namespace mosaicor {

Result<QByteArray> EncodeSkyRaw(const QImage& picture);
// The picture's alpha goes with it; a picture whose alpha is 0 throughout (one loaded without
// alpha) is written opaque, with alpha 0 only where it is magenta, the key of the level editors.
Result<QByteArray> EncodeFontPc(const QImage& picture);

Outcome<> SaveSkyRaw(const QImage& picture, const QString& fileName);
Outcome<> SaveFontPc(const QImage& picture, const QString& fileName);

}  // namespace mosaicor
