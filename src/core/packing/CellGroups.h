#pragma once
// Groups the 64 x 64 cells of a texture set that are one texture, also when a copy is turned or
// mirrored (the level editor turns and mirrors textures on faces itself) or went through a JPEG or
// a colour tweak. Membership is fixed by reading order, not by the order of any search: cells are
// taken left to right and top to bottom, and a cell joins the first group (by its first cell)
// whose first cell it matches; a cell that matches none starts a group. So a member is always
// within the tolerance of its group's first cell, though two members may be twice that apart.

#include <QImage>
#include <QRgb>
#include <vector>

#include "core/packing/CellTransform.h"

namespace mosaicor {

inline constexpr int kDefaultTolerance = 8;
inline constexpr int kMostTolerance = 255;

// How cells are told to be the same.
struct CensusMode {
  bool symmetric = false;  // also under the eight rotations and mirrors
  int tolerance = 0;       // no channel of any pixel may differ by more than this (0: identical)
  bool Exact() const { return !symmetric && tolerance == 0; }
  friend bool operator==(const CensusMode&, const CensusMode&) = default;
};

struct CellGrouping {
  // Per cell in reading order: the first cell of its group (the cell itself when it starts one),
  // or -1 for an empty cell (every pixel the fill colour, red, green and blue; alpha does not count).
  std::vector<int> first;
  // Per cell: what turns its pixels into those of its group's first cell.
  std::vector<CellTransform> transform;
  // What the grouping cost: first cells whose block sums were held against a cell's (under one
  // transform each), and of those, the ones compared pixel by pixel.
  long signatureChecks = 0;
  long pixelComparisons = 0;
};

// The grouping of the whole cells of `set` (ARGB32 or RGB32). Cells are first sorted into buckets
// by their mean colour, which a match within the tolerance (under any transform) moves by at most
// the tolerance; a cell is compared only with the first cells of its own and the neighbouring
// buckets, and then only where the mean colours of its sixteen 16 x 16 blocks agree as well.
// With `classes` (one per cell), a cell joins only a first cell of its own class, and a cell of a
// negative class takes no part: it counts as empty.
CellGrouping GroupCells(const QImage& set, QRgb fill, CensusMode mode, const std::vector<int>* classes = nullptr);

// Does `transform` turn cell `b` of the set into cell `a`, within `tolerance` in every channel of
// every pixel? `columns` is the set's width in cells.
bool CellsMatch(const QImage& set, int columns, int a, int b, CellTransform transform, int tolerance);

}  // namespace mosaicor
