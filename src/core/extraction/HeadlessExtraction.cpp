#include "core/extraction/HeadlessExtraction.h"

#include "core/extraction/LevelPages.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/level/LevelReader.h"

#include <new>

namespace mosaicor {

namespace {

// The companion reports exhausted memory as a line like any other failure.
Failure<> OutOfMemory() { return {QStringLiteral("out of memory")}; }

}  // namespace

Result<QImage> ExtractLevelPicture(LevelExtract what, const QString& fileName, bool maskTransparency) {
  SilentLevelLoadHost host;
  TombRaiderFileModule module(host);
  PixelFormatCode sourcePixelFormat = PixelFormatCode::Device;
  QImage picture;
  try {
    const ExtractionOutcome extracted = module.Load(what, picture, fileName, sourcePixelFormat, maskTransparency);
    if (!extracted) return Failure<>{extracted.Text()};
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
  return picture;
}

Outcome<> ExtractLevelTiles(LevelTileSet& tiles, const QString& fileName, const QString& levelName,
                            bool maskTransparency) {
  SilentLevelLoadHost host;
  TombRaiderFileModule module(host);
  try {
    const ExtractionOutcome extracted = module.LoadTiles(tiles, fileName, levelName, maskTransparency);
    if (!extracted) return Failure<>{extracted.Text()};
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
  return {};
}

Result<QImage> ExtractMiscPages(const QString& fileName, bool maskTransparency) {
  try {
    LevelReader level;
    if (const LevelOutcome loaded = level.LoadFromFile(fileName, true); !loaded) return Failure<>{loaded.Text()};
    QImage pages = MiscPagesAs32Bits(level, maskTransparency);
    if (pages.isNull() && level.MiscTextiles32.size() >= 262144) return OutOfMemory();
    return pages;
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

}  // namespace mosaicor
