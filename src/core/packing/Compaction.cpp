#include "core/packing/Compaction.h"

#include <algorithm>
#include <cstring>

#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

constexpr int kSide = kSetCellSide;
constexpr int kCellsPerPageSide = kSetPageSide / kSetCellSide;

void CopyCell(QImage& to, int toCell, const QImage& from, int fromCell, int columns) {
  const int fromX = fromCell % columns * kSide, fromY = fromCell / columns * kSide;
  const int toX = toCell % columns * kSide, toY = toCell / columns * kSide;
  for (int y = 0; y < kSide; ++y)
    std::memcpy(to.scanLine(toY + y) + toX * 4, from.constScanLine(fromY + y) + fromX * 4, kSide * 4);
}

}  // namespace

int CompactedPages(int cells, int columns) {
  const int cellsPerPage = std::max(columns, 1) * kCellsPerPageSide;
  return std::max(1, (cells + cellsPerPage - 1) / cellsPerPage);
}

Result<CompactedSet> CompactSet(const QImage& set, QRgb fill, const TileCensus& census) {
  const int columns = census.Columns();
  const int cells = columns * census.Rows();
  CompactedSet compacted;
  compacted.set =
      QImage(set.width(), CompactedPages(census.Counts().unique, columns) * kSetPageSide, QImage::Format_ARGB32);
  if (compacted.set.isNull()) return Failure<>{QStringLiteral("not enough memory")};
  compacted.set.fill(fill);
  compacted.moves.reserve(size_t(census.Counts().used));
  // Where each kept cell went; a duplicate comes after its group's first cell, so that is known.
  std::vector<int> placed(size_t(cells), -1);
  int next = 0;
  for (int cell = 0; cell < cells; ++cell) {
    if (census.IsEmpty(cell)) continue;
    const int first = census.FirstOfGroup(cell);
    if (first == cell) {
      CopyCell(compacted.set, next, set, cell, columns);
      placed[size_t(cell)] = next++;
    }
    compacted.moves.push_back(CellMove{cell, placed[size_t(first)], census.TransformOf(cell)});
  }
  compacted.kept = next;
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
