#include "core/packing/TileSheets.h"

#include "core/packing/SetGeometry.h"
#include "core/packing/TilePacker.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace mosaicor {

namespace {

int CellsOf(const QImage& tile) {
  const auto cells = [](int pixels) { return (pixels + kSetCellSide - 1) / kSetCellSide; };
  return cells(tile.width()) * cells(tile.height());
}

}  // namespace

Result<TileSheets> PackTileSheets(const std::vector<QImage>& tiles, int width, QRgb fill) {
  std::vector<int> order(tiles.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&tiles](int a, int b) {
    const QImage &ta = tiles[size_t(a)], &tb = tiles[size_t(b)];
    if (CellsOf(ta) != CellsOf(tb)) return CellsOf(ta) > CellsOf(tb);
    return qint64(ta.width()) * ta.height() > qint64(tb.width()) * tb.height();
  });

  TileSheets out;
  out.Spots.resize(tiles.size());
  std::optional<TilePacker> packer;
  bool fresh = false;  // nothing placed in the current set yet
  const auto startSet = [&]() -> Outcome<> {
    if (packer) out.Sheets.push_back(packer->Set());
    const QImage empty = AsTextureSet(QImage(), fill, width);
    if (empty.isNull()) return Failure<>{QStringLiteral("not enough memory for a texture set")};
    packer.emplace(empty, fill);
    fresh = true;
    return {};
  };
  if (Outcome<> started = startSet(); !started) return started;
  for (const int index : order) {
    Result<QRect> placed = packer->Place(tiles[size_t(index)]);
    if (!placed && !fresh) {
      // This set is full: the tile opens the next one.
      if (Outcome<> started = startSet(); !started) return started;
      placed = packer->Place(tiles[size_t(index)]);
    }
    if (!placed) return placed.Status();
    fresh = false;
    out.Spots[size_t(index)] = {int(out.Sheets.size()), placed->topLeft()};
  }
  out.Sheets.push_back(packer->Set());
  return out;
}

}  // namespace mosaicor
