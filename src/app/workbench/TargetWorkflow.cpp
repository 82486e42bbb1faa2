#include "app/workbench/TargetWorkflow.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#include "app/texts/WindowLanguage.h"
#include "app/workbench/Chooser.h"
#include "app/workbench/Operations.h"
#include "app/workbench/TargetHistory.h"
#include "core/canvas/ImageStack.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/packing/SetGeometry.h"
#include "core/recovery/RecoveryFile.h"

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

// A kept value names a file unless it is empty or one of the captions ("   --- no SOURCE file
// loaded ---") that files written before the document held optionals keep in its place.
std::optional<QString> KeptFile(const QString& value) {
  if (value.isEmpty() || value.startsWith(QLatin1String("   ---"))) return std::nullopt;
  return value;
}

}  // namespace

TargetWorkflow::TargetWorkflow(const Parts& parts)
    : operations_(parts.operations),
      dialogs_(parts.dialogs),
      pictures_(parts.pictures),
      doc_(parts.doc),
      view_(parts.view),
      source_(parts.source),
      target_(parts.target),
      targetDoc_(parts.targetDoc),
      history_(parts.history) {}

void TargetWorkflow::SaveTargetAs() {
  const Operations::Operation operation(operations_);
  SaveToImageFile();
}

void TargetWorkflow::CreateNewTarget() {
  ReplaceTarget([this] { ReInitTarget(); });
}

void TargetWorkflow::ReloadTarget() {
  ReplaceTarget([this] { ReloadFromImageFile(); });
}

void TargetWorkflow::ReplaceTarget(const std::function<void()>& replace) {
  const Operations::Operation operation(operations_);
  if (ConfirmDiscard())
    replace();
  else
    view_.TargetShowsCopy = false;
}

bool TargetWorkflow::ConfirmDiscard() {
  if (history_.IsClean()) return true;
  switch (dialogs_.AskToSaveChanges()) {
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
  const Operations::Operation operation(operations_);
  const bool onePage = targetDoc_.ShownSize() == QSize(kSetPageSide, kSetPageSide);
  const std::optional<QString> chosen = dialogs_.SaveTargetFile(doc_.DialogPreset(doc_.SaveFile), onePage);
  if (!chosen || !SaveToFile(*chosen)) {
    view_.TargetShowsCopy = false;
    return false;
  }
  return true;
}

bool TargetWorkflow::Save() {
  // The Target's own file (the one its box names), never one the user is not looking at: after a
  // Reload the last file saved is another set. A Target without a file asks for a name.
  return doc_.TargetFile ? SaveToFile(*doc_.TargetFile) : SaveToImageFile();
}

bool TargetWorkflow::SaveToFile(const QString& fileName) {
  const Operations::Operation operation(operations_);
  target_.StopAnimationNow();
  const QSize port = target_.Layers().PortSize();
  const QImage picture = target_.Layers().L1_Image().PictureCopy();
  if (beforeSave_ && !beforeSave_(fileName)) return false;
  if (!Reported(dialogs_, fileName, pictures_.SaveImageAs24BitsFile(picture, port.width(), port.height(), fileName)))
    return false;
  doc_.SaveFile = fileName;
  ShowTargetFile(fileName);
  history_.SetClean();
  emit Noted(SavedNote(fileName, picture.size().boundedTo(port)));
  if (afterSave_) afterSave_(fileName);
  return true;
}

void TargetWorkflow::ShowTargetFile(const QString& fileName) {
  doc_.Remember(fileName);
  doc_.TargetFile = fileName;
  view_.TargetShowsCopy = false;
}

void TargetWorkflow::ReInitTarget() {
  const Operations::Operation operation(operations_);
  history_.RecordWholePicture(QCoreApplication::translate("mosaicor::TargetHistory", "Create New"), [&] {
    target_.StopAnimationNow();
    emit ScrolledToOrigin();
    const bool autoExport = source_.Cursor().AutoExport();
    target_.InitStack(kSetPageSide, 2 * kSetPageSide);
    target_.Grid().InitGrid(kSetCellSide, kSetCellSide);
    // New pages, these two and any added later, are of the filler colour: the census counts
    // them empty and Add Pictures fills them.
    targetDoc_.SetFill(doc_.FillerColour);
    targetDoc_.SetPages(TargetPages{1, 2});
    ImageLayer& picture = targetDoc_.Picture();
    picture.Fill(QRect(QPoint(0, 0), picture.PictureSize()), targetDoc_.Fill());
    // The reset canvas exports nothing; the check box still says what it should do.
    target_.Cursor().SetAutoExport(autoExport);
  });
  doc_.TargetFile.reset();
  doc_.TargetCreatedNew = true;
  view_.TargetShowsCopy = false;
  history_.SetClean();
}

void TargetWorkflow::PlaceLoadedPicture(const QString& editName, const QImage& picture) {
  history_.RecordWholePicture(editName, [&] {
    target_.StopAnimationNow();
    target_.Layers().L1_Image().SetPicture(picture);
    // A set read from a file is empty where it is black, as the companion reads it: its census and
    // Compact count the black cells empty, and pages added to it are black as well.
    targetDoc_.SetFill(colours::Empty);
    FitPagesToPicture();
  });
}

bool TargetWorkflow::ReloadFromImageFile() {
  const Operations::Operation operation(operations_);
  const std::optional<QString> chosen = dialogs_.OpenPictureFile(doc_.DialogPreset(doc_.TextureSetFile));
  if (!chosen || !OpenTextureSet(*chosen)) {
    view_.TargetShowsCopy = false;
    return false;
  }
  return true;
}

bool TargetWorkflow::OpenTextureSet(const QString& fileName) {
  const Operations::Operation operation(operations_);
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  if (!Reported(dialogs_, fileName, pictures_.LoadImageAs32BitsFile(picture, fileName, format))) return false;
  PlaceLoadedPicture(QCoreApplication::translate("mosaicor::TargetHistory", "Reload"), picture);
  doc_.TextureSetFile = fileName;
  ShowTargetFile(fileName);
  history_.SetClean();
  return true;
}

void TargetWorkflow::LoadTarget(const QString& fileName) {
  const Operations::Operation operation(operations_);
  // A dropped set replaces the Target as Reload does, so unsaved work is guarded as there.
  if (fileName.isEmpty() || !ConfirmDiscard()) return;
  QImage picture;
  if (!Reported(dialogs_, fileName, pictures_.LoadImageFile(picture, fileName))) return;
  PlaceLoadedPicture(QCoreApplication::translate("mosaicor::TargetHistory", "Drop on Target"), picture);
  doc_.TextureSetFile = fileName;
  ShowTargetFile(fileName);
}

void TargetWorkflow::CopyAll() {
  const Operations::Operation operation(operations_);
  source_.StopAnimationNow();
  const QRect r = source_.Grid().GridRect();
  const ImageLayer& sourcePicture = source_.Layers().L1_Image();
  QImage copied;
  if (!r.isEmpty()) {
    copied = sourcePicture.IsBlank() ? QImage(r.size(), QImage::Format_ARGB32) : sourcePicture.StoredPicture().copy(r);
    if (sourcePicture.IsBlank()) copied.fill(0xFF000000u);
  }
  source_.Layers().L4_Clip().SetPicture(copied);
  history_.RecordWholePicture(QCoreApplication::translate("mosaicor::TargetHistory", "Copy All"), [&] {
    target_.StopAnimationNow();
    target_.Layers().L1_Image().SetPicture(copied);
    targetDoc_.SetFill(doc_.FillerColour);
    FitPagesToPicture();
  });
  view_.TargetShowsCopy = true;
}

void TargetWorkflow::SetPageCount(PageCounter counter, int value) {
  const TargetPages before = targetDoc_.Pages();
  TargetPages pages = before;
  int& moved = counter == PageCounter::Width ? pages.width : pages.height;
  const int highest = counter == PageCounter::Width ? kSetMaxWidth / kSetPageSide : kSetMaxHeightPages;
  moved = std::clamp(value, 1, highest);
  if (pages == before) return;
  const Operations::Operation operation(operations_, Change::Document);
  targetDoc_.SetPages(pages);
  history_.RecordPageCount(before);
}

void TargetWorkflow::FitPagesToPicture() {
  if (!targetDoc_.FitPagesToPicture()) return;
  const QSize now = targetDoc_.Picture().PictureSize();
  dialogs_.ShowMessage(texts::CropMessageFormat().arg(QStringLiteral("%1x%2").arg(now.width()).arg(now.height())));
}

void TargetWorkflow::Recover(const RecoveryState& state) {
  const Operations::Operation operation(operations_);
  history_.RecordWholePicture(QCoreApplication::translate("mosaicor::TargetHistory", "Recover"), [&] {
    targetDoc_.Picture().SetPicture(state.target);
    targetDoc_.SetFill(state.fill);
    // The window keeps its place unless the set's width changes.
    targetDoc_.SetPages(TargetPages{state.widthPages, state.heightPages});
  });
  for (const auto& [keptName, value] : state.paths) {
    if (keptName == Document::LastFolderName) doc_.LastFolder = value;
    for (const auto& [name, field] : doc_.NamedFiles())
      if (keptName == name) *field = KeptFile(value);
  }
  // Copies written before the Target's own file was kept name it only as the last save.
  if (!doc_.TargetFile) doc_.TargetFile = doc_.SaveFile;
  if (doc_.TargetFile) view_.TargetShowsCopy = false;
}

}  // namespace mosaicor
