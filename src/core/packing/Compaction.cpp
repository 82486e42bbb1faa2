#include "core/packing/Compaction.h"

#include <algorithm>
#include <cstring>

#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

constexpr int kSide = kSetCellSide;
constexpr int kCellsPerPageSide = kSetPageSide / kSetCellSide;
constexpr QRgb kMagenta = 0xFFFF00FFu;
constexpr QRgb kBlack = 0xFF000000u;

void CopyCell(QImage& to, int toCell, const QImage& from, int fromCell, int columns) {
  const int fromX = fromCell % columns * kSide, fromY = fromCell / columns * kSide;
  const int toX = toCell % columns * kSide, toY = toCell / columns * kSide;
  for (int y = 0; y < kSide; ++y)
    std::memcpy(to.scanLine(toY + y) + toX * 4, from.constScanLine(fromY + y) + fromX * 4, kSide * 4);
}

// A piece that moves as one: a used cell alone, or a tile's block of cells.
struct Unit {
  QRect cells;        // in cells
  int keptAs = -1;    // the unit it duplicates, or -1 when it stays itself
  QPoint at{-1, -1};  // where it went, in cells
};

// The free cells of the new set, filled from the front in reading order.
class Layout {
 public:
  Layout(int columns, int rows) : columns_(columns), rows_(rows), taken_(size_t(columns) * rows, false) {}

  void Take(const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) taken_[size_t(y * columns_ + x)] = true;
    bottom_ = std::max(bottom_, r.bottom() + 1);
  }
  bool Taken(int cell) const { return taken_[size_t(cell)]; }
  // The first place in reading order where `size` cells fit; (-1, -1) when none is left.
  QPoint Place(QSize size) {
    while (firstFree_ < int(taken_.size()) && taken_[size_t(firstFree_)]) ++firstFree_;
    for (int cell = firstFree_; cell < int(taken_.size()); ++cell) {
      const QRect r(cell % columns_, cell / columns_, size.width(), size.height());
      if (r.right() >= columns_ || r.bottom() >= rows_) continue;
      if (Fits(r)) {
        Take(r);
        return r.topLeft();
      }
    }
    return {-1, -1};
  }
  int Rows() const { return bottom_; }

 private:
  bool Fits(const QRect& r) const {
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        if (taken_[size_t(y * columns_ + x)]) return false;
    return true;
  }
  int columns_, rows_;
  std::vector<bool> taken_;
  int firstFree_ = 0;
  int bottom_ = 0;
};

// Two blocks of one size whose every cell matches the cell at the same place in the other.
bool SameBlock(const QImage& set, int columns, const QRect& a, const QRect& b, const std::vector<int>& kinds,
               int tolerance) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const int ca = (a.top() + y) * columns + a.left() + x, cb = (b.top() + y) * columns + b.left() + x;
      if (!kinds.empty() && kinds[size_t(ca)] != kinds[size_t(cb)]) return false;
      if (!CellsMatch(set, columns, ca, cb, CellTransform::None, tolerance)) return false;
    }
  return true;
}

// Free cells before the last used one that would make two wholly magenta cells in a row turn black.
void BreakMagentaPairs(QImage& out, const Layout& layout, int columns) {
  const int cells = layout.Rows() * columns;
  bool previousMagenta = false;
  for (int cell = 0; cell < cells; ++cell) {
    const QRect r(cell % columns * kSide, cell / columns * kSide, kSide, kSide);
    bool magenta = AllFill(out, r, kMagenta);
    if (magenta && previousMagenta && !layout.Taken(cell)) {
      for (int y = r.top(); y <= r.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(out.scanLine(y)) + r.left(), kSide, kBlack);
      magenta = false;
    }
    previousMagenta = magenta;
  }
}

}  // namespace

int CompactedPages(int cells, int columns) {
  const int cellsPerPage = std::max(columns, 1) * kCellsPerPageSide;
  return std::max(1, (cells + cellsPerPage - 1) / cellsPerPage);
}

Result<CompactedSet> CompactSet(const QImage& set, QRgb fill, const CompactRules& rules) {
  const int columns = set.width() / kSide, rows = set.height() / kSide;
  const int cells = columns * rows;
  const auto kindOf = [&](int cell) { return rules.kinds.empty() ? 0 : rules.kinds[size_t(cell)]; };
  const auto pointedAt = [&](int cell) { return !rules.pointedAt.empty() && rules.pointedAt[size_t(cell)]; };

  // The blocks that lie inside the set and do not overlap an earlier one; a block holding a fixed
  // cell stays where it is whole.
  std::vector<int> blockOf(size_t(cells), -1);
  std::vector<QRect> blocks;
  for (const QRect& b : rules.blocks) {
    if (b.isEmpty() || b.width() * b.height() < 2 || !QRect(0, 0, columns, rows).contains(b)) continue;
    bool free = true;
    for (int y = b.top(); y <= b.bottom() && free; ++y)
      for (int x = b.left(); x <= b.right() && free; ++x) free = blockOf[size_t(y * columns + x)] < 0;
    if (!free) continue;
    for (int y = b.top(); y <= b.bottom(); ++y)
      for (int x = b.left(); x <= b.right(); ++x) blockOf[size_t(y * columns + x)] = int(blocks.size());
    blocks.push_back(b);
  }
  std::vector<bool> blockFixed(blocks.size(), false);
  for (int cell = 0; cell < cells; ++cell)
    if (blockOf[size_t(cell)] >= 0 && kindOf(cell) == kFixedCell) blockFixed[size_t(blockOf[size_t(cell)])] = true;

  // Lone cells are grouped among themselves, kind by kind; block cells and fixed cells stay out.
  std::vector<int> classes(static_cast<size_t>(cells));
  for (int cell = 0; cell < cells; ++cell) classes[size_t(cell)] = blockOf[size_t(cell)] >= 0 ? -1 : kindOf(cell);
  const CellGrouping grouping = GroupCells(set, fill, rules.mode, &classes);

  Layout layout(columns, kSetMaxHeightPages * kCellsPerPageSide);
  std::vector<Unit> units;
  std::vector<int> unitOf(size_t(cells), -1);  // the unit a used cell stands in
  std::vector<int> blockUnit(blocks.size(), -1);
  std::vector<int> emptyKept;  // per kind: the unit of the first pointed-at empty cell
  const auto keptEmpty = [&](int kind) -> int& {
    if (size_t(kind) >= emptyKept.size()) emptyKept.resize(size_t(kind) + 1, -1);
    return emptyKept[size_t(kind)];
  };
  for (int cell = 0; cell < cells; ++cell) {
    const int block = blockOf[size_t(cell)];
    const QRect one(cell % columns, cell / columns, 1, 1);
    if (block >= 0) {
      const QRect& b = blocks[size_t(block)];
      if (one.topLeft() == b.topLeft()) {
        Unit unit{b};
        if (blockFixed[size_t(block)]) {
          unit.at = b.topLeft();
          layout.Take(b);
        } else {
          for (size_t other = 0; other < size_t(block) && unit.keptAs < 0; ++other)
            if (!blockFixed[other] && units[size_t(blockUnit[other])].keptAs < 0 &&
                SameBlock(set, columns, blocks[other], b, rules.kinds, rules.mode.tolerance))
              unit.keptAs = blockUnit[other];
        }
        blockUnit[size_t(block)] = int(units.size());
        units.push_back(unit);
      }
      unitOf[size_t(cell)] = blockUnit[size_t(block)];
      continue;
    }
    const int kind = kindOf(cell);
    const int first = grouping.first[size_t(cell)];
    if (kind == kFixedCell) {
      // Kept in place even when empty: its place belongs to its animation.
      layout.Take(one);
      unitOf[size_t(cell)] = int(units.size());
      units.push_back(Unit{one, -1, one.topLeft()});
      continue;
    }
    if (first < 0 && !pointedAt(cell)) continue;
    Unit unit{one};
    if (first >= 0 && first != cell) unit.keptAs = unitOf[size_t(first)];
    if (first < 0) {
      int& kept = keptEmpty(kind);
      if (kept >= 0)
        unit.keptAs = kept;
      else
        kept = int(units.size());
    }
    unitOf[size_t(cell)] = int(units.size());
    units.push_back(unit);
  }

  // Kept units in the order of their first cell, each at the first place it fits.
  CompactedSet compacted;
  for (Unit& unit : units) {
    if (unit.keptAs >= 0 || unit.at.x() >= 0) continue;
    unit.at = layout.Place(unit.cells.size());
    if (unit.at.x() < 0) return Failure<>{QStringLiteral("the tiles do not fit into %1 pages").arg(kSetMaxHeightPages)};
  }
  const int pages = CompactedPages(layout.Rows() * columns, columns);
  compacted.set = QImage(set.width(), pages * kSetPageSide, QImage::Format_ARGB32);
  if (compacted.set.isNull()) return Failure<>{QStringLiteral("not enough memory")};
  compacted.set.fill(fill);

  for (int cell = 0; cell < cells; ++cell) {
    const int u = unitOf[size_t(cell)];
    if (u < 0) continue;
    const Unit& unit = units[size_t(u)];
    const QPoint offset = QPoint(cell % columns, cell / columns) - unit.cells.topLeft();
    const bool lone = unit.cells.size() == QSize(1, 1);
    const Unit& target = unit.keptAs >= 0 ? units[size_t(unit.keptAs)] : unit;
    const QPoint to = target.at + offset;
    const int newCell = to.y() * columns + to.x();
    if (unit.keptAs < 0) {
      CopyCell(compacted.set, newCell, set, cell, columns);
      ++compacted.kept;
    }
    // A block and its duplicate match cell for cell, unturned; a lone cell as the census found it.
    const CellTransform transform =
        lone && grouping.first[size_t(cell)] >= 0 ? grouping.transform[size_t(cell)] : CellTransform::None;
    compacted.moves.push_back(CellMove{cell, newCell, transform});
  }
  compacted.used = int(compacted.moves.size());
  if (rules.noMagentaPairs) BreakMagentaPairs(compacted.set, layout, columns);
  return compacted;
}

QByteArray MoveMapCsv(const std::vector<CellMove>& moves) {
  QByteArray csv("old_cell,new_cell,transform\n");
  for (const CellMove& move : moves)
    csv += QByteArray::number(move.oldCell) + ',' + QByteArray::number(move.newCell) + ',' +
           TransformName(move.transform).toLatin1() + '\n';
  return csv;
}

}  // namespace mosaicor
