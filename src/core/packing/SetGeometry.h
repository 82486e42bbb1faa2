#pragma once
// Pictures as texture sets: a picture taken in as the Target takes it, and the test for a cell of
// one colour. The sizes themselves are in core/common/SetSizes.h.

#include "core/common/SetSizes.h"

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

namespace mosaicor {

// A picture as the Target takes it in: its top-left part of at most 512 x 16384 pixels, grown to
// whole pages (and to at least `minimumWidth`, 256 or 512) with `fill`, as ARGB32. Null when
// memory runs out.
QImage AsTextureSet(const QImage& picture, QRgb fill, int minimumWidth = kSetPageSide);

// Why a picture of `size` cannot be taken as a texture set whole (wider than 512, a side that is
// not a multiple of 64, more than 64 pages); empty when it can. Narrower or shorter than whole
// pages is fine: the set grows to them.
QString TextureSetProblem(QSize size);

// True when every pixel of the rectangle (inside the ARGB32 or RGB32 picture) has `fill`'s red,
// green and blue; alpha does not count, since a set is saved without it.
bool AllFill(const QImage& set, const QRect& rect, QRgb fill);

}  // namespace mosaicor
