#include "workbench/SourceWorkflow.h"

#include "extraction/TombRaiderFileModule.h"
#include "imagefiles/ImageFileModule.h"
#include "workbench/Workbench.h"

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
      loaded = LoadWithDialog(Loader::Picture, doc_.ImageFile);
      break;
    case SourceAction::LevelTextures:
      loaded = LoadWithDialog(Loader::LevelPages, doc_.LevelFile);
      break;
    case SourceAction::LevelAnimated:
      loaded = LoadWithDialog(Loader::LevelAnimated, doc_.LevelFile);
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

bool SourceWorkflow::LoadFile(Loader loader, const QString& fileName, PixelFormatCode& format, QImage& picture) {
  picture = QImage();
  switch (loader) {
    case Loader::Picture:
      return bench_.Reported(fileName, bench_.Pictures.LoadImageAs32BitsFile(picture, fileName, format));
    case Loader::LevelPages:
      return bench_.Reported(fileName,
                             bench_.Levels.LoadLevelAs32BitsFile(picture, fileName, format, MaskTransparency()));
    case Loader::LevelAnimated:
      return bench_.Reported(fileName,
                             bench_.Levels.LoadAnimAs32BitsFile(picture, fileName, format, MaskTransparency()));
  }
  return false;
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
}

bool SourceWorkflow::LoadWithDialog(Loader loader, std::optional<QString>& file) {
  const QString preset = doc_.DialogPreset(file);
  const std::optional<QString> chosen =
      loader == Loader::Picture ? bench_.Dialogs.OpenPictureFile(preset) : bench_.Dialogs.OpenLevelFile(preset);
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  // Cancelled or failed: the box shows the caption, which has not changed.
  if (!chosen || !LoadFile(loader, *chosen, format, picture)) return false;
  file = *chosen;
  ShowLoaded(picture, format, *chosen);
  return true;
}

void SourceWorkflow::SourceRepeat() {
  Loader loader;
  std::optional<QString> file;
  switch (doc_.LastSourceAction) {
    case SourceAction::ImageFile:
      loader = Loader::Picture;
      file = doc_.ImageFile;
      break;
    case SourceAction::LevelTextures:
      loader = Loader::LevelPages;
      file = doc_.LevelFile;
      break;
    case SourceAction::LevelAnimated:
      loader = Loader::LevelAnimated;
      file = doc_.LevelFile;
      break;
    default:
      return;
  }
  if (!file) return;
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  // The reloaded picture shows at once; captions and the info line stay as they are.
  if (LoadFile(loader, *file, format, picture)) ShowPicture(picture);
}

bool SourceWorkflow::OpenFile(const QString& fileName) {
  const Workbench::Operation operation(bench_);
  const bool level = HasLevelExtension(fileName);
  const Loader loader = level ? Loader::LevelPages : Loader::Picture;
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  if (!LoadFile(loader, fileName, format, picture)) return false;
  // A dropped file counts as that file opened through its dialog: item 0 and the transparency
  // buttons then repeat it, not what was shown before.
  (level ? doc_.LevelFile : doc_.ImageFile) = fileName;
  doc_.LastSourceAction = level ? SourceAction::LevelTextures : SourceAction::ImageFile;
  ShowLoaded(picture, format, fileName);
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
