// Pictures added as tiles (by the dialog and by a drop of several files on the Target), and the
// tile census over the Target: its counts, numbers, the double click on a number, and how it
// follows edits.

#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

#include "GifWriter.h"
#include "WindowTestSupport.h"
#include "app/mainwindow/CensusOverlay.h"
#include "app/workbench/PackWorkflow.h"
#include "app/workbench/TargetCensus.h"

namespace mosaicor::testing {
namespace {

// An "F" on a plain ground: flips and swapped channels show at once.
QImage FPicture(int width, int height, QRgb ground, QRgb ink) {
  QImage picture(width, height, QImage::Format_ARGB32);
  picture.fill(ground);
  for (int y = height / 8; y < height * 7 / 8; ++y)
    for (int x = width / 4; x < width * 3 / 4; ++x)
      if (x < width * 3 / 8 || y < height / 4 || (y >= height * 7 / 16 && y < height * 9 / 16 && x < width / 2))
        picture.setPixel(x, y, ink);
  return picture;
}

QImage Cell(const QImage& picture, int x, int y, int w = 64, int h = 64) { return Rgb(picture).copy(x, y, w, h); }

struct PackFixture : WindowFixture {
  QImage a = FPicture(64, 64, qRgb(200, 30, 30), qRgb(250, 250, 250));
  QImage wide = FPicture(100, 50, qRgb(20, 160, 40), qRgb(0, 0, 90));
  QString aPath = WritePicture("a.tga", a), bPath = WritePicture("b.tga", a), widePath = WritePicture("c.tga", wide);
  QAction* CensusAction() { return window->findChild<QAction*>(QStringLiteral("TileCensusAction")); }
  CensusOverlay* Overlay() { return c().Target->BasePanel->findChild<CensusOverlay*>(); }
};

TEST(PackPictures, EachPictureGoesIntoTheNextFreeCellsAndFailuresAreToldOnceAtTheEnd) {
  PackFixture f;
  // Cell 1 holds something: it is skipped.
  f.target().Layers().L1_Image().Fill(QRect(64, 0, 64, 64), qRgb(1, 2, 3));
  f.bench().History().SetClean();
  const QImage before = Shown(f.target());
  const QString broken = f.Path("broken.png");
  WriteBytesToFile(broken, "not a picture");
  const QString level = f.Path("room.tr4");
  WriteBytesToFile(level, QByteArray("TR4\0", 4));
  f.dialogs.fileLists.push_back({f.aPath, broken, f.bPath, level, f.widePath, f.Path("missing.tga")});
  ASSERT_TRUE(f.bench().Packs().AddPicturesAsTilesDialog());

  const QImage set = Shown(f.target());
  EXPECT_EQ(Cell(set, 0, 0), Rgb(f.a));
  EXPECT_EQ(Cell(set, 64, 0), Cell(before, 64, 0));
  EXPECT_EQ(Cell(set, 128, 0), Rgb(f.a));
  // Multi Tile keeps 100 x 50: two cells wide, so not in the last column of the first row.
  EXPECT_EQ(Cell(set, 0, 64, 100, 50), Rgb(f.wide));
  EXPECT_EQ(Cell(set, 192, 0), Cell(before, 192, 0));
  EXPECT_EQ(Rgb(set).pixel(110, 70), qRgb(0, 0, 0));
  ASSERT_EQ(f.dialogs.messages.size(), 1);
  const QString told = f.dialogs.messages.front();
  EXPECT_TRUE(told.startsWith(QStringLiteral("3 of 6 pictures could not be added as tiles:"))) << told.toStdString();
  EXPECT_TRUE(told.contains(broken) && told.contains(f.Path("missing.tga"))) << told.toStdString();
  EXPECT_TRUE(told.contains(level + QStringLiteral("\na Tomb Raider level, not a picture"))) << told.toStdString();

  // One edit, unsaved, undone at once.
  EXPECT_FALSE(f.bench().History().IsClean());
  EXPECT_EQ(f.bench().History().UndoName(), QStringLiteral("Add Pictures as Tiles"));
  f.bench().History().Undo();
  EXPECT_EQ(Shown(f.target()), before);

  // A cancelled dialog changes nothing.
  EXPECT_FALSE(f.bench().Packs().AddPicturesAsTilesDialog());
  EXPECT_EQ(Shown(f.target()), before);

  // Many failures are counted past the first few, so the box fits on the screen.
  QStringList missing;
  for (int i = 0; i < 12; ++i) missing << f.Path(QStringLiteral("gone%1.tga").arg(i));
  EXPECT_FALSE(f.bench().Packs().AddPicturesAsTiles(missing));
  const QString many = f.dialogs.messages.back();
  EXPECT_TRUE(many.contains(missing[7]) && !many.contains(missing[8])) << many.toStdString();
  EXPECT_TRUE(many.endsWith(QStringLiteral("… and 4 more."))) << many.toStdString();
}

TEST(PackPictures, AnAnimatedGifGivesATileForEachFrame) {
  PackFixture f;
  const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200)};
  GifSpec spec{64, 64, palette, {}};
  for (int i = 1; i <= 3; ++i) spec.frames << FlatGifFrame(64, 64, i, 5);
  const QString gif = f.Path("walk.gif");
  ASSERT_TRUE(WriteBytesToFile(gif, WriteGif(spec)));
  ASSERT_TRUE(f.bench().Packs().AddPicturesAsTiles({gif}));
  const QImage set = Rgb(Shown(f.target()));
  for (int frame = 0; frame < 3; ++frame) EXPECT_EQ(set.pixel(frame * 64 + 32, 32), palette[frame + 1]) << frame;
}

TEST(PackPictures, TheSelectorSizesAndThePickerMasksAndTheSetGrowsByPages) {
  PackFixture f;
  f.bench().Tiles().SetTileSize(static_cast<int>(TileSizeMode::Fixed256));
  QImage grey(64, 64, QImage::Format_ARGB32);
  grey.fill(qRgb(250, 250, 250));
  ASSERT_TRUE(f.bench().Sources().OpenFile(f.WritePicture("grey.tga", grey)));
  f.bench().Pots().ChooseTransparency(TransparencyMode::Picker);
  f.bench().Tiles().SourceMove(0, 10, 10);
  ASSERT_EQ(f.doc().SampleColour, qRgb(250, 250, 250));
  ASSERT_TRUE(f.bench().Packs().AddPicturesAsTiles({f.aPath, f.bPath, f.widePath}));
  EXPECT_EQ(f.pages().height, 3);
  EXPECT_EQ(f.c().TargetHeight->text(), QStringLiteral("3"));
  const QImage set = Rgb(Shown(f.target()));
  ASSERT_EQ(set.size(), QSize(256, 768));
  // The F's ink was the picked colour: magenta now; the ground is resampled, not masked.
  EXPECT_EQ(set.pixel(128, 40), qRgb(255, 0, 255));
  EXPECT_NE(set.pixel(250, 250), qRgb(255, 0, 255));
  EXPECT_EQ(set.pixel(128, 256 + 40), qRgb(255, 0, 255));
  EXPECT_EQ(set.pixel(5, 512 + 5), Rgb(f.wide).pixel(1, 1));
}

TEST(PackPictures, SeveralFilesDroppedOnTheTargetArePackedAndOneFileStillReplacesIt) {
  PackFixture f;
  auto drop = [&](const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.c().Target, &enter);
    QDropEvent event(QPointF(20, 20), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.c().Target, &event);
  };
  drop({f.aPath, f.widePath});
  EXPECT_EQ(f.bench().History().UndoName(), QStringLiteral("Add Pictures as Tiles"));
  EXPECT_EQ(Cell(Shown(f.target()), 64, 0, 100, 50), Rgb(f.wide));
  // One picture replaces the Target, which holds unsaved tiles: asked first, as Reload asks.
  drop({f.widePath});
  EXPECT_EQ(f.dialogs.saveQuestions, 1);
  EXPECT_EQ(f.bench().History().UndoName(), QStringLiteral("Add Pictures as Tiles"));
  f.dialogs.saveAnswers.push_back(SaveAnswer::Discard);
  drop({f.widePath});
  EXPECT_EQ(f.bench().History().UndoName(), QStringLiteral("Drop on Target"));
  EXPECT_EQ(f.doc().TextureSetFile, f.widePath);
}

TEST(TileCensus, CreateNewGivesEmptyCellsThatAddPicturesFills) {
  PackFixture f;
  f.bench().Targets().CreateNewTarget();
  f.CensusAction()->trigger();
  EXPECT_EQ(f.bench().Census().Text(), QStringLiteral("32 cells: 0 used, 0 unique, 32 empty"));
  ASSERT_TRUE(f.bench().Packs().AddPicturesAsTiles({f.aPath}));
  EXPECT_EQ(Cell(Shown(f.target()), 0, 0), Rgb(f.a));
  EXPECT_EQ(f.pages().height, 2);
  EXPECT_EQ(f.bench().Census().Text(), QStringLiteral("32 cells: 1 used, 1 unique, 31 empty"));
}

TEST(TileCensus, CountsNumbersTwinsFollowsEditsAndCostsNothingWhenOff) {
  PackFixture f;
  ASSERT_TRUE(f.bench().Packs().AddPicturesAsTiles({f.aPath, f.bPath, f.widePath}));
  TargetCensus& census = f.bench().Census();
  EXPECT_FALSE(f.Overlay()->isVisible());
  f.CensusAction()->trigger();
  ASSERT_TRUE(census.On());
  // Cells 0 and 1 are twins; c covers cells 2 and 3, which differ.
  EXPECT_EQ(census.Text(), QStringLiteral("32 cells: 4 used, 3 unique, 28 empty"));
  EXPECT_EQ(f.Overlay()->Counts()->text(), census.Text());
  EXPECT_TRUE(f.Overlay()->isVisible() && f.Overlay()->Counts()->isVisible());
  EXPECT_EQ(census.NumberOf(0), 1);
  EXPECT_EQ(census.NumberOf(1), 1);
  EXPECT_EQ(census.NumberOf(2), 0);

  // A double click on a twin's number marks the next twin, round to the first, and neither cuts
  // the tile under it nor arms a paste.
  const QImage before = Shown(f.target());
  const QImage tile = f.doc().ClipTile;
  DoubleClick(f.c().Target, f.Overlay()->NumberRect(1).center());
  EXPECT_EQ(census.Selected(), 0);
  DoubleClick(f.c().Target, f.Overlay()->NumberRect(0).center());
  EXPECT_EQ(census.Selected(), 1);
  EXPECT_EQ(f.target().Cursor().Mode(), ModeIdle);
  EXPECT_EQ(f.doc().ClipTile, tile);
  EXPECT_EQ(f.Overlay()->NumberAt(QPoint(200, 200)), -1);

  // A paste over a twin: the group splits; undo brings it back; a taller set is counted anew.
  f.dialogs.colours.push_back(qRgb(9, 9, 9));
  f.bench().Pots().ChangeFillerColour();
  Click(f.c().Target, QPoint(70, 10));
  EXPECT_EQ(census.Text(), QStringLiteral("32 cells: 4 used, 4 unique, 28 empty"));
  EXPECT_EQ(census.NumberOf(0), 0);
  f.bench().History().Undo();
  EXPECT_EQ(census.Text(), QStringLiteral("32 cells: 4 used, 3 unique, 28 empty"));
  EXPECT_EQ(Shown(f.target()), before);
  f.bench().Targets().SetPageCount(PageCounter::Height, 3);
  EXPECT_EQ(f.Overlay()->Counts()->text(), QStringLiteral("48 cells: 4 used, 3 unique, 44 empty"));

  f.CensusAction()->trigger();
  EXPECT_FALSE(census.On());
  EXPECT_FALSE(f.Overlay()->isVisible() || f.Overlay()->Counts()->isVisible());
  Click(f.c().Target, QPoint(200, 200));
  EXPECT_EQ(census.Census().Counts().cells, 0);
}

}  // namespace
}  // namespace mosaicor::testing
