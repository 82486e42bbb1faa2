#include "app/dialogs/PictureDialogs.h"

#include "app/dialogs/DialogFilters.h"
#include "core/imagedecoding/PictureDecoder.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/imagefiles/PictureConversion.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

namespace mosaicor {

const char* const PictureDialogs::kOpenTitle =
    QT_TRANSLATE_NOOP("mosaicor::PictureDialogs", "   ----- LOADING IMAGE FILE -----");
const char* const PictureDialogs::kSaveTitle =
    QT_TRANSLATE_NOOP("mosaicor::PictureDialogs", "   ----- SAVING IMAGE FILE -----");

namespace {

constexpr int kPreviewSide = 160;

// "*.BMP;*.JPG" for {".BMP", ".JPG"}.
QString Patterns(const QStringList& extensions) { return QLatin1Char('*') + extensions.join(QLatin1String(";*")); }

// A format's own entry: "Truevision Targa (*.tga)|*.TGA".
QString Entry(const PictureDecoder& format) {
  return QStringLiteral("%1 (%2)|%3")
      .arg(QCoreApplication::translate("PictureFormat", format.name), Patterns(format.extensions).toLower(),
           Patterns(format.extensions));
}

// The first entry, for every extension of the list; the format entries; the last, for all files.
QString Filter(const QString& supported, const QStringList& extensions, const QStringList& entries) {
  return QStringList{supported, Patterns(extensions), entries.join(QLatin1Char('|')),
                     PictureDialogs::tr("All Files (*.*)"), QStringLiteral("*.*")}
      .join(QLatin1Char('|'));
}

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

QString PictureDialogs::OpenFilter() {
  QStringList extensions, entries;
  for (const PictureDecoder& format : PictureDecoders()) {
    extensions << format.extensions;
    entries << Entry(format);
  }
  return Filter(tr("Supported Input Files"), extensions, entries);
}

QString PictureDialogs::SaveFilter(bool onePage) {
  QStringList textureSets, pages;
  for (const PictureWriter& writer : PictureWriters())
    (writer.SavesTextureSets() ? textureSets : pages) << writer.extensions;
  // A saved format's entry is its decoder's, in the open dialog's order.
  QStringList entries;
  for (const PictureDecoder& format : PictureDecoders())
    if (textureSets.contains(format.extensions.constFirst()) ||
        (onePage && pages.contains(format.extensions.constFirst())))
      entries << Entry(format);
  return Filter(tr("Supported Output Files"), textureSets, entries);
}

PictureDialogs::PictureDialogs(const ImageFileModule& files, QWidget* parentWindow) : QObject(parentWindow) {
  InitDialogs(parentWindow, files);
}

void PictureDialogs::InitDialogs(QWidget* parentWindow, const ImageFileModule& files) {
  OpenPictureDialog1 = MakeDialog(parentWindow, tr(kOpenTitle), OpenFilter());
  OpenPictureDialog1->setAcceptMode(QFileDialog::AcceptOpen);
  OpenPictureDialog1->setFileMode(QFileDialog::ExistingFile);
  AddPreview(OpenPictureDialog1, files);

  SavePictureDialog1 = MakeDialog(parentWindow, tr(kSaveTitle), SaveFilter(false));
  SavePictureDialog1->setAcceptMode(QFileDialog::AcceptSave);
  SavePictureDialog1->setFileMode(QFileDialog::AnyFile);
  SavePictureDialog1->setDefaultSuffix(QStringLiteral("TGA"));
  SavePictureDialog1->setOption(QFileDialog::DontConfirmOverwrite, false);
  AddPreview(SavePictureDialog1, files);
}

QLabel* PictureDialogs::PreviewOf(QFileDialog* dialog) const {
  return dialog->findChild<QLabel*>(QStringLiteral("preview"));
}

}  // namespace mosaicor
