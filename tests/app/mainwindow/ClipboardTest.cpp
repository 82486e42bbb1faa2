// Tiles through the clipboard within one program: the check boxes, Export, Import of any
// picture, AUTO EXPORT of raw cuts, AUTO IMPORT.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "WindowTestSupport.h"

namespace mosaicor::testing {
namespace {

struct ClipFixture : WindowFixture {
  ClipFixture() {
    emit c().Source->DragNDrop(WritePicture("source.tga", Coordinates(256, 256)));
    QGuiApplication::clipboard()->clear();
  }
  QImage OnClipboard() { return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32); }
};

TEST(Clipboard, CheckBoxesAreNeverBothChecked) {
  ClipFixture f;
  f.c().CheckBoxExport->click();
  EXPECT_TRUE(f.source().Cursor().AutoExport());
  EXPECT_TRUE(f.target().Cursor().AutoExport());
  f.c().CheckBoxImport->click();
  EXPECT_FALSE(f.c().CheckBoxExport->isChecked());
  EXPECT_FALSE(f.source().Cursor().AutoExport());
  EXPECT_FALSE(f.target().Cursor().AutoExport());
  f.c().CheckBoxExport->click();
  EXPECT_FALSE(f.c().CheckBoxImport->isChecked());
  // Create New keeps the Target's flag equal to the check box.
  f.bench().Targets().ReInitTarget();
  EXPECT_TRUE(f.target().Cursor().AutoExport());
}

TEST(Clipboard, ExportSendsTheWholeTileOpaque) {
  ClipFixture f;
  Drag(f.c().Source, QPoint(10, 10), QPoint(100, 100));
  f.c().ClipExportButton->click();
  const QImage sent = QGuiApplication::clipboard()->image();
  EXPECT_EQ(sent.size(), QSize(128, 128));
  EXPECT_FALSE(sent.hasAlphaChannel());
  EXPECT_EQ(Rgb(sent), Rgb(Coordinates(256, 256).copy(0, 0, 128, 128)));
  EXPECT_EQ(f.c().ClipTileImage->pixmap().size(), QSize(64, 64));
}

TEST(Clipboard, ImportTakesPicturesOfAnyFormat) {
  ClipFixture f;
  for (QImage::Format format : {QImage::Format_Indexed8, QImage::Format_RGB888, QImage::Format_ARGB32}) {
    QImage picture = Coordinates(96, 40).convertToFormat(format);
    QGuiApplication::clipboard()->setImage(picture);
    f.c().ClipImportButton->click();
    EXPECT_EQ(Rgb(f.doc().ClipTile), Rgb(picture)) << format;
    EXPECT_EQ(Rgb(f.target().Layers().L4_Clip().PictureCopy()), Rgb(picture));
    EXPECT_EQ(f.target().Cursor().Mode(), ModePaste);
  }
  // No picture: nothing happens.
  f.target().Cursor().SetModeToIdle();
  QGuiApplication::clipboard()->setText(QStringLiteral("text"));
  f.c().ClipImportButton->click();
  EXPECT_EQ(f.target().Cursor().Mode(), ModeIdle);
}

TEST(Clipboard, AutoExportSendsTheRawCutBeforeTheSelector) {
  ClipFixture f;
  f.c().CheckBoxExport->click();
  f.c().ClipTileSizeScroll->setValue(static_cast<int>(TileSizeMode::Fixed64));
  Press(f.c().Source, QPoint(10, 10));
  EXPECT_EQ(f.OnClipboard().size(), QSize(64, 64));  // the pressed cell
  Move(f.c().Source, QPoint(100, 100), Qt::LeftButton);
  Release(f.c().Source, QPoint(100, 100));
  EXPECT_EQ(f.OnClipboard(), Rgb(Coordinates(256, 256).copy(0, 0, 128, 128)));
  EXPECT_EQ(f.target().Layers().L4_Clip().PictureSize(), QSize(64, 64));
}

TEST(Clipboard, AutoImportTakesEveryPictureAndIgnoresText) {
  ClipFixture f;
  f.c().CheckBoxImport->click();
  const QImage picture = Coordinates(64, 64);
  QGuiApplication::clipboard()->setImage(picture);
  QCoreApplication::processEvents();
  EXPECT_EQ(Rgb(f.doc().ClipTile), Rgb(picture));
  EXPECT_EQ(f.target().Cursor().Mode(), ModePaste);
  f.target().Cursor().SetModeToIdle();
  QGuiApplication::clipboard()->setText(QStringLiteral("words"));
  QCoreApplication::processEvents();
  EXPECT_EQ(f.target().Cursor().Mode(), ModeIdle);
  EXPECT_EQ(Rgb(f.doc().ClipTile), Rgb(picture));
}

}  // namespace
}  // namespace mosaicor::testing
