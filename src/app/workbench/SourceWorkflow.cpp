#include "app/workbench/SourceWorkflow.h"

#include "app/workbench/Workbench.h"
#include "core/imagefiles/SourceFile.h"

namespace mosaicor {

SourceWorkflow::SourceWorkflow(Workbench& bench)
    : bench_(bench), source_(bench.Source), doc_(bench.Doc), view_(bench.View) {}

bool SourceWorkflow::MaskTransparency() const { return view_.Transparency == TransparencyMode::Magenta; }

void SourceWorkflow::OpenSource(SourceAction action) {
  const Workbench::Operation operation(bench_);
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
  bench_.NoActiveControls();
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
  Result<SourcePicture> loaded = OpenSourceFile(fileName, read, bench_.Pictures, bench_.Levels, MaskTransparency());
  if (!bench_.Reported(fileName, loaded.Status())) return false;
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
  UpdateSourceAreaInfo(format);
}

bool SourceWorkflow::LoadWithDialog(SourceAction action, std::optional<QString>& file) {
  const QString preset = doc_.DialogPreset(file);
  const std::optional<QString> chosen =
      action == SourceAction::ImageFile ? bench_.Dialogs.OpenPictureFile(preset) : bench_.Dialogs.OpenLevelFile(preset);
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  // Cancelled or failed: the box shows the caption, which has not changed.
  if (!chosen || !LoadFile(ReadOf(action), *chosen, format, picture)) return false;
  file = *chosen;
  ShowLoaded(picture, format, *chosen);
  return true;
}

void SourceWorkflow::SourceRepeat() {
  const SourceAction action = doc_.LastSourceAction;
  const std::optional<QString>& file = action == SourceAction::ImageFile ? doc_.ImageFile : doc_.LevelFile;
  if (action == SourceAction::None || !file) return;
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  // The reloaded picture shows at once; captions and the info line stay as they are.
  if (LoadFile(ReadOf(action), *file, format, picture)) ShowPicture(picture);
}

bool SourceWorkflow::OpenFile(const QString& fileName) {
  const Workbench::Operation operation(bench_);
  const bool level = SourceKindOf(fileName) == SourceKind::Level;
  const SourceAction action = level ? SourceAction::LevelTextures : SourceAction::ImageFile;
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  if (!LoadFile(SourceRead::ByKind, fileName, format, picture)) return false;
  // A dropped file counts as that file opened through its dialog: item 0 and the transparency
  // buttons then repeat it, not what was shown before.
  (level ? doc_.LevelFile : doc_.ImageFile) = fileName;
  doc_.LastSourceAction = action;
  ShowLoaded(picture, format, fileName);
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

void SourceWorkflow::UpdateSourceAreaInfo(PixelFormatCode format) {
  const QSize size = source_.Layers().PortSize();
  view_.SourceAreaInfo = texts::SourceInfoFormat().arg(size.width()).arg(size.height()).arg(PF2String(format));
}

}  // namespace mosaicor
