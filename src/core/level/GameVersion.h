#pragma once

namespace mosaicor {
// The game generation a level is read as. The numbers are the design's and stand in the
// companion's `info` output (game_version); the level walk compares them by their order, since
// each generation's layout grew from the one before.

enum class GameVersion : int { Unknown = 0, TR1 = 1, TR1Gold = 2, TR2 = 3, TR2Trg = 4, TR3 = 5, TR4 = 6, TR5 = 7 };

// TR1 and TR1 Gold: 8-bit pages only, with the palette after the rooms or the sprites.
constexpr bool IsTr1Generation(GameVersion v) { return int(v) <= 2; }
// TR4 and TR5: pages and level data in compressed chunks, 32-bit pages among them.
constexpr bool HasCompressedChunks(GameVersion v) { return int(v) >= 6; }

}  // namespace mosaicor
