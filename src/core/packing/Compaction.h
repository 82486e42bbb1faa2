#pragma once
// Compact: a texture set without waste. Every cell that duplicates an earlier one under the
// census's mode goes, empty cells go, the cells that stay move to the front in reading order
// (keeping their order), and the set is cut to the pages they need. The move map says where each
// used cell's pixels went, so that a builder can fix the faces textured from it.

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <vector>

#include "core/common/Outcome.h"
#include "core/packing/CellTransform.h"
#include "core/packing/TileCensus.h"

namespace mosaicor {

// One line of the move map: the used cell `oldCell` now stands at `newCell` (or is the duplicate
// of the kept cell there), and `transform` turns its old pixels into those at `newCell`.
struct CellMove {
  int oldCell = 0;
  int newCell = 0;
  CellTransform transform = CellTransform::None;
  friend bool operator==(const CellMove&, const CellMove&) = default;
};

struct CompactedSet {
  QImage set;  // as wide as before, whole pages high (at least one)
  std::vector<CellMove> moves;
  int kept = 0;  // cells that stand in the new set
};

// The pages a set `columns` cells wide needs for `cells` cells, at least one.
int CompactedPages(int cells, int columns);

// Compacts `set` (ARGB32, whole pages) by `census`, which was taken of this very set; the area
// after the kept cells takes `fill`. Fails only when memory runs out.
Result<CompactedSet> CompactSet(const QImage& set, QRgb fill, const TileCensus& census);

// The move map as CSV: the header "old_cell,new_cell,transform", then one line per move.
QByteArray MoveMapCsv(const std::vector<CellMove>& moves);

}  // namespace mosaicor
