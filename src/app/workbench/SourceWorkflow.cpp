#include "app/workbench/SourceWorkflow.h"

#include "app/workbench/Workbench.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/packing/SetGeometry.h"

#include <QCoreApplication>
#include <algorithm>

namespace mosaicor {

SourceWorkflow::SourceWorkflow(Workbench& bench)
    : bench_(bench), source_(bench.Source), doc_(bench.Doc), view_(bench.View) {}

bool SourceWorkflow::MaskTransparency() const { return view_.Transparency == TransparencyMode::Magenta; }

void SourceWorkflow::SourceComboOnSelect(SourceAction action) {
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

bool SourceWorkflow::LoadFile(SourceAction action, const QString& fileName, PixelFormatCode& format, QImage& picture) {
  picture = QImage();
  switch (action) {
    case SourceAction::ImageFile:
      if (ImageFileModule::UpperExtension(fileName) == QLatin1String(".GIF")) {
        const FramesLoad frames = LoadFrames(fileName, format, picture);
        if (frames != FramesLoad::OnePicture) return frames == FramesLoad::Laid;
      }
      return bench_.Reported(fileName, bench_.Pictures.LoadImageAs32BitsFile(picture, fileName, format));
    case SourceAction::LevelTextures:
      return LoadLevel(LevelExtract::Pages, fileName, format, picture);
    case SourceAction::LevelAnimated:
      return LoadLevel(LevelExtract::Animated, fileName, format, picture);
    case SourceAction::None:
      break;
  }
  return false;
}

bool SourceWorkflow::LoadLevel(LevelExtract what, const QString& fileName, PixelFormatCode& format, QImage& picture) {
  return bench_.Reported(fileName, bench_.Levels.Load(what, picture, fileName, format, MaskTransparency()));
}

void SourceWorkflow::ShowPicture(const QImage& picture) {
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
  if (view_.SourceHasTransparency)
    emit bench_.Noted(QCoreApplication::translate(
        "mosaicor::MainWindow",
        "This picture has transparency: TRANSPARENCY ▸ Alpha → Magenta keys it for the level editor"));
  PlayFrames();
}

QImage SourceWorkflow::Presented(SourceAction action, const QImage& loaded) {
  asLoaded_ = action == SourceAction::ImageFile && HasTransparency(loaded) ? loaded : QImage();
  view_.SourceHasTransparency = !asLoaded_.isNull();
  if (asLoaded_.isNull() || !view_.AlphaToMagenta) return loaded;
  const QImage keyed = KeyAlphaToMagenta(loaded, {view_.AlphaThreshold, view_.CleanFringe});
  return keyed.isNull() ? loaded : keyed;
}

void SourceWorkflow::ShowKeying() {
  const Workbench::Operation operation(bench_);
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
  if (!bench_.Reported(fileName, sheet.Status())) return FramesLoad::Refused;
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
  emit bench_.Noted(QCoreApplication::translate("mosaicor::MainWindow", "%1 frames, delays in ms: %2")
                        .arg(sheet.Frames())
                        .arg(delays.join(QLatin1String(", "))));
  const CanvasGrid& grid = source_.Grid();
  if (sheet.cell != QSize(grid.CellWidth, grid.CellHeight)) return;
  source_.StartAnimation(0, sheet.Frames() - 1);
  view_.SourcePage = SourceTab::Animation;
  source_.Animation().SetSpeed(1);
  emit bench_.AnimSpeedChanged();
}

bool SourceWorkflow::LoadWithDialog(SourceAction action, std::optional<QString>& file) {
  const QString preset = doc_.DialogPreset(file);
  const std::optional<QString> chosen =
      action == SourceAction::ImageFile ? bench_.Dialogs.OpenPictureFile(preset) : bench_.Dialogs.OpenLevelFile(preset);
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  // Cancelled or failed: the box shows the caption, which has not changed.
  if (!chosen || !LoadFile(action, *chosen, format, picture)) return false;
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
  if (LoadFile(action, *file, format, picture)) {
    ShowPicture(Presented(action, picture));
    PlayFrames();
  }
}

bool SourceWorkflow::OpenFile(const QString& fileName) {
  const Workbench::Operation operation(bench_);
  const bool level = HasLevelExtension(fileName);
  const SourceAction action = level ? SourceAction::LevelTextures : SourceAction::ImageFile;
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  if (!LoadFile(action, fileName, format, picture)) return false;
  // A dropped file counts as that file opened through its dialog: item 0 and the transparency
  // buttons then repeat it, not what was shown before.
  (level ? doc_.LevelFile : doc_.ImageFile) = fileName;
  doc_.LastSourceAction = action;
  ShowLoaded(Presented(action, picture), format, fileName);
  RebuildAlpha();
  return true;
}

void SourceWorkflow::SourceStackDragNDropOnChange(const QString& fileName) {
  if (!fileName.isEmpty()) OpenFile(fileName);
}

void SourceWorkflow::UpdateSourceAreaInfo(PixelFormatCode format) {
  const QSize size = source_.Layers().PortSize();
  view_.SourceAreaInfo = texts::SourceInfoFormat().arg(size.width()).arg(size.height()).arg(PF2String(format));
}

}  // namespace mosaicor
