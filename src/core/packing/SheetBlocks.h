#pragma once
// The tiles that `tiles --sheet` laid out on a texture set, read back from its tiles.json: each
// tile sits at the top-left of whole cells, and one that spans several cells is one texture, which
// compaction must move as one block.

#include "core/common/Outcome.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <vector>

namespace mosaicor {

// The blocks (in cells: column, row, columns, rows) of the tiles that tiles.json puts on the sheet
// named `setFileName` and that cover more than one cell. When no tile names that sheet and the
// description lists one sheet only, its tiles are taken: a builder may have renamed the set.
Result<std::vector<QRect>> SheetBlocks(const QByteArray& tilesJson, const QString& setFileName);

}  // namespace mosaicor
