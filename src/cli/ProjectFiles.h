#pragma once
// The level editor's project as compact and remap read and write it.

#include "core/common/Outcome.h"
#include "core/packing/Compaction.h"
#include "core/project/LevelProject.h"

#include <QString>
#include <vector>

namespace mosaicor {

// A move map names each used cell once: a few bytes a cell.
inline constexpr qint64 kMostMoveMapBytes = qint64(16) << 20;

Result<LevelProject> ReadProjectFile(const QString& fileName);

// The project's bytes after the moves, read back and checked to be the same project before they
// may replace anything.
Result<QByteArray> RemappedProject(const LevelProject& project, const std::vector<CellMove>& moves);

}  // namespace mosaicor
