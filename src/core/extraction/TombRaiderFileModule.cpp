#include "core/extraction/TombRaiderFileModule.h"

#include "core/extraction/AnimatedLayout.h"
#include "core/extraction/LevelPages.h"
#include "core/extraction/LevelTiles.h"
#include "core/extraction/MakeBeep.h"
#include "core/graphics/RectCopy.h"
#include "core/level/LevelErrorText.h"
#include "core/level/LevelReader.h"
#include "core/level/ObjectLibrary.h"
#include "core/level/ProgressIndicator.h"
#include "core/packing/SetGeometry.h"
#include "core/packing/TileSheets.h"

#include <QFileInfo>

#include <iterator>
#include <new>

namespace mosaicor {

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

Failure<LevelLoadFailure> Failed(LevelLoadFailure failure) { return {LevelLoadFailureText(failure), failure}; }

// Reads the level and checks that it holds what the extraction needs: its pages, and with
// `tables` its object textures and animated-texture list.
ExtractionOutcome ReadLevel(LevelReader& level, ProgressIndicator* gauge, const QString& fileName, bool tables) {
  level.ProgressGauge = gauge;
  if (const LevelOutcome loaded = level.LoadFromFile(fileName, !tables); !loaded) return ExtractionFailure(loaded);
  // A level cut short before what the extraction needs is reported rather than shown half right
  // (a TR1 level cut before its palette would come out black); one that only lost sections
  // after them, its sounds say, still gives its textures.
  if (!level.PagesComplete || (tables && !level.TablesComplete))
    return Failure<LevelLoadFailure>{LevelEndsEarlyText(level.Place), LevelLoadFailure::EndsEarly};
  if (level.PagesShortened) return Failed(LevelLoadFailure::PagesMissing);
  return {};
}

// Reads the level and makes the picture.
ExtractionOutcome Extract(LevelReader& level, ProgressIndicator* gauge, const QString& fileName, LevelExtract what,
                          bool maskTransparency, QImage& picture) {
  const bool animated = what == LevelExtract::Animated;
  if (ExtractionOutcome read = ReadLevel(level, gauge, fileName, animated); !read) return read;
  if (animated && !HasAnimatedRanges(level)) return Failed(LevelLoadFailure::NoAnimatedTextures);
  if (level.TextileCount <= 0) return Failed(LevelLoadFailure::NoTexturePages);

  SetGauge(gauge, 0);
  if (!animated) {
    picture = TakeLevelPagesAs32Bits(level, maskTransparency);
    if (picture.isNull()) throw std::bad_alloc();
    SetGauge(gauge, 100);
    return {};
  }
  const std::vector<AnimSlot> animSlots =
      LayoutAnimSlots(level.AnimatedTextures, level.ObjectTextures, level.TextileCount);
  if (animSlots.empty()) return Failed(LevelLoadFailure::NoAnimatedTextures);
  // The slots read from the level's own pages: the whole 32-bit page picture is never made.
  picture = DrawAnimSlots(PageRowConverter(level, maskTransparency), animSlots);
  if (picture.isNull()) throw std::bad_alloc();
  SetGauge(gauge, 100);
  return {};
}

// Reads an object library and makes the picture of its pages, the only textures it has.
ExtractionOutcome ExtractLibrary(ProgressIndicator* gauge, const QString& fileName, LevelExtract what,
                                 QImage& picture) {
  const LevelResult<ObjectLibrary> library = LoadObjectLibrary(fileName);
  if (!library) return ExtractionFailure(library.Status());
  if (what == LevelExtract::Animated) return Failed(LevelLoadFailure::NoAnimatedTextures);
  if (library->Layout.PageCount <= 0) return Failed(LevelLoadFailure::NoTexturePages);
  SetGauge(gauge, 0);
  picture = ObjectLibraryPages(library.Value());
  if (picture.isNull()) throw std::bad_alloc();
  SetGauge(gauge, 100);
  return {};
}

// Reads the level and adds its object textures to `tiles`.
ExtractionOutcome ExtractTiles(LevelReader& level, ProgressIndicator* gauge, const QString& fileName,
                               const QString& levelName, bool maskTransparency, LevelTileSet& tiles) {
  if (ExtractionOutcome read = ReadLevel(level, gauge, fileName, true); !read) return read;
  if (level.TextileCount <= 0) return Failed(LevelLoadFailure::NoTexturePages);
  if (level.ObjectTextures.empty()) return Failed(LevelLoadFailure::NoObjectTextures);
  SetGauge(gauge, 0);
  // Only the page picture is needed from here on: TR4's and TR5's other page sets go before it
  // is made.
  if (HasCompressedChunks(level.GameVersion)) {
    level.Textiles16 = QByteArray();
    level.MiscTextiles32 = QByteArray();
  }
  level.LevelData = QByteArray();
  level.SoundData = QByteArray();
  const QImage pages = TakeLevelPagesAs32Bits(level, maskTransparency);
  if (pages.isNull() || !tiles.AddLevel(levelName, pages, level)) throw std::bad_alloc();
  SetGauge(gauge, 100);
  return {};
}

// Every failure sounds the falling beep but the reader's own, which come as errors.
bool SoundsFallingBeep(LevelLoadFailure failure) {
  return failure != LevelLoadFailure::Unreadable && failure != LevelLoadFailure::BeyondLimits &&
         failure != LevelLoadFailure::Damaged && failure != LevelLoadFailure::InflatesTooFar;
}

// The extraction's kind for each of the reader's; a kind the reader gains is a compile warning here.
LevelLoadFailure ExtractionKind(LevelFailure kind) {
  switch (kind) {
    case LevelFailure::None:
      return LevelLoadFailure::None;
    case LevelFailure::FileMissing:
      return LevelLoadFailure::FileNotFound;
    case LevelFailure::UnknownVersion:
      return LevelLoadFailure::UnknownVersion;
    case LevelFailure::Encrypted:
      return LevelLoadFailure::EncryptedLevel;
    case LevelFailure::Unreadable:
      return LevelLoadFailure::Unreadable;
    case LevelFailure::BeyondLimits:
      return LevelLoadFailure::BeyondLimits;
    case LevelFailure::Damaged:
      return LevelLoadFailure::Damaged;
    case LevelFailure::InflatesTooFar:
      return LevelLoadFailure::InflatesTooFar;
  }
  return LevelLoadFailure::Damaged;
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
    case LevelLoadFailure::NoObjectTextures:
      return QStringLiteral("no object textures");
    case LevelLoadFailure::Unreadable:
    case LevelLoadFailure::BeyondLimits:
    case LevelLoadFailure::Damaged:
    case LevelLoadFailure::InflatesTooFar:
      break;
  }
  return {};
}

ExtractionOutcome ExtractionFailure(const LevelOutcome& loaded) {
  return Failure<LevelLoadFailure>{loaded.Text(), ExtractionKind(loaded.FailureKind())};
}

const QStringList& LevelExtensions() {
  static const QStringList extensions = {QStringLiteral("PHD"), QStringLiteral("TUB"), QStringLiteral("TR2"),
                                         QStringLiteral("TRG"), QStringLiteral("TR4"), QStringLiteral("TRC")};
  return extensions;
}

bool HasLevelExtension(const QString& fileName) {
  return LevelExtensions().contains(QFileInfo(fileName).suffix().toUpper());
}

ExtractionOutcome TombRaiderFileModule::LoadTiles(LevelTileSet& tiles, const QString& fileName,
                                                  const QString& levelName, bool maskTransparency,
                                                  GameVersion* gameVersion) {
  ExtractionOutcome outcome = Failed(LevelLoadFailure::NotALevelFile);
  if (HasLevelExtension(fileName)) {
    LevelReader level;
    const LoadingWindowShown window(host_);
    outcome = ExtractTiles(level, host_.LoadingProgress(), fileName, levelName, maskTransparency, tiles);
    if (gameVersion) *gameVersion = level.GameVersion;
  }
  if (!outcome && SoundsFallingBeep(outcome.FailureKind())) FallingBeep(host_.Tones());
  return outcome;
}

ExtractionOutcome TombRaiderFileModule::LoadTileSheet(QImage& image, std::vector<SheetTile>& sheet,
                                                      const QString& fileName, PixelFormatCode& sourcePixelFormat,
                                                      bool maskTransparency) {
  LevelTileSet tiles;
  GameVersion gameVersion = GameVersion::Unknown;
  ExtractionOutcome outcome =
      LoadTiles(tiles, fileName, QFileInfo(fileName).fileName(), maskTransparency, &gameVersion);
  if (!outcome) return outcome;
  std::vector<QImage> pixels;
  for (const LevelTile& tile : tiles.Tiles()) pixels.push_back(tile.Pixels);
  const Result<TileSheets> packed = PackTileSheets(pixels, kSetPageSide, kTileSheetFill);
  if (!packed) return Failure<LevelLoadFailure>{packed.Text(), LevelLoadFailure::NoTexturePages};
  // The sets one below the other, so that the Source shows every tile.
  int height = 0;
  std::vector<int> tops;
  for (const QImage& set : packed->Sheets) {
    tops.push_back(height);
    height += set.height();
  }
  QImage picture(kSetPageSide, height, QImage::Format_ARGB32);
  if (picture.isNull()) throw std::bad_alloc();
  for (size_t k = 0; k < packed->Sheets.size(); ++k)
    CopyRect(picture, QPoint(0, tops[k]), packed->Sheets[k], packed->Sheets[k].rect());
  std::vector<SheetTile> laid;
  for (size_t i = 0; i < tiles.Tiles().size(); ++i) {
    const SheetSpot& spot = packed->Spots[i];
    laid.push_back({QRect(spot.At + QPoint(0, tops[size_t(spot.Sheet)]), pixels[i].size()), tiles.Tiles()[i].Places});
  }
  image = std::move(picture);
  sheet = std::move(laid);
  sourcePixelFormat = LevelPagePixelFormat(gameVersion);
  return outcome;
}

ExtractionOutcome TombRaiderFileModule::Load(LevelExtract what, QImage& image, const QString& fileName,
                                             PixelFormatCode& sourcePixelFormat, bool maskTransparency) {
  ExtractionOutcome outcome = Failed(LevelLoadFailure::NotALevelFile);
  if (HasObjectLibraryExtension(fileName)) {
    QImage picture;
    {
      const LoadingWindowShown window(host_);
      outcome = ExtractLibrary(host_.LoadingProgress(), fileName, what, picture);
    }
    if (outcome) {
      image = std::move(picture);
      sourcePixelFormat = PixelFormatCode::TwentyFourBits;
      return outcome;
    }
  } else if (HasLevelExtension(fileName)) {
    QImage picture;
    GameVersion gameVersion = GameVersion::Unknown;
    {
      // Destroyed in reverse order: the window is hidden before the reader lets go of the level.
      LevelReader level;
      const LoadingWindowShown window(host_);
      outcome = Extract(level, host_.LoadingProgress(), fileName, what, maskTransparency, picture);
      gameVersion = level.GameVersion;
    }
    if (outcome) {
      image = std::move(picture);
      sourcePixelFormat = LevelPagePixelFormat(gameVersion);
      return outcome;
    }
  }
  if (SoundsFallingBeep(outcome.FailureKind())) FallingBeep(host_.Tones());
  return outcome;
}

}  // namespace mosaicor
