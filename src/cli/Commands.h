#pragma once
// One function per companion command; each returns the exit status.

#include "cli/CliOptions.h"
#include "core/common/Outcome.h"
#include "core/graphics/KeyColours.h"

#include <QRgb>
#include <QStringList>

namespace mosaicor {

int RunPages(const CliOptions& options);
int RunAnimated(const CliOptions& options);
int RunConvert(const CliOptions& options);
int RunResize(const CliOptions& options);
int RunInfo(const CliOptions& options);
int RunPack(const CliOptions& options);
int RunTiles(const CliOptions& options);
int RunCompact(const CliOptions& options);
int RunRetexture(const CliOptions& options);
int RunRemap(const CliOptions& options);

// What `info` says of one file: "key: value" lines (after the "file" line), and the same facts
// in one line for --brief (after "<file>: ").
struct FileFacts {
  QStringList lines;
  QString brief;
};

// `info` for one file of each kind: its facts, or why it cannot say them.
Result<FileFacts> DescribeLevel(const QString& path);
Result<FileFacts> DescribeObjectLibrary(const QString& path);
// With `census`, a picture's facts end with its tile census as a texture set in `mode`: cells,
// used, unique, empty, and one "group:" line of cell numbers per group of two or more, a member
// that is turned or mirrored written with what turns it into the first ("12:rot90").
Result<FileFacts> DescribePicture(const QString& path, bool census = false, CensusMode mode = {});

// The texture set the companion reads from a picture: as the Target would hold it (cut to
// 512 x 16384, whole pages), black, the Target's colour from start-up, being the colour of an
// empty cell.
inline constexpr QRgb kCliSetFill = kNewSetBlack;

}  // namespace mosaicor
