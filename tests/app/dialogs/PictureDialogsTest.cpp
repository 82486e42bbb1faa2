#include "app/dialogs/PictureDialogs.h"
#include "app/dialogs/LevelLoadingWindow.h"
#include "app/mainwindow/DialogChooser.h"
#include "app/platform/TonePlayer.h"
#include "core/imagedecoding/PictureDecoder.h"
#include "core/imagefiles/ImageFileModule.h"

#include "PictureWriters.h"
#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace mosaicor {

namespace {

// Runs `action` on the modal dialog once it is up.
void WhenModal(std::function<void(QWidget*)> action) {
  QTimer::singleShot(0, [action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return WhenModal(action);
    action(modal);
  });
}

struct NoTones : ITonePlayer {
  void PlayTone(int, int) override {}
};

TEST(PictureDialogs, SavingAOnePageSetAlsoOffersTheSkyAndFontFiles) {
  const ImageFileModule files;
  PictureDialogs pictures(files);
  NoTones tones;
  LevelLoadingWindow levels(nullptr, tones);
  DialogChooser chooser(nullptr, pictures, levels);
  for (const bool onePage : {false, true}) {
    QStringList offered;
    WhenModal([&offered](QWidget* modal) {
      offered = static_cast<QFileDialog*>(modal)->nameFilters();
      static_cast<QFileDialog*>(modal)->reject();
    });
    EXPECT_FALSE(chooser.SaveTargetFile(QString(), onePage));
    EXPECT_EQ(offered.filter(QStringLiteral("(*.RAW)")).size(), onePage ? 1 : 0);
    EXPECT_EQ(offered.filter(QStringLiteral("(*.PC)")).size(), onePage ? 1 : 0);
    EXPECT_TRUE(offered.constLast().startsWith(QStringLiteral("All Files")));
  }
  EXPECT_EQ(pictures.SavePictureDialog1->nameFilters().filter(QStringLiteral("(*.RAW)")).size(), 0);
}

TEST(PictureDialogs, TitlesFiltersAndOptions) {
  ImageFileModule files;
  PictureDialogs fio(files);
  EXPECT_EQ(fio.OpenPictureDialog1->windowTitle(), "   ----- LOADING IMAGE FILE -----");
  EXPECT_EQ(fio.SavePictureDialog1->windowTitle(), "   ----- SAVING IMAGE FILE -----");
  const QStringList open = fio.OpenPictureDialog1->nameFilters();
  ASSERT_EQ(open.size(), 13);
  EXPECT_EQ(open[0],
            "Supported Input Files (*.BMP *.JPG *.JPEG *.TGA *.TIF *.TIFF *.PSD *.PSP *.PSPIMAGE *.PCX *.PNG *.GIF *.RAW "
            "*.PC)");
  EXPECT_EQ(open[1], "Windows or OS/2 Bitmap (*.bmp) (*.BMP)");
  EXPECT_EQ(open[2], "Jpeg File Interchange (*.jpg;*.jpeg) (*.JPG *.JPEG)");
  EXPECT_EQ(open[4], "Tagged Image File (*.tif;*.tiff) (*.TIF *.TIFF)");
  EXPECT_EQ(open[6], "Paint Shop Pro Image (*.psp;*.pspimage) (*.PSP *.PSPIMAGE)");
  EXPECT_EQ(open[8], "Portable Network Graphics (*.png) (*.PNG)");
  EXPECT_EQ(open[9], "Graphics Interchange Format (*.gif) (*.GIF)");
  EXPECT_EQ(open[12], "All Files (*.*) (*.*)");
  const QStringList save = fio.SavePictureDialog1->nameFilters();
  ASSERT_EQ(save.size(), 6);
  EXPECT_EQ(save[0], "Supported Output Files (*.TGA *.BMP *.JPG *.JPEG *.PNG)");
  EXPECT_EQ(save[2], "Jpeg File Interchange (*.jpg;*.jpeg) (*.JPG *.JPEG)");
  EXPECT_EQ(save[4], "Portable Network Graphics (*.png) (*.PNG)");
  EXPECT_EQ(fio.SavePictureDialog1->defaultSuffix(), "TGA");
  EXPECT_EQ(fio.SavePictureDialog1->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(fio.SavePictureDialog1->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_NE(fio.PreviewOf(fio.OpenPictureDialog1), nullptr);
  EXPECT_NE(fio.PreviewOf(fio.SavePictureDialog1), nullptr);
  // Large enough for a long path and the size column.
  for (QFileDialog* dialog : {fio.OpenPictureDialog1, fio.SavePictureDialog1}) {
    dialog->show();
    EXPECT_GE(dialog->width(), 900);
    EXPECT_GE(dialog->height(), 560);
    dialog->hide();
  }
}

// The patterns Qt reads from a name filter: those in its last brackets.
QStringList PatternsOf(const QString& nameFilter) {
  return nameFilter.section(QLatin1Char('('), -1).chopped(1).split(QLatin1Char(' '));
}

TEST(PictureDialogs, FiltersOfferEveryFormatOfTheCoresTables) {
  const ImageFileModule files;
  PictureDialogs fio(files);
  const QStringList open = fio.OpenPictureDialog1->nameFilters();
  for (const PictureDecoder& format : PictureDecoders()) {
    QStringList patterns;
    for (const QString& extension : format.extensions) patterns << "*" + extension;
    for (const QString& pattern : patterns) EXPECT_TRUE(PatternsOf(open[0]).contains(pattern)) << pattern.toStdString();
    EXPECT_EQ(std::count_if(open.begin(), open.end(), [&](const QString& f) { return PatternsOf(f) == patterns; }), 1)
        << format.name;
  }
  const QStringList saved = PatternsOf(fio.SavePictureDialog1->nameFilters()[0]);
  for (const PictureWriter& writer : PictureWriters())
    for (const QString& extension : writer.extensions)
      EXPECT_EQ(saved.contains("*" + extension), writer.SavesTextureSets()) << extension.toStdString();
}

TEST(PictureDialogs, PreviewShowsTheSelectedPicture) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("f.tga"), WriteTga24(MakeFPicture(64, 32))));
  ImageFileModule files;
  PictureDialogs fio(files);
  emit fio.OpenPictureDialog1->currentChanged(dir.filePath("f.tga"));
  const QLabel* preview = fio.PreviewOf(fio.OpenPictureDialog1);
  ASSERT_FALSE(preview->pixmap().isNull());
  EXPECT_EQ(preview->pixmap().width(), 160);
  emit fio.OpenPictureDialog1->currentChanged(dir.filePath("absent.tga"));
  EXPECT_TRUE(preview->pixmap().isNull());
}

TEST(PictureDialogs, SaveDialogAddsTgaToANameWithoutExtension) {
  QTemporaryDir dir;
  ImageFileModule files;
  PictureDialogs fio(files);
  fio.SavePictureDialog1->setDirectory(dir.path());
  fio.SavePictureDialog1->selectFile(dir.filePath("texture"));
  WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
  ASSERT_EQ(fio.SavePictureDialog1->exec(), QDialog::Accepted);
  EXPECT_EQ(fio.SavePictureDialog1->selectedFiles().value(0), dir.filePath("texture.TGA"));
}

}  // namespace

}  // namespace mosaicor
