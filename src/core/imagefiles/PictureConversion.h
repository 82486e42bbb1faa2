#pragma once
// Bringing a decoded picture to the 32-bit working format, and the working picture to the 24 bits
// a texture set is saved in.

#include "core/graphics/PixelFormat.h"

#include <QImage>

namespace mosaicor {

// 15-bit pictures (and custom ones still in 16 bits) through Convert16BitsTo32Bits (alpha from
// bit 15); a 32-bit or custom picture keeps its alpha byte, and so does a palette picture whose
// palette has a transparent entry; every other picture gets its colours and alpha 0. Returns ARGB32.
QImage ConvertTo32Bits(QImage picture, PixelFormatCode sourceFormat);

// BGR888 (bytes blue, green, red per pixel): colours kept, alpha dropped.
QImage ConvertTo24Bits(const QImage& picture);

}  // namespace mosaicor
