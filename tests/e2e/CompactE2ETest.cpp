// The real window on a real X server: a set with known duplicates, its census up to rotation and
// mirror turned on from the View menu, Edit > Compact Set… answered in its real dialog, then undone
// with the keyboard. Screenshots of the overlay, the dialog and both sides of the undo are kept.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "MainWindowTest.h"
#include "TestPictures.h"
#include "app/mainwindow/CensusOverlay.h"
#include "app/workbench/TargetCensus.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/TargetWorkflow.h"
#include "core/canvas/TileTransforms.h"

namespace mosaicor::e2e {
namespace {

struct CompactFixture : MainWindowTest {
  QImage TargetPixels() { return Rgb(bench().Target().Layers().L1_Image().PictureCopy()); }
  // Opens a menu of the bar and clicks one of its entries, by the pointer.
  void ChooseFromMenu(const QString& menuText, const QString& actionName) {
    QMenuBar* bar = window->menuBar();
    QAction* menuAction = nullptr;
    for (QAction* action : bar->actions())
      if (action->text() == menuText) menuAction = action;
    ASSERT_NE(menuAction, nullptr);
    ClickAt(OnScreen(bar, bar->actionGeometry(menuAction).center()));
    QMenu* menu = menuAction->menu();
    ASSERT_TRUE(WaitUntil([&] { return menu->isVisible(); }));
    QAction* entry = window->findChild<QAction*>(actionName);
    ASSERT_NE(entry, nullptr);
    ClickAt(OnScreen(menu, menu->actionGeometry(entry).center()));
  }
};

TEST_F(CompactFixture, CompactASetWithKnownDuplicatesThenUndo) {
  Open();
  // An F at cell 0, its quarter turn at 5, a copy at 9, its mirror at 14, a plain cell at 12.
  const QImage letter = Rgb(MakeFPicture(64, 64));
  QImage plain(64, 64, QImage::Format_RGB32);
  plain.fill(qRgb(40, 90, 140));
  QImage set(256, 512, QImage::Format_RGB32);
  set.fill(qRgb(0, 0, 0));  // empty in a set read from a file, as the companion reads it
  const auto put = [&set](int cell, const QImage& tile) {
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) set.setPixel(cell % 4 * 64 + x, cell / 4 * 64 + y, tile.pixel(x, y));
  };
  put(0, letter), put(5, RotatedTile(letter)), put(9, letter), put(14, HFlippedTile(letter)), put(12, plain);
  const QString path = dir.filePath(QStringLiteral("level.png"));
  ASSERT_TRUE(set.save(path));
  ASSERT_TRUE(bench().Targets().OpenTextureSet(path));
  const QImage before = TargetPixels();

  ChooseFromMenu(QStringLiteral("&View"), QStringLiteral("TileCensusAction"));
  ChooseFromMenu(QStringLiteral("&View"), QStringLiteral("CensusSymmetricAction"));
  auto* overlay = c().Target->BasePanel->findChild<CensusOverlay*>();
  ASSERT_TRUE(WaitUntil([&] { return bench().Census().Mode().symmetric && overlay->Budget()->isVisible(); }));
  EXPECT_EQ(overlay->Counts()->text(), QStringLiteral("32 cells: 5 used, 2 unique, 27 empty"));
  Pump(300);
  Screenshot(QStringLiteral("compact-1-census-up-to-rotation-and-mirror"));

  QString asked;
  WhenDialogOpens<QMessageBox>([&asked](QMessageBox* box) {
    asked = box->text();
    Pump(200);
    Screenshot(QStringLiteral("compact-2-dialog"));
    Keys(QStringLiteral("Return"));
  });
  QString offered;
  WhenDialogOpens<QFileDialog>([&offered](QFileDialog* dialog) {
    offered = dialog->selectedFiles().value(0);
    Keys(QStringLiteral("Escape"));
  });
  ChooseFromMenu(QStringLiteral("&Edit"), QStringLiteral("CompactSetAction"));
  ASSERT_TRUE(WaitUntil([&] { return bench().History().UndoName() == QLatin1String("Compact Set"); }, 30000));
  ASSERT_TRUE(WaitUntil([&] { return !offered.isEmpty(); }, 30000));
  EXPECT_EQ(asked, QStringLiteral("Compact the Target?\n\n"
                                  "Duplicates: copies, also turned or mirrored\n"
                                  "Cells: 32 → 16 (the 64 x 64 places of the shown pages)\n"
                                  "Pages: 2 → 1\n"
                                  "Tiles: 5 → 2 (the cells that hold something; the level editor takes 256)\n\n"
                                  "Each cell moves on its own: a texture that spans several cells may be split.\n"
                                  "Afterwards you can save the move map, which tells a level's faces where their "
                                  "cells went."));
  EXPECT_TRUE(offered.endsWith(QStringLiteral("level-moves.csv"))) << offered.toStdString();
  EXPECT_EQ(bench().TargetDoc().Pages().height, 1);
  EXPECT_EQ(TargetPixels().copy(64, 0, 64, 64), plain);
  EXPECT_TRUE(window->isWindowModified());
  Pump(300);
  Screenshot(QStringLiteral("compact-3-compacted"));

  // The keyboard goes back to the window the dialogs left.
  Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window->winId())});
  ASSERT_TRUE(WaitUntil([&] { return window->isActiveWindow() && !QApplication::activeModalWidget(); }, 20000));
  Keys(QStringLiteral("ctrl+z"));
  ASSERT_TRUE(WaitUntil([&] { return bench().TargetDoc().Pages().height == 2; }));
  EXPECT_EQ(TargetPixels(), before);
  EXPECT_EQ(overlay->Counts()->text(), QStringLiteral("32 cells: 5 used, 2 unique, 27 empty"));
  Pump(300);
  Screenshot(QStringLiteral("compact-4-undone"));
}

}  // namespace
}  // namespace mosaicor::e2e
