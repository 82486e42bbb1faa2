#pragma once
// Level extraction without windows or sound, for the companion: a host that shows nothing and
// plays nothing, and one call that turns every way an extraction can fail into a line of text.

#include "extraction/LevelLoadHost.h"
#include "extraction/MakeBeep.h"

#include <QImage>
#include <QString>

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

enum class LevelPicture { Pages, AnimatedTextures };

// Makes the picture of one level file. On failure says why ("file not found", "damaged
// compressed data", ...) and leaves picture as it was.
bool ExtractLevelPicture(LevelPicture what, const QString& fileName, bool maskTransparency, QImage& picture,
                         QString& reason);

// The level's font and sky pages (TR4, TR5) as MiscPagesAs32Bits makes them; a null picture for
// a level that has none. False, with the reason, when the level cannot be read.
bool ExtractMiscPages(const QString& fileName, bool maskTransparency, QImage& pages, QString& reason);
