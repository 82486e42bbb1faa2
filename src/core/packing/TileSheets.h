#pragma once
// Tiles of any size laid out in texture sets, each at its own size at the top-left of whole
// 64 x 64 cells, largest first, by the packer. When one set's 64 pages are full the next set
// begins, so any number of tiles finds room.

#include "core/common/Outcome.h"
#include "core/graphics/KeyColours.h"

#include <QImage>
#include <QPoint>
#include <QRgb>

#include <vector>

namespace mosaicor {

// A sheet starts black, as a new texture set does.
inline constexpr QRgb kTileSheetFill = kNewSetBlack;

struct SheetSpot {
  int Sheet = 0;  // which set
  QPoint At;      // the tile's top-left pixel there
};

struct TileSheets {
  std::vector<QImage> Sheets;    // each `width` wide and whole pages high, ARGB32
  std::vector<SheetSpot> Spots;  // one per tile, in the order the tiles were given
};

// Largest first: the tile that takes more cells, then the one with more pixels; tiles alike keep
// their order. Fails when a tile is wider than the set or memory runs out.
Result<TileSheets> PackTileSheets(const std::vector<QImage>& tiles, int width, QRgb fill);

}  // namespace mosaicor
