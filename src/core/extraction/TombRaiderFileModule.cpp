#include "extraction/TombRaiderFileModule.h"

#include "extraction/AnimatedLayout.h"
#include "extraction/LevelPages.h"
#include "extraction/MakeBeep.h"
#include "level/LevelErrorText.h"
#include "level/LevelReader.h"
#include "level/ProgressIndicator.h"

#include <QFileInfo>

#include <new>

namespace {

// Hides the loading window and lets the events it leaves behind run, however the call ends.
class LoadingWindowShown {
 public:
  explicit LoadingWindowShown(ILevelLoadHost& host) : host_(host) { host_.ShowLoadingWindow(); }
  ~LoadingWindowShown() {
    host_.HideLoadingWindow();
    host_.ProcessPendingEvents();
  }
  LoadingWindowShown(const LoadingWindowShown&) = delete;
  LoadingWindowShown& operator=(const LoadingWindowShown&) = delete;

 private:
  ILevelLoadHost& host_;
};

void SetGauge(ProgressIndicator* gauge, int percent) {
  if (gauge) gauge->SetProgress(percent);
}

bool HasAnimatedRanges(const LevelReader& level) {
  return !level.AnimatedTextures.empty() && level.AnimatedTextures[0] != 0;
}

// Reads the level and makes the picture; the reader's errors pass through.
LevelLoadFailure Extract(LevelReader& level, ProgressIndicator* gauge, const QString& fileName, bool animated,
                         bool maskTransparency, QImage& picture) {
  level.ProgressGauge = gauge;
  const LevelLoadFailure loadFailure = LoadResultFailure(level.LoadFromFile(fileName, !animated));
  if (loadFailure != LevelLoadFailure::None) return loadFailure;
  // A level cut short before what the extraction needs is reported rather than shown half right
  // (a TR1 level cut before its palette would come out black); one that only lost sections
  // after them, its sounds say, still gives its textures.
  if (!level.PagesComplete || (animated && !level.TablesComplete)) return LevelLoadFailure::EndsEarly;
  if (level.PagesShortened) return LevelLoadFailure::PagesMissing;
  if (animated && !HasAnimatedRanges(level)) return LevelLoadFailure::NoAnimatedTextures;
  if (level.TextileCount <= 0) return LevelLoadFailure::NoTexturePages;

  SetGauge(gauge, 0);
  if (!animated) {
    picture = TakeLevelPagesAs32Bits(level, maskTransparency);
    if (picture.isNull()) throw std::bad_alloc();
    SetGauge(gauge, 100);
    return LevelLoadFailure::None;
  }
  const std::vector<AnimSlot> animSlots =
      LayoutAnimSlots(level.AnimatedTextures, level.ObjectTextures, level.TextileCount);
  if (animSlots.empty()) return LevelLoadFailure::NoAnimatedTextures;
  // The slots read from the level's own pages: the whole 32-bit page picture is never made.
  picture = DrawAnimSlots(PageRowConverter(level, maskTransparency), animSlots);
  if (picture.isNull()) throw std::bad_alloc();
  SetGauge(gauge, 100);
  return LevelLoadFailure::None;
}

}  // namespace

QString LevelLoadFailureText(LevelLoadFailure failure) {
  switch (failure) {
    case LevelLoadFailure::None:
      return {};
    case LevelLoadFailure::NotALevelFile:
      return QStringLiteral("not a level file");
    case LevelLoadFailure::FileNotFound:
      return QStringLiteral("file not found");
    case LevelLoadFailure::UnknownVersion:
      return QStringLiteral("unknown level version");
    case LevelLoadFailure::EncryptedLevel:
      return QStringLiteral("encrypted TR4 level: not supported");
    case LevelLoadFailure::EndsEarly:
      return QStringLiteral("level file ends early");
    case LevelLoadFailure::PagesMissing:
      return QStringLiteral("32-bit texture pages are missing");
    case LevelLoadFailure::NoTexturePages:
      return QStringLiteral("no texture pages");
    case LevelLoadFailure::NoAnimatedTextures:
      return QStringLiteral("no animated textures");
  }
  return {};
}

LevelLoadFailure LoadResultFailure(LevelReader::LoadResult loadResult) {
  switch (loadResult) {
    case LevelReader::LoadFileMissing:
      return LevelLoadFailure::FileNotFound;
    case LevelReader::LoadUnknownVersion:
      return LevelLoadFailure::UnknownVersion;
    case LevelReader::LoadEncrypted:
      return LevelLoadFailure::EncryptedLevel;
    case LevelReader::LoadOk:
      break;
  }
  return LevelLoadFailure::None;
}

const QStringList& LevelExtensions() {
  static const QStringList extensions = {QStringLiteral("PHD"), QStringLiteral("TUB"), QStringLiteral("TR2"),
                                         QStringLiteral("TRG"), QStringLiteral("TR4"), QStringLiteral("TRC")};
  return extensions;
}

bool HasLevelExtension(const QString& fileName) {
  return LevelExtensions().contains(QFileInfo(fileName).suffix().toUpper());
}

QString TombRaiderFileModule::LastFailureText() const {
  if (lastFailure_ == LevelLoadFailure::EndsEarly) return lastEndPlace_;
  return LevelLoadFailureText(lastFailure_);
}

bool TombRaiderFileModule::LoadLevelAs32BitsFile(QImage& image, const QString& fileName,
                                                 PixelFormatCode& sourcePixelFormat, bool maskTransparency) {
  return Load(Extraction::Pages, image, fileName, sourcePixelFormat, maskTransparency);
}

bool TombRaiderFileModule::LoadAnimAs32BitsFile(QImage& image, const QString& fileName,
                                                PixelFormatCode& sourcePixelFormat, bool maskTransparency) {
  return Load(Extraction::AnimatedTextures, image, fileName, sourcePixelFormat, maskTransparency);
}

bool TombRaiderFileModule::Load(Extraction extraction, QImage& image, const QString& fileName,
                                PixelFormatCode& sourcePixelFormat, bool maskTransparency) {
  lastFailure_ = LevelLoadFailure::NotALevelFile;
  lastEndPlace_.clear();
  if (HasLevelExtension(fileName)) {
    QImage picture;
    GameVersion gameVersion = GameVersion::Unknown;
    {
      // Destroyed in reverse order: the window is hidden before the reader lets go of the level.
      LevelReader level;
      const LoadingWindowShown window(host_);
      lastFailure_ = Extract(level, host_.LoadingProgress(), fileName, extraction == Extraction::AnimatedTextures,
                             maskTransparency, picture);
      gameVersion = level.GameVersion;
      if (lastFailure_ == LevelLoadFailure::EndsEarly) lastEndPlace_ = LevelEndsEarlyText(level.Place);
    }
    if (lastFailure_ == LevelLoadFailure::None) {
      image = std::move(picture);
      sourcePixelFormat = LevelPagePixelFormat(gameVersion);
      return true;
    }
  }
  FallingBeep(host_.Tones());
  return false;
}
