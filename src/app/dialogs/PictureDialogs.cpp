#include "app/dialogs/PictureDialogs.h"

#include "app/dialogs/DialogFilters.h"
#include "app/texts/Reasons.h"
#include "core/imagefiles/PictureConversion.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

namespace mosaicor {

const char* const PictureDialogs::kOpenTitle =
    QT_TRANSLATE_NOOP("mosaicor::PictureDialogs", "   ----- LOADING IMAGE FILE -----");
//: Name|patterns pairs: translate the names only, keep every | and pattern.
const char* const PictureDialogs::kOpenFilter =
    QT_TRANSLATE_NOOP("mosaicor::PictureDialogs",
                      "Supported Input Files|*.BMP;*.JPG;*.JPEG;*.TGA;*.TIF;*.TIFF;*.PSD;*.PSP;*.PSPIMAGE;*.PCX;*.PNG|"
                      "Windows or OS/2 Bitmap (*.bmp)|*.BMP|Jpeg File Interchange (*.jpg;*.jpeg)|*.JPG;*.JPEG|"
                      "Truevision Targa (*.tga)|*.TGA|Tagged Image File (*.tif;*.tiff)|*.TIF;*.TIFF|"
                      "Adobe Photoshop (*.psd)|*.PSD|Paint Shop Pro Image (*.psp;*.pspimage)|*.PSP;*.PSPIMAGE|"
                      "ZSoft Paintbrush (*.pcx)|*.PCX|Portable Network Graphics (*.png)|*.PNG|All Files (*.*)|*.*");
const char* const PictureDialogs::kSaveTitle =
    QT_TRANSLATE_NOOP("mosaicor::PictureDialogs", "   ----- SAVING IMAGE FILE -----");
//: Name|patterns pairs: translate the names only, keep every | and pattern.
const char* const PictureDialogs::kSaveFilter =
    QT_TRANSLATE_NOOP("mosaicor::PictureDialogs",
                      "Supported Output Files|*.TGA;*.BMP;*.JPG;*.JPEG;*.PNG|Windows or OS/2 Bitmap (*.bmp)|*.BMP|"
                      "Jpeg File Interchange (*.jpg;*.jpeg)|*.JPG;*.JPEG|Truevision Targa (*.tga)|*.TGA|"
                      "Portable Network Graphics (*.png)|*.PNG|All Files (*.*)|*.*");

bool PictureDialogs::Shown(const QString& fileName, const PictureOutcome& outcome) {
  if (outcome) return true;
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), TranslatedFailureMessage(fileName, outcome),
                  QMessageBox::Ok, parentWindow_);
  box.exec();
  return false;
}

namespace {

constexpr int kPreviewSide = 160;

// A preview beside the file list: the picture under the selection, scaled into a square. It never
// raises a message box while the user browses: a file it cannot show leaves it empty.
void AddPreview(QFileDialog* dialog, const ImageFileModule& quietFiles) {
  auto* preview = new QLabel(dialog);
  preview->setObjectName(QStringLiteral("preview"));
  preview->setFixedSize(kPreviewSide, kPreviewSide);
  preview->setAlignment(Qt::AlignCenter);
  preview->setFrameShape(QFrame::StyledPanel);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout())) grid->addWidget(preview, 1, grid->columnCount(), 2, 1);
  QObject::connect(dialog, &QFileDialog::currentChanged, preview, [preview, &quietFiles](const QString& path) {
    QImage picture;
    PixelFormatCode format = PixelFormatCode::Device;
    if (!QFileInfo(path).isFile() || !quietFiles.LoadImageFile(picture, path, &format).Ok()) {
      preview->clear();
      return;
    }
    // 15-bit pictures hold their alpha in bit 15; show their colours the way they load.
    const QImage shown = ConvertTo32Bits(picture, format).convertToFormat(QImage::Format_RGB32);
    preview->setPixmap(
        QPixmap::fromImage(shown.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  });
}

QFileDialog* MakeDialog(QWidget* parent, const QString& title, const QString& filter) {
  auto* dialog = new QFileDialog(parent, title);
  dialog->resize(kFileDialogSize);
  // Qt's own dialog, so that the preview can sit beside the list; no places bar.
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  dialog->setOption(QFileDialog::HideNameFilterDetails, true);
  dialog->setNameFilters(QtNameFilters(filter));
  if (auto* sidebar = dialog->findChild<QWidget*>(QStringLiteral("sidebar"))) sidebar->hide();
  return dialog;
}

}  // namespace

PictureDialogs::PictureDialogs(QWidget* parentWindow) : QObject(parentWindow), parentWindow_(parentWindow) {
  InitDialogs(parentWindow);
}

void PictureDialogs::InitDialogs(QWidget* parentWindow) {
  OpenPictureDialog1 = MakeDialog(parentWindow, tr(kOpenTitle), tr(kOpenFilter));
  OpenPictureDialog1->setAcceptMode(QFileDialog::AcceptOpen);
  OpenPictureDialog1->setFileMode(QFileDialog::ExistingFile);
  AddPreview(OpenPictureDialog1, files_);

  SavePictureDialog1 = MakeDialog(parentWindow, tr(kSaveTitle), tr(kSaveFilter));
  SavePictureDialog1->setAcceptMode(QFileDialog::AcceptSave);
  SavePictureDialog1->setFileMode(QFileDialog::AnyFile);
  SavePictureDialog1->setDefaultSuffix(QStringLiteral("TGA"));
  SavePictureDialog1->setOption(QFileDialog::DontConfirmOverwrite, false);
  AddPreview(SavePictureDialog1, files_);
}

QLabel* PictureDialogs::PreviewOf(QFileDialog* dialog) const {
  return dialog->findChild<QLabel*>(QStringLiteral("preview"));
}

bool PictureDialogs::LoadImageAs32BitsDialog(QImage& image, PixelFormatCode& SourcePixelFormat) {
  const bool chosen = OpenPictureDialog1->exec() == QDialog::Accepted && !OpenPictureDialog1->selectedFiles().isEmpty();
  QCoreApplication::processEvents();
  if (!chosen) return false;
  return LoadImageAs32BitsFile(image, OpenPictureDialog1->selectedFiles().constFirst(), SourcePixelFormat);
}

bool PictureDialogs::SaveImageAs24BitsDialog(const QImage& image, int shownWidth, int shownHeight) {
  const bool chosen = SavePictureDialog1->exec() == QDialog::Accepted && !SavePictureDialog1->selectedFiles().isEmpty();
  QCoreApplication::processEvents();
  if (!chosen) return false;
  return SaveImageAs24BitsFile(image, shownWidth, shownHeight, SavePictureDialog1->selectedFiles().constFirst());
}

bool PictureDialogs::LoadImageAs32BitsFile(QImage& image, const QString& fileName, PixelFormatCode& SourcePixelFormat) {
  return Shown(fileName, files_.LoadImageAs32BitsFile(image, fileName, SourcePixelFormat));
}

bool PictureDialogs::SaveImageAs24BitsFile(const QImage& image, int shownWidth, int shownHeight,
                                           const QString& fileName) {
  return Shown(fileName, files_.SaveImageAs24BitsFile(image, shownWidth, shownHeight, fileName));
}

}  // namespace mosaicor
