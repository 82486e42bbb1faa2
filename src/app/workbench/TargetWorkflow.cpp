#include "app/workbench/TargetWorkflow.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#include "app/texts/WindowLanguage.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/Workbench.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

// What a save wrote, for the status line: "Saved /a/set.tga: 256 x 512 pixels, uncompressed 24-bit TGA,
// 393,234 bytes".
QString SavedNote(const QString& fileName, QSize size) {
  const QString extension = ImageFileModule::UpperExtension(fileName);
  //: %1 is the file's format: BMP, PNG, ...
  QString format = QCoreApplication::translate("mosaicor::MainWindow", "24-bit %1").arg(extension.mid(1));
  if (extension == QLatin1String(".TGA"))
    format = QCoreApplication::translate("mosaicor::MainWindow", "uncompressed 24-bit TGA");
  if (extension == QLatin1String(".JPG") || extension == QLatin1String(".JPEG")) format = QStringLiteral("JPEG");
  return QCoreApplication::translate("mosaicor::MainWindow", "     Saved %1: %2 x %3 pixels, %4, %5 bytes")
      .arg(QDir::toNativeSeparators(fileName))
      .arg(size.width())
      .arg(size.height())
      .arg(format, WindowLocale().toString(QFileInfo(fileName).size()));
}

}  // namespace

TargetWorkflow::TargetWorkflow(Workbench& bench)
    : bench_(bench), source_(bench.Source), target_(bench.Target), doc_(bench.Doc), view_(bench.View) {}

void TargetWorkflow::SaveTargetAs() {
  const Workbench::Operation operation(bench_);
  SaveToImageFile();
  bench_.NoActiveControls();
}

void TargetWorkflow::CreateNewTarget() {
  ReplaceTarget([this] { ReInitTarget(); });
}

void TargetWorkflow::ReloadTarget() {
  ReplaceTarget([this] { ReloadFromImageFile(); });
}

void TargetWorkflow::ReplaceTarget(const std::function<void()>& replace) {
  const Workbench::Operation operation(bench_);
  if (ConfirmDiscard())
    replace();
  else
    view_.TargetShowsCopy = false;
  bench_.NoActiveControls();
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
  const Workbench::Operation operation(bench_);
  const bool onePage = doc_.ShownSize() == QSize(kSetPageSide, kSetPageSide);
  const std::optional<QString> chosen = bench_.Dialogs.SaveTargetFile(doc_.DialogPreset(doc_.SaveFile), onePage);
  if (!chosen || !SaveToFile(*chosen)) {
    view_.TargetShowsCopy = false;
    return false;
  }
  return true;
}

bool TargetWorkflow::Save() { return doc_.SaveFile ? SaveToFile(*doc_.SaveFile) : SaveToImageFile(); }

bool TargetWorkflow::SaveToFile(const QString& fileName) {
  const Workbench::Operation operation(bench_);
  target_.StopAnimationNow();
  const QSize port = target_.Layers().PortSize();
  const QImage picture = target_.Layers().L1_Image().PictureCopy();
  if (!bench_.Reported(fileName, bench_.Pictures.SaveImageAs24BitsFile(picture, port.width(), port.height(), fileName)))
    return false;
  doc_.SaveFile = fileName;
  ShowTargetFile(fileName);
  bench_.History().SetClean();
  emit bench_.Noted(SavedNote(fileName, picture.size().boundedTo(port)));
  return true;
}

void TargetWorkflow::ShowTargetFile(const QString& fileName) {
  doc_.Remember(fileName);
  doc_.TargetFile = fileName;
  view_.TargetShowsCopy = false;
}

void TargetWorkflow::ReInitTarget() {
  const Workbench::Operation operation(bench_);
  bench_.History().RecordWholePicture(QCoreApplication::translate("mosaicor::TargetHistory", "Create New"), [&] {
    target_.StopAnimationNow();
    emit bench_.TargetScrolledToOrigin();
    const bool autoExport = bench_.AutoExport();
    target_.InitStack(kSetPageSide, 2 * kSetPageSide);
    target_.Grid().InitGrid(kSetCellSide, kSetCellSide);
    // New pages, these two and any added later, are of the filler colour: the census counts
    // them empty and Add Pictures fills them.
    doc_.TargetFill = doc_.FillerColour;
    SetPages(TargetPages{1, 2});
    target_.Layers().L1_Image().Fill(QRect(QPoint(0, 0), target_.Layers().L1_Image().PictureSize()), doc_.TargetFill);
    // The reset canvas exports nothing; the check box still says what it should do.
    target_.Cursor().SetAutoExport(autoExport);
  });
  doc_.TargetFile.reset();
  doc_.TargetCreatedNew = true;
  view_.TargetShowsCopy = false;
  bench_.History().SetClean();
}

void TargetWorkflow::PlaceLoadedPicture(const QString& editName, const QImage& picture) {
  bench_.History().RecordWholePicture(editName, [&] {
    target_.StopAnimationNow();
    target_.Layers().L1_Image().SetPicture(picture);
    // Pages added to a loaded picture take the filler colour, as after Copy All.
    doc_.TargetFill = doc_.FillerColour;
    ResizeTargetWindow(std::nullopt);
  });
}

bool TargetWorkflow::ReloadFromImageFile() {
  const Workbench::Operation operation(bench_);
  const std::optional<QString> chosen = bench_.Dialogs.OpenPictureFile(doc_.DialogPreset(doc_.TextureSetFile));
  if (!chosen || !OpenTextureSet(*chosen)) {
    view_.TargetShowsCopy = false;
    return false;
  }
  return true;
}

bool TargetWorkflow::OpenTextureSet(const QString& fileName) {
  const Workbench::Operation operation(bench_);
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  if (!bench_.Reported(fileName, bench_.Pictures.LoadImageAs32BitsFile(picture, fileName, format))) return false;
  PlaceLoadedPicture(QCoreApplication::translate("mosaicor::TargetHistory", "Reload"), picture);
  doc_.TextureSetFile = fileName;
  ShowTargetFile(fileName);
  bench_.History().SetClean();
  return true;
}

void TargetWorkflow::LoadTarget(const QString& fileName) {
  const Workbench::Operation operation(bench_);
  // A dropped set replaces the Target as Reload does, so unsaved work is guarded as there.
  if (fileName.isEmpty() || !ConfirmDiscard()) return;
  QImage picture;
  if (!bench_.Reported(fileName, bench_.Pictures.LoadImageFile(picture, fileName))) return;
  PlaceLoadedPicture(QCoreApplication::translate("mosaicor::TargetHistory", "Drop on Target"), picture);
  doc_.TextureSetFile = fileName;
  ShowTargetFile(fileName);
}

void TargetWorkflow::CopyAll() {
  const Workbench::Operation operation(bench_);
  source_.StopAnimationNow();
  const QRect r = source_.Grid().GridRect();
  const ImageLayer& sourcePicture = source_.Layers().L1_Image();
  QImage copied;
  if (!r.isEmpty()) {
    copied = sourcePicture.IsBlank() ? QImage(r.size(), QImage::Format_ARGB32) : sourcePicture.StoredPicture().copy(r);
    if (sourcePicture.IsBlank()) copied.fill(0xFF000000u);
  }
  source_.Layers().L4_Clip().SetPicture(copied);
  bench_.History().RecordWholePicture(QCoreApplication::translate("mosaicor::TargetHistory", "Copy All"), [&] {
    target_.StopAnimationNow();
    target_.Layers().L1_Image().SetPicture(copied);
    doc_.TargetFill = doc_.FillerColour;
    ResizeTargetWindow(std::nullopt);
  });
  view_.TargetShowsCopy = true;
}

void TargetWorkflow::SetPageCount(PageCounter counter, int value) {
  int& pages = counter == PageCounter::Width ? doc_.TargetWidthPages : doc_.TargetHeightPages;
  const int highest = counter == PageCounter::Width ? kSetMaxWidth / kSetPageSide : kSetMaxHeightPages;
  value = std::clamp(value, 1, highest);
  if (value == pages) return;
  const Workbench::Operation operation(bench_);
  const TargetPages before = Pages();
  pages = value;
  ResizeTargetWindow(counter);
  bench_.History().RecordPageCount(before);
  bench_.NoActiveControls();
}

void TargetWorkflow::ResizeTargetWindow(std::optional<PageCounter> caller) {
  ImageLayer& image = target_.Layers().L1_Image();
  bool tooBig = false;
  if (!caller) {
    const QSize size = image.PictureSize();
    tooBig = size.width() > kSetMaxWidth || size.height() > kSetMaxHeight;
    const QSize kept(std::min(size.width(), kSetMaxWidth), std::min(size.height(), kSetMaxHeight));
    image.SetPictureSize(kept);
    // Set without running the counters' change handler: no nested resize.
    doc_.TargetWidthPages = PagesFor(kept.width());
    doc_.TargetHeightPages = PagesFor(kept.height());
  }
  const int w = doc_.ShownSize().width();
  const int h = doc_.ShownSize().height();
  const QSize size = image.PictureSize();
  // The picture only grows: lowering a counter hides pages without losing them.
  image.SetPictureSize(QSize(std::max(w, size.width()), std::max(h, size.height())), doc_.TargetFill);
  target_.UpdateStack();
  target_.UpdateImagePort(w, h);
  target_.Grid().UpdateGrid();
  DisplayTargetAreaInfo(w, h);
  if (tooBig) {
    const QSize now = image.PictureSize();
    bench_.Dialogs.ShowMessage(
        texts::CropMessageFormat().arg(QStringLiteral("%1x%2").arg(now.width()).arg(now.height())));
  }
  if (caller != PageCounter::Height) emit bench_.TargetPortWidthChanged();
}

void TargetWorkflow::DisplayTargetAreaInfo(int width, int height) {
  const int columns = width / kSetCellSide, rows = height / kSetCellSide, tiles = columns * rows;
  view_.TargetInfoColour = tiles > kSetMostTiles ? colours::InfoTooMany : colours::InfoNormal;
  view_.TargetAreaInfo = texts::TargetInfoFormat().arg(width).arg(height).arg(columns).arg(rows).arg(tiles);
  doc_.TargetWidthPages = width / kSetPageSide;
  doc_.TargetHeightPages = height / kSetPageSide;
}

TargetPages TargetWorkflow::Pages() const { return TargetPages{doc_.TargetWidthPages, doc_.TargetHeightPages}; }

void TargetWorkflow::SetPages(TargetPages pages) {
  const bool wider = pages.width != doc_.TargetWidthPages;
  doc_.TargetWidthPages = pages.width;
  doc_.TargetHeightPages = pages.height;
  ResizeTargetWindow(wider ? PageCounter::Width : PageCounter::Height);
}

}  // namespace mosaicor
