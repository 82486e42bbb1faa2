#include "workbench/SourceWorkflow.h"

#include "extraction/TombRaiderFileModule.h"
#include "imagefiles/ImageFileModule.h"
#include "workbench/Workbench.h"

namespace mosaicor {

bool SourceWorkflow::MaskTransparency() const { return bench_.State.Transparency == TransparencyMode::Magenta; }

void SourceWorkflow::SourceComboOnSelect(int item) {
  WindowState& s = bench_.State;
  bool loaded = false;
  switch (item) {
    case 0:
      SourceRepeat();
      break;
    case 1:
      loaded = LoadFromImageFile();
      break;
    case 2:
      loaded = LoadFromTRLevel();
      break;
    case 3:
      loaded = LoadFromTRAnim();
      break;
    default:
      return;
  }
  // Only a load that succeeded becomes the action that item 0 and the transparency buttons
  // repeat; a cancelled dialog must not make them reload a placeholder over the shown picture.
  if (loaded) s.LastSourceAction = static_cast<SourceAction>(item);
  RebuildAlpha();
  bench_.NoActiveControls();
  bench_.NotifyChanged();
}

void SourceWorkflow::RebuildAlpha() {
  ImageStack& source = bench_.Source;
  const QSize size = source.Layers().L1_Image().PictureSize();
  source.Layers().L2_Alpha().Fill(QRect(QPoint(0, 0), size), 0xFF000000u);
  source.Layers().ExtractAlpha();
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

void SourceWorkflow::ShowLoaded(const QImage& picture, PixelFormatCode format, const QString& caption) {
  ImageStack& source = bench_.Source;
  source.StopAnimationNow();
  source.Layers().L1_Image().SetPicture(picture);
  source.UpdateStack();
  source.Grid().UpdateGrid();
  WindowState& s = bench_.State;
  s.SourceCaption = caption;
  s.Remember(caption);
  UpdateSourceAreaInfo(format);
}

bool SourceWorkflow::LoadWithDialog(Loader loader, QString& path) {
  const bool level = loader != Loader::Picture;
  const std::optional<QString> chosen = level ? bench_.Dialogs.OpenLevelFile(bench_.State.DialogPreset(path))
                                              : bench_.Dialogs.OpenPictureFile(bench_.State.DialogPreset(path));
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  // Cancelled or failed: the box shows SourceCaption, which has not changed.
  if (!chosen || !LoadFile(loader, *chosen, format, picture)) return false;
  path = *chosen;
  ShowLoaded(picture, format, path);
  return true;
}

bool SourceWorkflow::LoadFromImageFile() { return LoadWithDialog(Loader::Picture, bench_.State.ImagePath); }
bool SourceWorkflow::LoadFromTRLevel() { return LoadWithDialog(Loader::LevelPages, bench_.State.LevelPath); }
bool SourceWorkflow::LoadFromTRAnim() { return LoadWithDialog(Loader::LevelAnimated, bench_.State.LevelPath); }

void SourceWorkflow::SourceRepeat() {
  const WindowState& s = bench_.State;
  Loader loader;
  QString fileName;
  switch (s.LastSourceAction) {
    case SourceAction::ImageFile:
      loader = Loader::Picture;
      fileName = s.ImagePath;
      break;
    case SourceAction::LevelTextures:
      loader = Loader::LevelPages;
      fileName = s.LevelPath;
      break;
    case SourceAction::LevelAnimated:
      loader = Loader::LevelAnimated;
      fileName = s.LevelPath;
      break;
    default:
      return;
  }
  if (!IsFileName(fileName)) return;
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  if (!LoadFile(loader, fileName, format, picture)) return;
  // The reloaded picture shows at once; captions and the info line stay as they are.
  ImageStack& source = bench_.Source;
  source.StopAnimationNow();
  source.Layers().L1_Image().SetPicture(picture);
  source.UpdateStack();
  source.Grid().UpdateGrid();
}

bool SourceWorkflow::OpenFile(const QString& fileName) {
  WindowState& s = bench_.State;
  const bool level = HasLevelExtension(fileName);
  const Loader loader = level ? Loader::LevelPages : Loader::Picture;
  PixelFormatCode format = PixelFormatCode::Device;
  QImage picture;
  if (!LoadFile(loader, fileName, format, picture)) return false;
  // A dropped file counts as that file opened through its dialog: item 0 and the transparency
  // buttons then repeat it, not what was shown before.
  if (level) {
    s.LevelPath = fileName;
    s.LastSourceAction = SourceAction::LevelTextures;
  } else {
    s.ImagePath = fileName;
    s.LastSourceAction = SourceAction::ImageFile;
  }
  ShowLoaded(picture, format, fileName);
  RebuildAlpha();
  return true;
}

void SourceWorkflow::SourceStackDragNDropOnChange(const QString& fileName) {
  if (fileName.isEmpty() || fileName == QLatin1String("NO")) return;
  OpenFile(fileName);
  bench_.NotifyChanged();
}

void SourceWorkflow::UpdateSourceAreaInfo(PixelFormatCode format) {
  const QSize size = bench_.Source.Layers().PortSize();
  bench_.State.SourceAreaInfo = texts::SourceInfoFormat().arg(size.width()).arg(size.height()).arg(PF2String(format));
}

}  // namespace mosaicor
