#pragma once
// A hostile JPEG: a few kilobytes whose frame header claims a large progressive picture. libjpeg
// keeps every coefficient of a progressive picture, so such a header alone asks for hundreds of
// megabytes of working memory.

#include <QByteArray>

namespace mosaicor {

// A progressive JPEG of a 16 x 16 picture (written by Qt's JPEG support) whose frame header is
// patched to claim width x height, with every component at full resolution (4:4:4) or the usual
// 4:2:0, and a comment that pads the file to at least `atLeast` bytes. Empty when Qt cannot write
// JPEG files here.
QByteArray ProgressiveJpegClaiming(int width, int height, bool subsampled, int atLeast);

}  // namespace mosaicor
