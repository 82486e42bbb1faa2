#pragma once
// Packs pictures into a texture set as tiles: each picture is resized as the size selector would
// resize a cut of it, masked by the picker when asked, and put into the next free 64 x 64 cells,
// left to right and top to bottom. A free cell is one whose pixels all have the set's fill colour.
// The set grows by whole pages as needed, up to 64 pages.

#include <QImage>
#include <QRect>
#include <QRgb>
#include <optional>
#include <vector>

#include "core/common/Outcome.h"
#include "core/graphics/AlphaKeying.h"
#include "core/packing/SetGeometry.h"
#include "core/resampling/CutSizing.h"

namespace mosaicor {

// How each picture becomes a tile.
struct PackStyle {
  CutSizeMode size = CutSizeMode::Fixed64;
  bool maskPicked = false;         // the picker mask is on
  QRgb picked = 0xFFFFFFFFu;       // the picked colour
  QRgb transparent = kOpaqueMagentaKey;  // what the picked colour becomes
  // The set's width: a tile the size mode would make wider (Multi Tile and Auto Size keep a photo
  // near its own size) is made smaller, keeping its proportions, so that it fits. 0: no limit.
  int fitWidth = 0;
  // Alpha keyed to magenta after the resize, when the picture has anything to key.
  std::optional<AlphaKeying> keying;
};

// The size a `picture`-sized picture's tile takes under `style`: the size mode's, shrunk with its
// proportions kept to at most fitWidth wide and 64 pages high (Auto Size still on whole cells).
QSize PackTileSize(QSize picture, const PackStyle& style);

// The tile a picture makes, or why it makes none.
Result<QImage> MakePackTile(const QImage& picture, const PackStyle& style);

class TilePacker {
 public:
  // `set` is 256 or 512 pixels wide and whole pages high (AsTextureSet makes any picture so); it
  // is kept as ARGB32.
  TilePacker(const QImage& set, QRgb fill);

  // Puts the tile into the first cells that are all free and hold it, and says where (set
  // pixels). Fails, changing nothing, when the tile is wider than the set or no room is left
  // within 64 pages.
  Result<QRect> Place(const QImage& tile);

  const QImage& Set() const { return set_; }
  int HeightPages() const { return set_.height() / kSetPageSide; }

 private:
  bool Free(int column, int row) const;
  bool RunFree(int column, int row, int columns, int rows) const;
  Outcome<> GrowTo(int rows);

  QImage set_;
  QRgb fill_;
  int columns_ = 0;
  int rows_ = 0;
  std::vector<bool> taken_;  // per cell of the set as it is, row by row
  int firstFree_ = 0;        // no free cell comes before this one
};

}  // namespace mosaicor
