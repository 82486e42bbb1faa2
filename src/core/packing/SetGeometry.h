#pragma once
// The shape of a texture set: pages of 256 x 256 pixels, cells of 64 x 64, one or two pages wide
// and up to 64 pages high.

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

namespace mosaicor {

inline constexpr int kSetPageSide = 256;
inline constexpr int kSetCellSide = 64;
inline constexpr int kSetMaxWidth = 512;
inline constexpr int kSetMaxHeightPages = 64;
inline constexpr int kSetMaxHeight = kSetMaxHeightPages * kSetPageSide;
// The most tiles a level editor takes from one set; the Target's info line turns red above it.
inline constexpr int kSetMostTiles = 256;

// A canvas's selection layer is never shorter than this, whatever its picture: six pages and one
// row more (1537, not 1536), the floor the canvas has always had.
inline constexpr int kMinSelectionHeight = 6 * kSetPageSide + 1;

// Whole pages that hold `pixels`, at least one.
constexpr int PagesFor(int pixels) { return pixels <= 0 ? 1 : (pixels + kSetPageSide - 1) / kSetPageSide; }

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
