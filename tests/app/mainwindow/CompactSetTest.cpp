// Edit > Compact Set… over a Target with known duplicates, the census's modes in the View menu, and
// the tile budget in the status line.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>

#include "ProjectWriter.h"
#include "TestFiles.h"
#include "TestPictures.h"
#include "WindowTestSupport.h"
#include "app/mainwindow/CensusOverlay.h"
#include "app/workbench/CompactWorkflow.h"
#include "app/workbench/TargetCensus.h"
#include "core/canvas/TileTransforms.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/packing/Compaction.h"
#include "core/packing/SetGeometry.h"

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
  // black, which is empty in a set read from a file (as the companion reads it), whatever the filler.
  const QImage letter = Rgb(MakeFPicture(64, 64));
  QImage plain(64, 64, QImage::Format_RGB32);
  plain.fill(qRgb(40, 90, 140));
  QImage set(256, 512, QImage::Format_RGB32);
  set.fill(qRgb(0, 0, 0));
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
  EXPECT_EQ(f.dialogs.compactQuestions.constLast(),
            QStringLiteral("Compact the Target?\n\n"
                           "Duplicates: copies, also turned or mirrored\n"
                           "Cells: 32 → 16 (the 64 x 64 places of the shown pages)\n"
                           "Pages: 2 → 1\n"
                           "Tiles: 4 → 2 (the cells that hold something; the level editor takes 256)\n\n"
                           "Each cell moves on its own: a texture that spans several cells may be split.\n"
                           "Afterwards you can save the move map, which tells a level's faces where their cells "
                           "went."));
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

  // The companion's map of the same file is the same.
  const QImage file = AsTextureSet(set, 0xFF000000u);
  EXPECT_EQ(MoveMapCsv(CompactSet(file, 0xFF000000u, CompactRules::Of(CensusMode{true, 0}))->moves),
            "old_cell,new_cell,transform\n0,0,none\n5,0,rot270\n9,0,none\n12,1,none\n");

  // Undo gives back the set, its counters and its counts exactly, and says that the map saved
  // with the compaction describes an undone change.
  const int messages = f.dialogs.messages.size();
  f.bench().Undo();
  ASSERT_EQ(f.dialogs.messages.size(), messages + 1);
  EXPECT_TRUE(f.dialogs.messages.constLast().contains(QStringLiteral("describes a change that was undone")));
  EXPECT_TRUE(f.dialogs.messages.constLast().contains(QDir::toNativeSeparators(f.Path("moves.csv"))));
  EXPECT_EQ(Shown(f.target()), before);
  EXPECT_EQ(f.pages().height, 2);
  EXPECT_EQ(census.Text(), QStringLiteral("32 cells: 4 used, 2 unique, 28 empty"));
  EXPECT_FALSE(f.window->isWindowModified());
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The level editor's project follows the set: it is written with the next save, after both old files
// are kept beside them; undo takes the update back, and an old backup is replaced only when allowed.
TEST(CompactSet, UpdatesTheProjectThatUsesTheSetWhenTheSetIsSaved) {
  CompactFixture f;
  const QImage letter = Rgb(MakeFPicture(64, 64));
  QImage set(256, 512, QImage::Format_RGB32);
  set.fill(qRgb(0, 0, 0));
  Put(set, 1, letter), Put(set, 6, RotatedTile(letter)), Put(set, 9, letter);
  const QString setFile = f.WritePicture("level.tga", set);
  ProjectSpec spec;
  spec.textureFile = "level.tga";
  for (int texture : {1, 6, 9, 3})
    for (int rotation = 0; rotation < 4; ++rotation) spec.faces.push_back({texture, rotation > 1, rotation, rotation});
  spec.animationRanges = {{9, 9}};
  const QByteArray project = WriteProject(spec);
  const QString projectFile = f.Path("level.prj");
  ASSERT_TRUE(WriteBytesToFile(projectFile, project));
  ASSERT_TRUE(f.bench().Targets().OpenTextureSet(setFile));
  f.Action("CensusSymmetricAction")->trigger();

  f.dialogs.compactChoices = {CompactAnswer::AlsoProject, CompactAnswer::Compact};
  f.dialogs.files = {projectFile, std::nullopt};  // the project; no move map
  ASSERT_TRUE(f.bench().Compacts().CompactSetDialog());
  EXPECT_TRUE(f.dialogs.compactQuestions.constLast().startsWith(
      QStringLiteral("With the project %1: animated cells stay").arg(QDir::toNativeSeparators(projectFile))));
  // 6 is 1 turned; 9 is animated and stays; the black 3 that faces show is used.
  EXPECT_TRUE(f.dialogs.compactQuestions.constLast().contains(QStringLiteral("Tiles: 4 → 3")));
  EXPECT_EQ(f.bench().Compacts().PendingProject(), projectFile);
  f.bench().Undo();
  EXPECT_TRUE(f.bench().Compacts().PendingProject().isEmpty());
  f.bench().Redo();
  EXPECT_EQ(f.bench().Compacts().PendingProject(), projectFile);
  EXPECT_EQ(FileBytes(projectFile), project);

  ASSERT_TRUE(f.bench().Targets().SaveToFile(setFile));
  EXPECT_EQ(FileBytes(f.Path("level.bak.prj")), project);
  QImage saved, kept;
  PixelFormatCode format = PixelFormatCode::Device;
  ASSERT_TRUE(ImageFileModule().LoadImageAs32BitsFile(saved, setFile, format).Ok());
  ASSERT_TRUE(ImageFileModule().LoadImageAs32BitsFile(kept, f.Path("level.bak.tga"), format).Ok());
  EXPECT_EQ(Rgb(kept), set);
  EXPECT_EQ(FacePixels(saved, FileBytes(projectFile)), FacePixels(set, project));
  EXPECT_TRUE(f.dialogs.messages.constLast().startsWith(QStringLiteral("Saved the compacted set")));
  EXPECT_TRUE(f.bench().Compacts().PendingProject().isEmpty());

  // Again: the backups exist now, and the user keeps them, so nothing is written.
  const QByteArray updated = FileBytes(projectFile);
  f.dialogs.compactChoices = {CompactAnswer::AlsoProject, CompactAnswer::Compact};
  f.dialogs.files = {projectFile, std::nullopt};
  ASSERT_TRUE(f.bench().Compacts().CompactSetDialog());
  EXPECT_FALSE(f.bench().Targets().SaveToFile(setFile));
  EXPECT_EQ(f.dialogs.backupQuestions, QStringList{f.Path("level.bak.tga")});
  EXPECT_TRUE(f.dialogs.messages.constLast().startsWith(QStringLiteral("Nothing was saved")));
  EXPECT_EQ(FileBytes(projectFile), updated);
  EXPECT_EQ(FileBytes(f.Path("level.bak.prj")), project);
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
