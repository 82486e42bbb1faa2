#pragma once
// The companion's command line, parsed once into plain values. Parsing knows which options
// each command takes; anything else is a usage error (exit status 2).

#include "core/graphics/AlphaKeying.h"
#include "core/packing/CellGroups.h"
#include "core/resampling/CutSizing.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace mosaicor {

enum class CliCommand { None, Pages, Animated, Convert, Resize, Info, Pack, Tiles, Compact, Remap, Retexture, Help, Version };

struct CliOptions {
  CliCommand command = CliCommand::None;
  QStringList inputs;
  QString output;           // -o OUT
  bool maskTransparency = false;  // --transparency auto
  bool alpha = false;       // --alpha
  QString format;           // --format tga|bmp|jpg|jpeg|png, lower case; empty when not given
  int width = 0, height = 0;  // --size WxH
  bool scrollTile = false;  // --scroll-tile
  bool quiet = false;       // --quiet
  bool verbose = false;     // --verbose
  bool split = false;       // pages --split: one file per page
  bool misc = false;        // pages --misc: the TR4/TR5 font and sky pages too
  bool brief = false;       // info --brief: one line per file
  bool census = false;      // info --census: the tile census of a texture set
  CensusMode censusMode;    // info --census and compact: --symmetric, --tolerance N
  QString map;              // compact --map MAP.csv; remap --map MAP.csv
  QString tilesJson;        // compact --tiles DIR/tiles.json
  QString project;          // compact --project PRJ
  QString projectOut;       // compact --project-out NEWPRJ
  int setWidth = 0;         // pack --width 256|512; 0 when not given
  QString into;             // pack --into SET
  bool all = false;         // tiles --all: one file per object texture
  QString sheet;            // tiles --sheet SET
  QString pagesSet;         // retexture --pages SET
  CutSizeMode packSize = CutSizeMode::Fixed64;  // pack --size
  bool keyAlpha = false;    // --alpha-to-magenta [THRESHOLD]
  AlphaKeying keying;       // its threshold, and --clean-fringe
};

// Parses argv (without the program name). On a usage error returns nothing and sets error.
// Errors about OUT are usage errors too, found here before any input is read: an extension that
// names no format the companion writes, a missing extension, "-o -", a folder with one input, a
// file with several, --format with one input. `pack` writes one file whatever the inputs.
std::optional<CliOptions> ParseCommandLine(const QStringList& args, QString& error);

// True for a path that ends in a separator ("out/", and "out\\" on Windows): a folder's name.
bool NamesAFolder(const QString& path);

// True for the extensions a texture set is written in (the core's writers: tga, bmp, jpg, jpeg, png), any letter
// case, no dot.
bool IsOutputExtension(const QString& extension);

QString UsageText();

}  // namespace mosaicor
