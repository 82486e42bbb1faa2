#include "workbench/TargetWorkflow.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#include "imagefiles/ImageFileModule.h"
#include "workbench/TargetHistory.h"
#include "workbench/Workbench.h"

namespace mosaicor {

namespace {

// What a save wrote, for the status line: "Saved /a/set.tga: 256 x 512 pixels, uncompressed 24-bit TGA,
// 393,234 bytes".
QString SavedNote(const QString& fileName, QSize size) {
  const QString extension = ImageFileModule::UpperExtension(fileName);
  QString format = QStringLiteral("24-bit ") + extension.mid(1);
  if (extension == QLatin1String(".TGA")) format = QStringLiteral("uncompressed 24-bit TGA");
  if (extension == QLatin1String(".JPG") || extension == QLatin1String(".JPEG")) format = QStringLiteral("JPEG");
  return QStringLiteral("     Saved %1: %2 x %3 pixels, %4, %5 bytes")
      .arg(QDir::toNativeSeparators(fileName))
      .arg(size.width())
      .arg(size.height())
      .arg(format, QLocale(QLocale::English).toString(QFileInfo(fileName).size()));
}

}  // namespace

void TargetWorkflow::TargetComboOnSelect(int item) {
  WindowState& s = bench_.State;
  if (item == 1) {
    SaveToImageFile();
  } else if (item == 2 || item == 3) {
    // Both replace the Target: unsaved work is offered for saving first.
    if (!ConfirmDiscard())
      s.TargetComboText = s.TargetCaption;
    else if (item == 2)
      ReInitTarget();
    else
      ReloadFromImageFile();
  }
  bench_.NoActiveControls();
  bench_.NotifyChanged();
}

bool TargetWorkflow::ConfirmDiscard() {
  if (bench_.History().IsClean()) return true;
  switch (bench_.Dialogs.AskToSaveChanges()) {
    case SaveAnswer::Discard:
      return true;
    case SaveAnswer::Save:
      return Save();
    case SaveAnswer::Cancel:
      break;
  }
  return false;
}

bool TargetWorkflow::SaveToImageFile() {
  WindowState& s = bench_.State;
  const std::optional<QString> chosen = bench_.Dialogs.SavePictureFile(s.DialogPreset(s.SavePath));
  if (!chosen || !SaveToFile(*chosen)) {
    s.TargetComboText = s.TargetCaption;
    bench_.NotifyChanged();
    return false;
  }
  return true;
}

bool TargetWorkflow::Save() {
  const WindowState& s = bench_.State;
  if (IsFileName(s.SavePath)) return SaveToFile(s.SavePath);
  return SaveToImageFile();
}

bool TargetWorkflow::SaveToFile(const QString& fileName) {
  ImageStack& target = bench_.Target;
  target.StopAnimationNow();
  const QSize port = target.Layers().PortSize();
  if (!bench_.Reported(fileName, bench_.Pictures.SaveImageAs24BitsFile(target.Layers().L1_Image().PictureCopy(),
                                                                       port.width(), port.height(), fileName)))
    return false;
  WindowState& s = bench_.State;
  s.SavePath = fileName;
  s.Remember(fileName);
  s.TargetComboText = fileName;
  s.TargetCaption = fileName;
  bench_.History().SetClean();
  bench_.NotifyChanged();
  const QSize picture = target.Layers().L1_Image().PictureSize();
  emit bench_.Noted(SavedNote(fileName, picture.boundedTo(port)));
  return true;
}

void TargetWorkflow::ReInitTarget() {
  WindowState& s = bench_.State;
  ImageStack& target = bench_.Target;
  bench_.History().RecordWholePicture(QStringLiteral("Create New"), [&] {
    target.StopAnimationNow();
    emit bench_.TargetScrolledToOrigin();
    target.InitStack(PageSide, 2 * PageSide);
    target.Grid().InitGrid(64, 64);
    TargetSizesScrollBarOnChange(PageCounter::Width, 1);
    TargetSizesScrollBarOnChange(PageCounter::Height, 2);
    target.Layers().L1_Image().SetFillColour(s.FillerColour);
    // The reset canvas exports nothing; the check box still says what it should do.
    target.Cursor().SetAutoExport(s.AutoExportChecked);
  });
  s.TargetCaption = texts::CreateNewItem;
  s.TargetComboText = texts::CreateNewItem;
  bench_.History().SetClean();
  bench_.NotifyChanged();
}

void TargetWorkflow::PlaceLoadedPicture(const QString& editName, const QImage& picture) {
  ImageStack& target = bench_.Target;
  bench_.History().RecordWholePicture(editName, [&] {
    target.StopAnimationNow();
    target.Layers().L1_Image().SetPicture(picture);
    // Pages added to a loaded picture take the filler colour, as after Copy All.
    target.Layers().L1_Image().SetFillColour(bench_.State.FillerColour);
    ResizeTargetWindow(std::nullopt);
  });
}

bool TargetWorkflow::ReloadFromImageFile() {
  WindowState& s = bench_.State;
  const std::optional<QString> chosen = bench_.Dialogs.OpenPictureFile(s.DialogPreset(s.TextureSetPath));
  if (!chosen || !OpenTextureSet(*chosen)) {
    s.TargetComboText = s.TargetCaption;
    bench_.NotifyChanged();
    return false;
  }
  return true;
}

bool TargetWorkflow::OpenTextureSet(const QString& fileName) {
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  if (!bench_.Reported(fileName, bench_.Pictures.LoadImageAs32BitsFile(picture, fileName, format))) return false;
  PlaceLoadedPicture(QStringLiteral("Reload"), picture);
  WindowState& s = bench_.State;
  s.TextureSetPath = fileName;
  s.Remember(fileName);
  s.TargetComboText = fileName;
  s.TargetCaption = fileName;
  bench_.History().SetClean();
  bench_.NotifyChanged();
  return true;
}

void TargetWorkflow::TargetStackDragNDropOnChange(const QString& fileName) {
  if (fileName.isEmpty() || fileName == QLatin1String("NO")) return;
  QImage picture;
  if (!bench_.Reported(fileName, bench_.Pictures.LoadImageFile(picture, fileName))) return;
  PlaceLoadedPicture(QStringLiteral("Drop on Target"), picture);
  WindowState& s = bench_.State;
  s.TextureSetPath = fileName;
  s.Remember(fileName);
  s.TargetComboText = fileName;
  s.TargetCaption = fileName;
  bench_.NotifyChanged();
}

void TargetWorkflow::CopyAllOnClick() {
  ImageStack& source = bench_.Source;
  ImageStack& target = bench_.Target;
  source.StopAnimationNow();
  const QRect r = source.Grid().GridRect();
  const QImage& picture = source.Layers().L1_Image().StoredPicture();
  QImage copied;
  if (!r.isEmpty()) {
    copied = source.Layers().L1_Image().IsBlank() ? QImage(r.size(), QImage::Format_ARGB32) : picture.copy(r);
    if (source.Layers().L1_Image().IsBlank()) copied.fill(0xFF000000u);
  }
  source.Layers().L4_Clip().SetPicture(copied);
  bench_.History().RecordWholePicture(QStringLiteral("Copy All"), [&] {
    target.StopAnimationNow();
    target.Layers().L1_Image().SetPicture(copied);
    target.Layers().L1_Image().SetFillColour(bench_.State.FillerColour);
    ResizeTargetWindow(std::nullopt);
  });
  bench_.State.TargetComboText = texts::CreateNewItem;
  bench_.NotifyChanged();
}

void TargetWorkflow::TargetSizesScrollBarOnChange(PageCounter counter, int value) {
  WindowState& s = bench_.State;
  int& pages = counter == PageCounter::Width ? s.TargetWidthPages : s.TargetHeightPages;
  const int highest = counter == PageCounter::Width ? MaxWidth / PageSide : MaxHeight / PageSide;
  value = std::clamp(value, 1, highest);
  if (value == pages) return;
  const TargetPages before = Pages();
  pages = value;
  ResizeTargetWindow(counter);
  bench_.History().RecordPageCount(before);
  bench_.NoActiveControls();
  bench_.NotifyChanged();
}

void TargetWorkflow::ResizeTargetWindow(std::optional<PageCounter> caller) {
  WindowState& s = bench_.State;
  ImageStack& target = bench_.Target;
  ImageLayer& image = target.Layers().L1_Image();
  bool tooBig = false;
  if (!caller) {
    const QSize size = image.PictureSize();
    tooBig = size.width() > MaxWidth || size.height() > MaxHeight;
    const QSize kept(std::min(size.width(), MaxWidth), std::min(size.height(), MaxHeight));
    image.SetPictureSize(kept);
    // Set without running the counters' change handler: no nested resize.
    s.TargetWidthPages = std::max((kept.width() + PageSide - 1) / PageSide, 1);
    s.TargetHeightPages = std::max((kept.height() + PageSide - 1) / PageSide, 1);
  }
  const int w = s.TargetWidthPages * PageSide;
  const int h = s.TargetHeightPages * PageSide;
  const QSize size = image.PictureSize();
  // The picture only grows: lowering a counter hides pages without losing them.
  image.SetPictureSize(QSize(std::max(w, size.width()), std::max(h, size.height())));
  target.UpdateStack();
  target.UpdateImagePort(w, h);
  target.Grid().UpdateGrid();
  DisplayTargetAreaInfo(w, h);
  if (tooBig) {
    const QSize now = image.PictureSize();
    bench_.Dialogs.ShowMessage(
        texts::CropMessageFormat.arg(QStringLiteral("%1x%2").arg(now.width()).arg(now.height())));
  }
  if (caller != PageCounter::Height) emit bench_.TargetPortWidthChanged();
}

TargetPages TargetWorkflow::Pages() const {
  return TargetPages{bench_.State.TargetWidthPages, bench_.State.TargetHeightPages};
}

void TargetWorkflow::SetPages(TargetPages pages) {
  WindowState& s = bench_.State;
  const bool wider = pages.width != s.TargetWidthPages;
  s.TargetWidthPages = pages.width;
  s.TargetHeightPages = pages.height;
  ResizeTargetWindow(wider ? PageCounter::Width : PageCounter::Height);
}

void TargetWorkflow::DisplayTargetAreaInfo(int width, int height) {
  WindowState& s = bench_.State;
  const int columns = width / 64, rows = height / 64, tiles = columns * rows;
  s.TargetInfoColour = tiles > 256 ? colours::InfoTooMany : colours::InfoNormal;
  s.TargetAreaInfo = texts::TargetInfoFormat.arg(width).arg(height).arg(columns).arg(rows).arg(tiles);
  s.TargetWidthPages = width / PageSide;
  s.TargetHeightPages = height / PageSide;
}

}  // namespace mosaicor
