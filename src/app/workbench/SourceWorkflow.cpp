#include "app/workbench/SourceWorkflow.h"

#include "app/workbench/Chooser.h"
#include "app/workbench/Operations.h"
#include "core/canvas/ImageStack.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/imagefiles/SourceFile.h"
#include "core/packing/SetGeometry.h"

#include <QCoreApplication>
#include <algorithm>

namespace mosaicor {

SourceWorkflow::SourceWorkflow(const Parts& parts)
    : operations_(parts.operations),
      dialogs_(parts.dialogs),
      pictures_(parts.pictures),
      levels_(parts.levels),
      doc_(parts.doc),
      view_(parts.view),
      source_(parts.source) {}

bool SourceWorkflow::MaskTransparency() const { return view_.Transparency == TransparencyMode::Magenta; }

void SourceWorkflow::OpenSource(SourceAction action) {
  const Operations::Operation operation(operations_);
  bool loaded = false;
  switch (action) {
    case SourceAction::None:
      SourceRepeat();
      break;
    case SourceAction::ImageFile:
      loaded = LoadWithDialog(action, doc_.ImageFile);
      break;
    case SourceAction::LevelTextures:
    case SourceAction::LevelAnimated:
    case SourceAction::LevelTiles:
      loaded = LoadWithDialog(action, doc_.LevelFile);
      break;
  }
  // Only a load that succeeded becomes the action that item 0 and the transparency buttons
  // repeat; a cancelled dialog must not make them reload over the shown picture.
  if (loaded) doc_.LastSourceAction = action;
  RebuildAlpha();
}

void SourceWorkflow::RebuildAlpha() {
  const QSize size = source_.Layers().L1_Image().PictureSize();
  source_.Layers().L2_Alpha().Fill(QRect(QPoint(0, 0), size), 0xFF000000u);
  source_.Layers().ExtractAlpha();
}

namespace {

SourceRead ReadOf(SourceAction action) {
  switch (action) {
    case SourceAction::ImageFile:
      return SourceRead::Picture;
    case SourceAction::LevelTextures:
      return SourceRead::LevelPages;
    case SourceAction::LevelAnimated:
      return SourceRead::LevelAnimated;
    case SourceAction::LevelTiles:
      return SourceRead::LevelTiles;
    case SourceAction::None:
      break;
  }
  return SourceRead::ByKind;
}

}  // namespace

bool SourceWorkflow::LoadFile(SourceRead read, const QString& fileName, PixelFormatCode& format, QImage& picture) {
  // An animated GIF is laid out frame by frame; a GIF of one frame is read as any picture.
  const bool pictureRead = read == SourceRead::Picture || read == SourceRead::ByKind;
  if (pictureRead && ImageFileModule::UpperExtension(fileName) == QLatin1String(".GIF")) {
    const FramesLoad frames = LoadFrames(fileName, format, picture);
    if (frames != FramesLoad::OnePicture) return frames == FramesLoad::Laid;
  }
  Result<SourcePicture> loaded = OpenSourceFile(fileName, read, pictures_, levels_, MaskTransparency());
  if (!Reported(dialogs_, fileName, loaded.Status())) return false;
  picture = std::move(loaded->picture);
  format = loaded->format;
  loadedTiles_ = std::move(loaded->tiles);
  return true;
}

void SourceWorkflow::ShowPicture(const QImage& picture) {
  // The tiles' places come with the picture they describe, and go with it.
  doc_.SourceTiles = std::move(loadedTiles_);
  loadedTiles_.clear();
  source_.StopAnimationNow();
  source_.Layers().L1_Image().SetPicture(picture);
  source_.UpdateStack();
  source_.Grid().UpdateGrid();
}

void SourceWorkflow::ShowLoaded(const QImage& picture, PixelFormatCode format, const QString& fileName) {
  ShowPicture(picture);
  doc_.SourceFile = fileName;
  doc_.Remember(fileName);
  doc_.SourceShown = Document::SourceInfo{source_.Layers().PortSize(), format};
  if (view_.SourceHasTransparency)
    emit Noted(QCoreApplication::translate(
        "mosaicor::MainWindow",
        "This picture has transparency: TRANSPARENCY ▸ Alpha → Magenta keys it for the level editor"));
  PlayFrames();
}

QImage SourceWorkflow::Presented(SourceAction action, const QImage& loaded) {
  asLoaded_ = action == SourceAction::ImageFile && WorthKeying(loaded) ? loaded : QImage();
  view_.SourceHasTransparency = !asLoaded_.isNull();
  if (asLoaded_.isNull() || !view_.AlphaToMagenta) return loaded;
  const QImage keyed = KeyAlphaToMagenta(loaded, {view_.AlphaThreshold, view_.CleanFringe});
  return keyed.isNull() ? loaded : keyed;
}

void SourceWorkflow::ShowKeying() {
  const Operations::Operation operation(operations_);
  if (asLoaded_.isNull()) return;
  const QImage picture = asLoaded_;
  ShowPicture(Presented(SourceAction::ImageFile, picture));
  RebuildAlpha();
}

void SourceWorkflow::SetAlphaToMagenta(bool on) {
  view_.AlphaToMagenta = on;
  ShowKeying();
}

void SourceWorkflow::SetAlphaThreshold(int threshold) {
  view_.AlphaThreshold = std::clamp(threshold, kMinAlphaThreshold, kMaxAlphaThreshold);
  if (view_.AlphaToMagenta) ShowKeying();
}

void SourceWorkflow::SetCleanFringe(bool on) {
  view_.CleanFringe = on;
  if (view_.AlphaToMagenta) ShowKeying();
}

SourceWorkflow::FramesLoad SourceWorkflow::LoadFrames(const QString& fileName, PixelFormatCode& format,
                                                      QImage& picture) {
  frames_.reset();
  Result<FrameSheet> sheet = LoadFrameSheet(fileName, view_.TileSize, kSetPageSide);
  if (!Reported(dialogs_, fileName, sheet.Status())) return FramesLoad::Refused;
  if (sheet->Frames() < 2) return FramesLoad::OnePicture;
  picture = sheet->picture;
  format = PixelFormatCode::EightBits;
  frames_ = std::move(sheet).Value();
  return FramesLoad::Laid;
}

void SourceWorkflow::PlayFrames() {
  if (!frames_) return;
  const FrameSheet sheet = std::move(*frames_);
  frames_.reset();
  QStringList delays;
  for (int delay : sheet.delaysMs) delays << QString::number(delay);
  emit Noted(QCoreApplication::translate("mosaicor::MainWindow", "%1 frames, delays in ms: %2")
                 .arg(sheet.Frames())
                 .arg(delays.join(QLatin1String(", "))));
  const CanvasGrid& grid = source_.Grid();
  if (sheet.cell != QSize(grid.CellWidth, grid.CellHeight)) return;
  source_.StartAnimation(0, sheet.Frames() - 1);
  view_.SourcePage = SourceTab::Animation;
  source_.Animation().SetSpeed(1);
  emit AnimSpeedChanged();
}

bool SourceWorkflow::LoadWithDialog(SourceAction action, std::optional<QString>& file) {
  const QString preset = doc_.DialogPreset(file);
  const std::optional<QString> chosen =
      action == SourceAction::ImageFile ? dialogs_.OpenPictureFile(preset)
                                        : dialogs_.OpenLevelFile(preset, action == SourceAction::LevelTiles);
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  // Cancelled or failed: the box shows the caption, which has not changed.
  if (!chosen || !LoadFile(ReadOf(action), *chosen, format, picture)) return false;
  file = *chosen;
  ShowLoaded(Presented(action, picture), format, *chosen);
  return true;
}

void SourceWorkflow::SourceRepeat() {
  const SourceAction action = doc_.LastSourceAction;
  const std::optional<QString>& file = action == SourceAction::ImageFile ? doc_.ImageFile : doc_.LevelFile;
  if (action == SourceAction::None || !file) return;
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  // The reloaded picture shows at once; captions and the info line stay as they are.
  if (LoadFile(ReadOf(action), *file, format, picture)) {
    ShowPicture(Presented(action, picture));
    PlayFrames();
  }
}

bool SourceWorkflow::OpenFile(const QString& fileName) {
  const Operations::Operation operation(operations_);
  const bool level = SourceKindOf(fileName) == SourceKind::Level;
  const SourceAction action = level ? SourceAction::LevelTextures : SourceAction::ImageFile;
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  if (!LoadFile(SourceRead::ByKind, fileName, format, picture)) return false;
  // A dropped file counts as that file opened through its dialog: item 0 and the transparency
  // buttons then repeat it, not what was shown before.
  (level ? doc_.LevelFile : doc_.ImageFile) = fileName;
  doc_.LastSourceAction = action;
  ShowLoaded(Presented(action, picture), format, fileName);
  RebuildAlpha();
  return true;
}

QString SourceWorkflow::TileProvenance(int x, int y) const {
  for (const SheetTile& tile : doc_.SourceTiles) {
    if (!tile.Rect.contains(x, y)) continue;
    const TilePlace& first = tile.Places.front();
    int objectTextures = 0;
    bool animated = false;
    for (const TilePlace& place : tile.Places) {
      objectTextures += place.ObjectTextureCount();
      animated = animated || place.Animated;
    }
    QStringList parts = {texts::TilePlaceFormat()
                             .arg(first.Page)
                             .arg(first.Rect.width())
                             .arg(first.Rect.height())
                             .arg(first.Rect.x())
                             .arg(first.Rect.y()),
                         texts::ObjectTextureCount(objectTextures)};
    if (animated) parts << texts::AnimatedMark();
    return parts.join(QStringLiteral(" · "));
  }
  return {};
}

}  // namespace mosaicor
