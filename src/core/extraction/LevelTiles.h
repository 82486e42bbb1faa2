#pragma once
// A level's textures as the level uses them: every object texture cut from its page at the
// bounding box of its corners, and identical cuts kept once, each with every place it comes from
// (level, page, rectangle, the object textures there, their attribute, whether one is a triangle
// or animated). Several levels go into one set, so a texture two levels share is one tile.

#include "core/level/GameVersion.h"
#include "core/level/ObjectTexture.h"

#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace mosaicor {

class LevelReader;

// Where an object texture lies on its page.
struct ObjectTextureCut {
  int Page = 0;
  QRect Rect;  // pixels within the page
  bool Triangle = false;
};

// How a level's corners name pixels. A corner is two 8.8 fixed-point values, a pixel byte above a
// fraction byte. The classic compilers write only the fractions 0, 1 and 255, the pixel byte being
// the last pixel the corner covers (Inclusive). Today's editors write true fixed point: the far
// edge as the next pixel (64.0) or sub-pixel centres such as 63.5 (FixedPoint).
enum class CornerRule { Inclusive, FixedPoint };

// The rule of a level: Inclusive when every fraction byte is 0, 1 or 255 and at least one is 1 or
// 255, FixedPoint otherwise.
CornerRule CornerRuleOf(const std::vector<ObjectTexture>& textures);

// The cut of one object texture: the rectangle its three (triangle) or four (quad) corners cover.
// Inclusive: the box of the pixel bytes, both ends included. FixedPoint: from the floor of the
// smallest value to the ceiling of the largest, the far edge excluded (at least one pixel). The
// page is Tile without bit 15; TR4 and TR5 mark a triangle with that bit. TR1 to TR3 leave a
// triangle's fourth corner all zero or, in a classic level, with both fraction bytes 0 and stray
// pixel bytes. Nothing when the page is not one of the level's pages.
std::optional<ObjectTextureCut> CutOfObjectTexture(const ObjectTexture& texture, GameVersion gameVersion,
                                                   int textileCount, CornerRule rule = CornerRule::Inclusive);

// For each of `count` object textures: whether a range of the animated-texture list names it.
// Ranges whose words run past the list's end are not read.
std::vector<bool> AnimatedObjectTextures(const std::vector<std::uint16_t>& words, std::size_t count);

// One place a tile comes from.
struct TilePlace {
  QString Level;
  int Page = 0;
  QRect Rect;                       // within the page
  std::vector<int> ObjectTextures;  // indices into the level's list, ascending
  std::uint16_t Attribute = 0;      // the first one's blending attribute
  bool Triangle = false;            // one of them is a triangle
  bool Animated = false;            // one of them is in an animated range
  int ObjectTextureCount() const { return int(ObjectTextures.size()); }
};

struct LevelTile {
  QImage Pixels;  // ARGB32, the page's pixels in the place's rectangle
  std::vector<TilePlace> Places;
};

class LevelTileSet {
 public:
  // Merging: identical tiles (same size and pixels) are one tile with several places. Without it
  // every object texture is a tile of its own (the pixels are still stored once).
  explicit LevelTileSet(bool mergeIdentical = true) : merge_(mergeIdentical) {}

  // Adds the object textures of a level read with its tables; `pages32` is its page picture
  // (LevelPagesAs32Bits, in the transparency wanted). Places are taken in page order, then left to
  // right, then top to bottom, so a tile's first place is its top-left-most one. Returns false,
  // adding nothing, when memory for a tile's pixels runs out.
  bool AddLevel(const QString& levelName, const QImage& pages32, const LevelReader& level);

  const std::vector<LevelTile>& Tiles() const { return tiles_; }
  const QStringList& Levels() const { return levels_; }
  int ObjectTextures() const { return objectTextures_; }
  int Skipped() const { return skipped_; }  // records whose page does not exist

 private:
  // The tile of these pixels already kept, or -1.
  int Find(const QImage& pixels, std::size_t hash) const;

  bool merge_;
  std::vector<LevelTile> tiles_;
  QMultiHash<std::size_t, int> byPixels_;  // tiles_ index by the hash of its pixels
  QStringList levels_;
  int objectTextures_ = 0;
  int skipped_ = 0;
};

// The hash that groups tiles by size and pixels (alpha included).
std::size_t TilePixelsHash(const QImage& pixels);

}  // namespace mosaicor
