// The real window on a real X server: three pictures dropped on the Target land in their cells
// and the tile census, turned on from the View menu, shows its counts and numbers; a program
// killed with SIGKILL after a paste offers its work back at the next start, pixel for pixel.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDirIterator>
#include <QDropEvent>
#include <QFileDialog>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QWindow>

#include "LevelWriter.h"
#include "MainWindowTest.h"
#include "app/mainwindow/CensusOverlay.h"
#include "app/mainwindow/MainWindow.h"
#include "app/workbench/RecoveryKeeper.h"
#include "app/workbench/TargetCensus.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/Workbench.h"
#include "core/extraction/HeadlessExtraction.h"
#include "core/extraction/MakeBeep.h"

namespace mosaicor::e2e {
namespace {

struct FeaturesFixture : MainWindowTest {
  QImage TargetPixels() { return Rgb(bench().Target().Layers().L1_Image().PictureCopy()); }
};

QImage Flat(QRgb colour, QRgb mark) {
  QImage picture(64, 64, QImage::Format_RGB32);
  picture.fill(colour);
  for (int i = 8; i < 40; ++i) picture.setPixel(12, i, mark), picture.setPixel(i, 8, mark);
  return picture;
}

TEST_F(FeaturesFixture, ThreePicturesDroppedOnTheTargetAndTheirCensus) {
  Open();
  const QImage a = Flat(qRgb(200, 40, 40), qRgb(255, 255, 255)), b = Flat(qRgb(40, 40, 200), qRgb(255, 255, 0));
  QList<QUrl> urls;
  for (const auto& [name, picture] : {std::pair{"a.png", a}, std::pair{"b.png", b}, std::pair{"a2.png", a}}) {
    ASSERT_TRUE(picture.save(dir.filePath(QString::fromLatin1(name))));
    urls << QUrl::fromLocalFile(dir.filePath(QString::fromLatin1(name)));
  }
  // No file manager runs here to drag from: the canvas gets the drop event a drag would give it.
  QMimeData data;
  data.setUrls(urls);
  QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(c().Target, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(30, 30), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(c().Target, &drop);
  ASSERT_TRUE(WaitUntil([&] { return bench().History().UndoName() == QLatin1String("Add Pictures as Tiles"); }));
  const QImage set = TargetPixels();
  EXPECT_EQ(set.copy(0, 0, 64, 64), a);
  EXPECT_EQ(set.copy(64, 0, 64, 64), b);
  EXPECT_EQ(set.copy(128, 0, 64, 64), a);
  EXPECT_TRUE(window->isWindowModified());
  Pump(200);
  Screenshot(QStringLiteral("features-1-three-pictures-dropped"));

  // View > Tile Census, by the pointer.
  QMenuBar* bar = window->menuBar();
  QAction* viewMenu = nullptr;
  for (QAction* action : bar->actions())
    if (action->text() == QLatin1String("&View")) viewMenu = action;
  ASSERT_NE(viewMenu, nullptr);
  ClickAt(OnScreen(bar, bar->actionGeometry(viewMenu).center()));
  QMenu* view = viewMenu->menu();
  ASSERT_TRUE(WaitUntil([&] { return view->isVisible(); }));
  QAction* census = window->findChild<QAction*>(QStringLiteral("TileCensusAction"));
  ClickAt(OnScreen(view, view->actionGeometry(census).center()));
  auto* overlay = c().Target->BasePanel->findChild<CensusOverlay*>();
  ASSERT_TRUE(WaitUntil([&] { return overlay->Counts()->isVisible(); }));
  EXPECT_EQ(overlay->Counts()->text(), QStringLiteral("32 cells: 3 used, 2 unique, 29 empty"));
  EXPECT_EQ(bench().Census().NumberOf(0), 1);
  EXPECT_EQ(bench().Census().NumberOf(2), 1);
  Pump(300);
  Screenshot(QStringLiteral("features-2-census"));

  // A double click on the number of cell 2 marks cell 0, its twin.
  const QPoint number = OnScreen(c().Target->BasePanel, overlay->NumberRect(2).center());
  MoveTo(number);
  Xdo({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
       QStringLiteral("60"), QStringLiteral("1")});
  ASSERT_TRUE(WaitUntil([&] { return bench().Census().Selected() == 0; }));
  Pump(200);
  Screenshot(QStringLiteral("features-3-census-twin-marked"));
}

// Where A's widgets are: A has the same layout as the test's own window.
QPoint WindowOrigin(const QByteArray& id) {
  QPoint origin;
  const QList<QByteArray> lines =
      RunTool(QStringLiteral("xdotool"),
              {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::fromLatin1(id)})
          .split('\n');
  for (const QByteArray& line : lines) {
    if (line.startsWith("X=")) origin.setX(line.mid(2).toInt());
    if (line.startsWith("Y=")) origin.setY(line.mid(2).toInt());
  }
  return origin;
}

QString RecoveryFileIn(const QString& folder) {
  QDirIterator files(folder, {QStringLiteral("*.recovery")}, QDir::Files, QDirIterator::Subdirectories);
  return files.hasNext() ? files.next() : QString();
}

TEST_F(FeaturesFixture, AProgramKilledAfterAPasteOffersItsWorkAtTheNextStart) {
  Open();
  const QString level = dir.filePath(QStringLiteral("killed.tr4"));
  WriteLevelFile(level, MakeSampleLevel(LevelGeneration::TR4, 2));
  const QString cache = dir.filePath(QStringLiteral("cache"));
  QProcess a;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
  a.setProcessEnvironment(environment);
  a.start(QStringLiteral(MOSAICOR_PROGRAM_PATH), {level});
  ASSERT_TRUE(a.waitForStarted());
  const QByteArray id = RunTool(QStringLiteral("xdotool"),
                                {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--all"),
                                 QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                 QString::number(a.processId()), QStringLiteral("--name"), QStringLiteral("Mosaicor")})
                            .split('\n')
                            .constFirst();
  ASSERT_FALSE(id.isEmpty());
  Xdo({QStringLiteral("windowmove"), QString::fromLatin1(id), QStringLiteral("800"), QStringLiteral("0")});
  Xdo({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::fromLatin1(id)});
  Pump(500);
  const QPoint origin = WindowOrigin(id);
  auto inA = [&](const QWidget* widget, QPoint at) { return origin + widget->mapTo(window.get(), at); };
  ClickAt(inA(c().Source->BasePanel, QPoint(70, 10)));  // cuts the level's second cell
  ClickAt(inA(c().Target->BasePanel, QPoint(10, 10)));  // pastes it into the first
  ASSERT_TRUE(WaitUntil([&] { return !RecoveryFileIn(cache).isEmpty(); }, 30000));
  Screenshot(QStringLiteral("features-4-before-the-kill"));
  a.kill();  // SIGKILL: nothing of the program runs after it
  ASSERT_TRUE(a.waitForFinished(10000));
  const QString left = RecoveryFileIn(cache);
  ASSERT_FALSE(left.isEmpty());

  // The next start, as the program's own start-up does it, in the folder the killed one used.
  const Result<QImage> pages = ExtractLevelPicture(LevelExtract::Pages, level, false);
  ASSERT_TRUE(pages.Ok());
  QImage expected(256, 512, QImage::Format_RGB32);
  expected.fill(Qt::black);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) expected.setPixel(x, y, Rgb(pages.Value()).pixel(64 + x, y));
  // Escape is no answer: the copy stays for the next start.
  WhenDialogOpens<QMessageBox>([](QMessageBox*) { Keys(QStringLiteral("Escape")); });
  {
    RecoveryKeeper escaped(bench(), QFileInfo(left).absolutePath());
    EXPECT_FALSE(escaped.OfferRecovery());
  }
  ASSERT_TRUE(QFile::exists(left));
  QString asked;
  WhenDialogOpens<QMessageBox>([&asked](QMessageBox* box) {
    asked = box->text();
    Screenshot(QStringLiteral("features-5-recovery-question"));
    Keys(QStringLiteral("Return"));
  });
  RecoveryKeeper keeper(bench(), QFileInfo(left).absolutePath());
  ASSERT_TRUE(keeper.OfferRecovery());
  EXPECT_TRUE(asked.startsWith(QStringLiteral("Recover the texture set you were building at "))) << asked.toStdString();
  EXPECT_EQ(TargetPixels(), expected);
  EXPECT_FALSE(bench().History().IsClean());
  EXPECT_FALSE(QFile::exists(left));
  Pump(300);
  Screenshot(QStringLiteral("features-6-recovered"));
}

// The fourth Source item on a written TR4: the level's textures laid out as tiles, the status line
// saying where the one under the pointer comes from, and a cut of one tile pasting exactly its pixels.
TEST_F(FeaturesFixture, ALevelsTexturesAsTilesAreCutExactly) {
  Open();
  const QString level = dir.filePath(QStringLiteral("known.tr4"));
  ASSERT_TRUE(WriteLevelFile(level, MakeKnownTexturesLevel(LevelGeneration::TR4)));
  WhenDialogOpens<QFileDialog>([=](QFileDialog*) {
    Keys(QStringLiteral("ctrl+a"));
    Type(level);
    Keys(QStringLiteral("Return"));
  });
  QTimer::singleShot(0, window.get(), [this] { emit c().SourceCombo->activated(4); });
  ASSERT_TRUE(WaitUntil([&] { return bench().Doc().LastSourceAction == SourceAction::LevelTiles; }, 30000));
  EXPECT_EQ(c().SourceCombo->currentText(), level);
  Pump(200);

  // The 128 x 64 texture of page 1 lies at the top-left, the largest first.
  MoveTo(OnScreen(c().Source->BasePanel, QPoint(100, 10)));
  ASSERT_TRUE(WaitUntil([&] { return c().StatusHint->FullText().startsWith(QLatin1String("page")); }));
  EXPECT_EQ(c().StatusHint->FullText(), QStringLiteral("page 1 · 128 × 64 at 2, 66 · 1 object texture"));
  Screenshot(QStringLiteral("tiles-1-level-textures-as-tiles"));

  // Its two cells cut with the ordinary grid (Multi Tile keeps the size), pasted at the Target's corner.
  DragBetween(OnScreen(c().Source->BasePanel, QPoint(10, 10)), OnScreen(c().Source->BasePanel, QPoint(70, 10)));
  ASSERT_EQ(bench().Doc().ClipTile.size(), QSize(128, 64));
  ClickAt(OnScreen(c().Target->BasePanel, QPoint(10, 10)));
  Pump(200);
  Screenshot(QStringLiteral("tiles-2-one-tile-pasted"));
  Result<QImage> pages = ExtractLevelPicture(LevelExtract::Pages, level, false);
  ASSERT_TRUE(pages.Ok());
  EXPECT_EQ(TargetPixels().copy(0, 0, 128, 64), Rgb(pages.Value().copy(2, 256 + 66, 128, 64)));
}

}  // namespace
}  // namespace mosaicor::e2e
