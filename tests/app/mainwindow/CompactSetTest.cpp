// Edit > Compact Set… over a Target with known duplicates, the census's modes in the View menu, and
// the tile budget in the status line.

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>

#include "TestPictures.h"
#include "WindowTestSupport.h"
#include "app/mainwindow/CensusOverlay.h"
#include "app/workbench/CompactWorkflow.h"
#include "app/workbench/TargetCensus.h"
#include "core/canvas/TileTransforms.h"

namespace mosaicor::testing {
namespace {

void Put(QImage& set, int cell, const QImage& tile) {
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      set.setPixel(cell % (set.width() / 64) * 64 + x, cell / (set.width() / 64) * 64 + y, tile.pixel(x, y));
}

struct CompactFixture : WindowFixture {
  CensusOverlay* Overlay() { return c().Target->BasePanel->findChild<CensusOverlay*>(); }
  QAction* Action(const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }
};

TEST(CompactSet, ShowsTheCountsFirstIsOneUndoStepAndSavesTheMapBesideTheSet) {
  CompactFixture f;
  // Two pages: an F at cell 0, its quarter turn at 5, a copy at 9, a plain cell at 12; the others
  // empty (the fill colour a loaded set takes).
  const QImage letter = Rgb(MakeFPicture(64, 64));
  QImage plain(64, 64, QImage::Format_RGB32);
  plain.fill(qRgb(40, 90, 140));
  QImage set(256, 512, QImage::Format_RGB32);
  set.fill(f.doc().FillerColour);
  Put(set, 0, letter), Put(set, 5, RotatedTile(letter)), Put(set, 9, letter), Put(set, 12, plain);
  ASSERT_TRUE(f.bench().Targets().OpenTextureSet(f.WritePicture("level.tga", set)));
  f.Action("TileCensusAction")->trigger();
  f.Action("CensusSymmetricAction")->trigger();
  const TargetCensus& census = f.bench().Census();
  EXPECT_EQ(census.Text(), QStringLiteral("32 cells: 4 used, 2 unique, 28 empty"));
  EXPECT_EQ(census.Census().TransformOf(5), CellTransform::Rot270);
  EXPECT_TRUE(f.Overlay()->Budget()->text().contains(QStringLiteral("4 / 256 tiles")));
  EXPECT_TRUE(f.Overlay()->Budget()->text().contains(QStringLiteral("Compact: 4 → 2 tiles")));
  const QImage before = Shown(f.target());

  // Cancelled: nothing changes.
  EXPECT_FALSE(f.bench().Compacts().CompactSetDialog());
  EXPECT_EQ(
      f.dialogs.compactQuestions.constLast(),
      QStringLiteral("Compact the Target?\n\nCells: 32 → 16\nPages: 2 → 1\nTiles: 4 → 2 (the level editor takes 256)"));
  EXPECT_EQ(Shown(f.target()), before);
  EXPECT_EQ(f.bench().History().UndoCount(), 1u);  // the load

  f.dialogs.compactAnswers.push_back(true);
  f.dialogs.files.push_back(f.Path("moves.csv"));
  ASSERT_TRUE(f.bench().Compacts().CompactSetDialog());
  EXPECT_EQ(f.dialogs.presets.constLast(), f.Path("level-moves.csv"));
  EXPECT_EQ(f.pages().height, 1);
  const QImage after = Rgb(Shown(f.target()));
  EXPECT_EQ(after.copy(0, 0, 64, 64), letter);
  EXPECT_EQ(after.copy(64, 0, 64, 64), plain);
  EXPECT_EQ(census.Text(), QStringLiteral("16 cells: 2 used, 2 unique, 14 empty"));
  EXPECT_TRUE(f.window->isWindowModified());
  EXPECT_EQ(f.bench().History().UndoName(), QStringLiteral("Compact Set"));
  QFile map(f.Path("moves.csv"));
  ASSERT_TRUE(map.open(QIODevice::ReadOnly));
  EXPECT_EQ(map.readAll(), "old_cell,new_cell,transform\n0,0,none\n5,0,rot270\n9,0,none\n12,1,none\n");

  // Undo gives back the set, its counters and its counts exactly.
  f.bench().Undo();
  EXPECT_EQ(Shown(f.target()), before);
  EXPECT_EQ(f.pages().height, 2);
  EXPECT_EQ(census.Text(), QStringLiteral("32 cells: 4 used, 2 unique, 28 empty"));
  EXPECT_FALSE(f.window->isWindowModified());
}

TEST(CompactSet, TheBudgetTurnsRedAboveWhatTheLevelEditorTakes) {
  CompactFixture f;
  // Nine pages two wide: 288 cells, each its own colour.
  QImage set(512, 2304, QImage::Format_RGB32);
  for (int y = 0; y < set.height(); ++y)
    for (int x = 0; x < set.width(); ++x) set.setPixel(x, y, qRgb(x / 64, y / 64, 7));
  ASSERT_TRUE(f.bench().Targets().OpenTextureSet(f.WritePicture("big.tga", set)));
  f.Action("TileCensusAction")->trigger();
  EXPECT_TRUE(f.bench().Census().OverBudget());
  EXPECT_TRUE(f.Overlay()->Budget()->text().contains(QStringLiteral("color:#ff0000\">288 / 256 tiles")))
      << f.Overlay()->Budget()->text().toStdString();
}

}  // namespace
}  // namespace mosaicor::testing
