#pragma once
// The largest picture any decoder will allocate. Headers are untrusted: their sizes are checked
// here, in 64-bit arithmetic, before a single pixel is allocated.

#include "core/common/Outcome.h"

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

// A header that describes no picture at all (no pixels, more than any decoder takes, a pixel
// depth of 0) is no decoding problem, and the picture-file module says it on its own line rather
// than as an unsupported compression scheme. Decoder failures carry no kind of their own, so
// such a failure is marked by this reason, which no other decoder failure gives.
inline const QString kNoPictureReason = QStringLiteral("no picture described");
inline Failure<> NoPictureDescribed(const QString& why) { return {why, {}, kNoPictureReason}; }
inline bool DescribesNoPicture(const Outcome<>& failed) { return failed.Reason() == kNoPictureReason; }
// A file that ends before its picture does is no compression problem either, and is said alike.
inline Failure<> FileCutShort(const QString& why) { return NoPictureDescribed(why); }

// Done when a width x height picture may be allocated; otherwise fails with why.
inline Outcome<> PictureSizeAllowed(qint64 width, qint64 height) {
  if (width <= 0 || height <= 0)
    return NoPictureDescribed(QStringLiteral("the picture has no pixels (%1 x %2)").arg(width).arg(height));
  if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
    return NoPictureDescribed(QStringLiteral("the picture is too large (%1 x %2 pixels)").arg(width).arg(height));
  return {};
}

}  // namespace mosaicor
