#pragma once
// The largest picture any decoder will allocate. Headers are untrusted: their sizes are checked
// here, in 64-bit arithmetic, before a single pixel is allocated.

#include "common/Outcome.h"

#include <QString>
#include <QtGlobal>

namespace mosaicor {

// The working copy of a picture takes 4 bytes per pixel. 128 Mi pixels (512 MiB as 32-bit, e.g.
// 16384 x 8192) is far beyond anything a texture tool needs (a texture set is at most
// 512 x 16384 = 8 Mi pixels) yet leaves room for large source photos, and keeps a decode plus
// its 32-bit copy within 1 GiB.
inline constexpr qint64 kMaxPicturePixels = qint64(1) << 27;
// Per side: more than any texture source and small enough that width x height x 4 never overflows.
inline constexpr qint64 kMaxPictureSide = qint64(1) << 20;

// Done when a width x height picture may be allocated; otherwise fails with why.
inline Outcome<> PictureSizeAllowed(qint64 width, qint64 height) {
  if (width <= 0 || height <= 0)
    return Failure<>{QStringLiteral("the picture has no pixels (%1 x %2)").arg(width).arg(height)};
  if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
    return Failure<>{QStringLiteral("the picture is too large (%1 x %2 pixels)").arg(width).arg(height)};
  return {};
}

}  // namespace mosaicor
