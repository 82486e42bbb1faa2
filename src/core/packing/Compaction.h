#pragma once
// Compact: a texture set without waste. Every cell that duplicates an earlier one under the
// census's mode goes, empty cells go, the cells that stay move to the front in reading order
// (keeping their order), and the set is cut to the pages they need. The move map says where each
// used cell's pixels went, so that a builder can fix the faces textured from it. The window and
// the companion both compact through CompactSet, so that one set gives one result.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <vector>

#include "core/common/Outcome.h"
#include "core/packing/CellGroups.h"
#include "core/packing/CellTransform.h"

namespace mosaicor {

// One line of the move map: the used cell `oldCell` now stands at `newCell` (or is the duplicate
// of the kept cell there), and `transform` turns its old pixels into those at `newCell`.
struct CellMove {
  int oldCell = 0;
  int newCell = 0;
  CellTransform transform = CellTransform::None;
  friend bool operator==(const CellMove&, const CellMove&) = default;
};

// What a compaction must respect besides the census's mode.
struct CompactRules {
  // Rules of the census's mode alone.
  static CompactRules Of(CensusMode mode) {
    CompactRules rules;
    rules.mode = mode;
    return rules;
  }
  CensusMode mode;
  // Tiles larger than a cell, in cells (column, row, columns, rows): each moves as one block, its
  // cells keeping their places relative to each other, and is merged only with an equal block.
  std::vector<QRect> blocks;
  // Per cell, or empty for none. Cells of different kinds are never merged; a negative kind keeps
  // the cell where it is, neither moved nor merged nor the kept copy of another.
  std::vector<int> kinds;
  // Per cell, or empty for none: a cell something points at, used even when all fill colour.
  std::vector<bool> pointedAt;
  // The level editor stops reading a set at two wholly magenta cells in a row: no free cell before
  // the last used one may make such a pair.
  bool noMagentaPairs = false;
};

inline constexpr int kFixedCell = -1;

struct CompactedSet {
  QImage set;  // as wide as before, whole pages high (at least one)
  std::vector<CellMove> moves;
  int used = 0;  // cells that held something (one move each)
  int kept = 0;  // cells that stand in the new set
};

// The pages a set `columns` cells wide needs for `cells` cells, at least one.
int CompactedPages(int cells, int columns);

// Compacts `set` (ARGB32, whole pages), whose empty cells are all `fill`; the area after the kept
// cells takes `fill` too. Fails when the blocks do not fit into 64 pages or memory runs out.
Result<CompactedSet> CompactSet(const QImage& set, QRgb fill, const CompactRules& rules);

// The move map as CSV: the header "old_cell,new_cell,transform", then one line per move.
QByteArray MoveMapCsv(const std::vector<CellMove>& moves);

}  // namespace mosaicor
