#pragma once
// Level extraction without windows or sound, for the companion: a host that shows nothing and
// plays nothing, and calls whose failures, exhausted memory among them, are lines of text.

#include "core/common/Outcome.h"
#include "core/extraction/LevelLoadHost.h"
#include "core/extraction/MakeBeep.h"
#include "core/extraction/TombRaiderFileModule.h"

#include <QImage>
#include <QString>

namespace mosaicor {

class LevelTileSet;

class SilentLevelLoadHost final : public ILevelLoadHost, private ITonePlayer {
 public:
  void ShowLoadingWindow() override {}
  void HideLoadingWindow() override {}
  ProgressIndicator* LoadingProgress() override { return nullptr; }
  void ProcessPendingEvents() override {}
  ITonePlayer& Tones() override { return *this; }

 private:
  void PlayTone(int, int) override {}
};

// Makes the picture of one level file. On failure its text says why ("file not found", "damaged
// compressed data in ...", "out of memory"): the companion's failure line.
Result<QImage> ExtractLevelPicture(LevelExtract what, const QString& fileName, bool maskTransparency);

// Adds the object textures of one level file to `tiles` as `levelName` (LoadTiles); on failure
// `tiles` keeps what it held and the text says why.
Outcome<> ExtractLevelTiles(LevelTileSet& tiles, const QString& fileName, const QString& levelName,
                            bool maskTransparency);

// The level's font and sky pages (TR4, TR5) as MiscPagesAs32Bits makes them; a null picture for
// a level that has none. Fails, with the reason, when the level cannot be read.
Result<QImage> ExtractMiscPages(const QString& fileName, bool maskTransparency);

}  // namespace mosaicor
