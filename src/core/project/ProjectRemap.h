#pragma once
// A project rewritten for a compacted (or otherwise rearranged) set, so that every textured face
// shows exactly the pixels it showed: a face's cell gets its new number, a rectangle inside a cell
// moves and turns with it, and each face's flip, rotation and triangle corner take in the turn of
// its cell. Per-cell settings follow their cells. Only those bytes change.

#include "core/common/Outcome.h"
#include "core/packing/CellTransform.h"
#include "core/packing/Compaction.h"
#include "core/project/LevelProject.h"

#include <QByteArray>
#include <vector>

namespace mosaicor {

// How a face lays its texture entry on itself (see ProjectFace).
struct FaceLay {
  bool flipped = false;
  int rotation = 0;
  int triangle = 0;
  friend bool operator==(const FaceLay&, const FaceLay&) = default;
};

// The lay that shows the entry turned by `transform` as `lay` showed it unturned: the same on a
// four-cornered face and on a triangle. The rotation may then exceed 3: a quad reads it modulo 4,
// a triangle modulo 3.
FaceLay TurnedLay(FaceLay lay, CellTransform transform);

// What compacting a set of `cells` cells must keep for this project: its animated cells and the
// cells under a rectangle across cells stay where they are, cells whose settings differ are not
// merged, every cell a face or texture entry points at is used, and no two magenta cells in a row.
void AddProjectRules(const LevelProject& project, int cells, CompactRules& rules);

// The project's bytes after the cells moved as `moves` says (one line per used old cell, as a move
// map has them). Refuses a map that moves or merges an animated cell, merges cells whose settings
// differ, leaves out a cell the project uses, or names a cell a project cannot have.
Result<QByteArray> RemapProject(const LevelProject& project, const std::vector<CellMove>& moves);

// A compaction's moves of a set of `cells` cells, with the cells beyond the set that the project
// points at staying where they are: a compaction cannot move what the set does not hold.
std::vector<CellMove> WithCellsBeyondTheSet(const LevelProject& project, int cells, std::vector<CellMove> moves);

// A move map read back from its CSV (as MoveMapCsv writes it, or written by hand).
Result<std::vector<CellMove>> ReadMoveMap(const QByteArray& csv);

}  // namespace mosaicor
