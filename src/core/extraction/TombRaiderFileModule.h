#pragma once
// The level module's operations: all texture pages of a level, or its animated textures, as one
// 32-bit picture. Each call reads the level with its own reader, shows the loading window while
// it reads, and sounds the falling beep when it fails (but for the reader's own failures, which
// come as errors). Every failure comes back as the call's outcome, whose text the window shows
// in a message box and the companion prints. The window,
// gauge, event processing and tone player come from the host, so the desktop program and the
// companion share this code.

#include "core/extraction/LevelLoadHost.h"
#include "core/extraction/LevelTiles.h"
#include "core/graphics/PixelFormat.h"
#include "core/level/LevelReader.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QRect>

#include <vector>

#include <cstdint>

namespace mosaicor {

// A tile of a level on the sheet its tiles make: where it lies, and where it comes from.
struct SheetTile {
  QRect Rect;                     // on the sheet
  std::vector<TilePlace> Places;  // in the level, the first one first
};

// What an extraction makes of a level: all its texture pages, or its animated textures.
enum class LevelExtract { Pages, Animated };

// Why an extraction failed. The last four are the reader's own failures, which the module reports
// without the failure beep.
enum class LevelLoadFailure {
  None,
  NotALevelFile,  // the extension is none of LevelExtensions()
  FileNotFound,
  UnknownVersion,
  EncryptedLevel,  // "TR4c": an encrypted TR4 level
  EndsEarly,       // the file stops before the data the extraction needs
  PagesMissing,    // TR4/TR5: the 32-bit pages are fewer than the level counts
  NoTexturePages,
  NoAnimatedTextures,
  NoObjectTextures,
  Unreadable,      // the file exists but cannot be read
  BeyondLimits,    // the file claims more than any real level holds
  Damaged,         // damaged compressed data
  InflatesTooFar,  // compressed data that unpacks beyond any real level
};

using ExtractionOutcome = Outcome<LevelLoadFailure>;

// The companion's text for a failure ("file not found", "no animated textures", ...); the reader's
// own failures have their text in the reader's outcome.
QString LevelLoadFailureText(LevelLoadFailure failure);

// The extraction's failure for a level that did not load, with the reader's text.
ExtractionOutcome ExtractionFailure(const LevelOutcome& loaded);

// The extensions of level files, upper case without the dot: the one list the companion, the
// drops and the open dialog go by. .TRG is the second TR2 form, which the reader tells by name.
const QStringList& LevelExtensions();
// True for those extensions, in any letter case.
bool HasLevelExtension(const QString& fileName);

class TombRaiderFileModule {
 public:
  explicit TombRaiderFileModule(ILevelLoadHost& host) : host_(host) {}

  // Pages: all texture pages one below the other, 256 wide, as Format_ARGB32; an object library
  // (.wad, ObjectLibraryExtensions()) gives its pages too, as 24 bits, and has no animated textures. Animated: the
  // animated textures range by range in 64 x 64 slots. With maskTransparency the pixels the
  // level declares transparent are magenta. On success image and sourcePixelFormat (8, 15 or 32
  // bits) are set; on failure both keep what they held, and the failure's text is the companion's
  // line for it (with the place where the reading stopped for a file that ends early). Only
  // exhausted memory raises (std::bad_alloc).
  ExtractionOutcome Load(LevelExtract what, QImage& image, const QString& fileName, PixelFormatCode& sourcePixelFormat,
                         bool maskTransparency);

  // Reads the level with its tables and adds its object textures to `tiles` as `levelName`, cut
  // from its pages in the transparency asked for. Fails as Load does, and for a level without
  // object textures; `tiles` then stays as it was.
  ExtractionOutcome LoadTiles(LevelTileSet& tiles, const QString& fileName, const QString& levelName,
                              bool maskTransparency, GameVersion* gameVersion = nullptr);
  // The level's tiles laid out as the companion's tiles --sheet lays them out (256 wide, black,
  // largest first, a further set below the first where 64 pages are not enough), and where each
  // tile went. On failure image, sheet and sourcePixelFormat keep what they held.
  ExtractionOutcome LoadTileSheet(QImage& image, std::vector<SheetTile>& sheet, const QString& fileName,
                                  PixelFormatCode& sourcePixelFormat, bool maskTransparency);

 private:
  ILevelLoadHost& host_;
};

}  // namespace mosaicor
