#pragma once
// The sizes of a texture set: pages of 256 x 256 pixels, cells of 64 x 64, one or two pages wide
// and up to 64 pages high. Plain numbers, which the resampler's sizes need as much as the packer.

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

}  // namespace mosaicor
