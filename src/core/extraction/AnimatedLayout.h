#pragma once
// The animated textures of a level laid out range by range: each texture named by a range is
// cut from the page picture and stretched into a 64 x 64 slot, four slots a row, every range
// starting on a new row, on a magenta background.

#include "core/extraction/LevelPages.h"
#include "core/level/ObjectTexture.h"
#include "core/packing/SetGeometry.h"

#include <QImage>
#include <QRect>

#include <cstdint>
#include <vector>

namespace mosaicor {

inline constexpr int kAnimSlotSide = kSetCellSide;  // a slot is one tile of a set
inline constexpr int kAnimSlotsPerRow = 4;
// A damaged list could name millions of textures; no real level comes near this many
// (the picture it makes is 256 x 65536).
inline constexpr int kMaxAnimSlots = 4096;

struct AnimSlot {
  int Slot = 0;           // n: its top-left corner is (64 * (n % 4), 64 * (n / 4))
  int ObjectTexture = 0;  // the index the range names
  QRect Source;           // inclusive rectangle in the page picture; null when there is none
  bool operator==(const AnimSlot&) const = default;
};

// The rectangle of one object texture in the page picture, from vertices 0, 1 and 2 (quads and
// triangles alike). The page is Tile with bit 15 cleared: TR4 and TR5 use that bit for the
// triangle flag. Null when the page is not one of the level's pages.
QRect ObjectTextureRect(const ObjectTexture& texture, int textileCount);

// The slots of every whole range of the list, in order. A range whose words run past the end of
// the list ends the layout, and so does one that would pass kMaxAnimSlots. An index that names
// no object texture still takes its slot, with a null Source.
std::vector<AnimSlot> LayoutAnimSlots(const std::vector<std::uint16_t>& words,
                                      const std::vector<ObjectTexture>& textures, int textileCount);

// The 256-wide picture of the slots: background magenta with alpha 0, each filled slot the
// nearest-neighbour stretch of its rectangle, alpha included; as high as the last slot's row.
// Null when there are no slots or the picture does not fit in memory.
QImage DrawAnimSlots(const QImage& pages32, const std::vector<AnimSlot>& animSlots);
// The same from the level's own page data, converting only the rows the slots read: the result
// of drawing from LevelPagesAs32Bits(level, maskTransparency) without making that picture.
QImage DrawAnimSlots(const PageRowConverter& pages, const std::vector<AnimSlot>& animSlots);

}  // namespace mosaicor
