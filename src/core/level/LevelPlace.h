#pragma once
// Where the level walk is: the section it reads and the byte that section begins at, so that a
// file that ends early or holds damaged data is reported by its place, not just by its kind.

#include <QString>
#include <QtGlobal>

namespace mosaicor {

struct LevelPlace {
  const char* Section = nullptr;  // "object textures"; none before the walk starts
  int Room = -1;                  // for the rooms: which one, counted from 0
  qint64 Offset = -1;             // the section's first byte
  bool InLevelData = false;       // TR4: Offset counts in the inflated level-data chunk, not in the file
};

// "the object textures at offset 1234 (0x4D2)", "room 3 at offset ... of the inflated level data";
// empty for a place that names no section.
QString LevelPlaceText(const LevelPlace& place);

}  // namespace mosaicor
