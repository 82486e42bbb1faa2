#include "app/dialogs/PictureDialogs.h"

#include "PictureWriters.h"
#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
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

QByteArray Tga24(const QImage& picture) {
  TgaSpec spec;
  spec.descriptor = 0x20, spec.width = picture.width(), spec.height = picture.height();
  spec.pixels = TgaPixelsOf(picture, 24);
  return WriteTga(spec);
}

TEST(PictureDialogs, TitlesFiltersAndOptions) {
  PictureDialogs fio;
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

TEST(PictureDialogs, PreviewShowsTheSelectedPicture) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("f.tga"), Tga24(MakeFPicture(64, 32))));
  PictureDialogs fio;
  emit fio.OpenPictureDialog1->currentChanged(dir.filePath("f.tga"));
  const QLabel* preview = fio.PreviewOf(fio.OpenPictureDialog1);
  ASSERT_FALSE(preview->pixmap().isNull());
  EXPECT_EQ(preview->pixmap().width(), 160);
  emit fio.OpenPictureDialog1->currentChanged(dir.filePath("absent.tga"));
  EXPECT_TRUE(preview->pixmap().isNull());
}

TEST(PictureDialogs, LoadDialogLoadsTheChosenFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("f.tga"), Tga24(MakeFPicture(8, 8))));
  PictureDialogs fio;
  fio.OpenPictureDialog1->setDirectory(dir.path());
  fio.OpenPictureDialog1->selectFile(dir.filePath("f.tga"));
  WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
  QImage image;
  PixelFormatCode format;
  ASSERT_TRUE(fio.LoadImageAs32BitsDialog(image, format));
  EXPECT_EQ(format, PixelFormatCode::TwentyFourBits);
  EXPECT_EQ(image.size(), QSize(8, 8));
}

TEST(PictureDialogs, CancelledDialogsDoNothing) {
  PictureDialogs fio;
  WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
  QImage image;
  PixelFormatCode format = PixelFormatCode::Custom;
  EXPECT_FALSE(fio.LoadImageAs32BitsDialog(image, format));
  EXPECT_TRUE(image.isNull());
  WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
  EXPECT_FALSE(fio.SaveImageAs24BitsDialog(MakeFPicture(4, 4), 4, 4));
}

TEST(PictureDialogs, SaveDialogAddsTgaToANameWithoutExtension) {
  QTemporaryDir dir;
  PictureDialogs fio;
  fio.SavePictureDialog1->setDirectory(dir.path());
  fio.SavePictureDialog1->selectFile(dir.filePath("texture"));
  WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
  ASSERT_TRUE(fio.SaveImageAs24BitsDialog(MakeFPicture(256, 512), 256, 256));
  const QString chosen = fio.SavePictureDialog1->selectedFiles().value(0);
  EXPECT_EQ(chosen, dir.filePath("texture.TGA"));
  EXPECT_EQ(QFile(chosen).size(), 18 + 256 * 256 * 3);
}

// The next modal window must be a message box: its text goes to `shown`, and it is answered OK.
void AcceptNextMessageBox(QString& shown) {
  WhenModal([&shown](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    shown = box->text();
    box->accept();
  });
}

TEST(PictureDialogs, FailuresShowAPlainMessageBox) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("x.xcf"), "gimp xcf v011"));
  PictureDialogs fio;
  QString shown;
  AcceptNextMessageBox(shown);
  QImage image;
  PixelFormatCode format;
  EXPECT_FALSE(fio.LoadImageAs32BitsFile(image, dir.filePath("x.xcf"), format));
  EXPECT_EQ(shown, dir.filePath("x.xcf") + "\n.XCF format not supported.");
}

// The file, then the sentence with the reason below it; a file without a picture in it is said as that.
TEST(PictureDialogs, UndecodableFilesShowTheSentenceAndTheReasonBelowIt) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("empty.tga"), QByteArray()));
  TgaSpec huge;
  huge.width = 65535, huge.height = 65535;
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("huge.tga"), WriteTga(huge)));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("short.tga"), WriteTga(huge).left(10)));
  PictureDialogs fio;
  for (const auto& [name, reason] :
       {std::pair{"empty.tga", "the file is empty"},
        std::pair{"huge.tga", "the picture is too large (65535 x 65535 pixels)"},
        std::pair{"short.tga",
                  "This file has a non supported compression scheme.\nthe file ends inside the TGA header"}}) {
    QString shown;
    AcceptNextMessageBox(shown);
    QImage image;
    PixelFormatCode format;
    EXPECT_FALSE(fio.LoadImageAs32BitsFile(image, dir.filePath(name), format));
    EXPECT_EQ(shown, dir.filePath(name) + "\n" + reason);
  }
}

}  // namespace

}  // namespace mosaicor
