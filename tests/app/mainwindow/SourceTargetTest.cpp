// The Source and Target workflows: loads, extractions, drops, repeats, Copy All, page counters,
// saving, reloading and Create New.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include "WindowTestSupport.h"
#include "core/extraction/HeadlessExtraction.h"
#include "core/imagefiles/ImageFileModule.h"

namespace mosaicor::testing {
namespace {

TEST(SourceSide, ExtractingALevelFillsTheSourceAndNamesIt) {
  WindowFixture f;
  const QString level = f.WriteLevel("four.tr4", LevelGeneration::TR4, 3);
  f.dialogs.files.push_back(level);
  emit f.c().SourceCombo->activated(2);
  EXPECT_EQ(f.source().Layers().PortSize(), QSize(256, 768));
  EXPECT_EQ(f.c().SourceAreaInfo->text(), "256 x 768 pixels x 32 bits");
  EXPECT_EQ(f.c().SourceCombo->currentText(), level);
  EXPECT_EQ(f.doc().LevelFile, level);
  EXPECT_EQ(f.doc().LastSourceAction, SourceAction::LevelTextures);
  // The next level dialog opens on the level just extracted.
  f.bench().Sources().OpenSource(SourceAction::LevelAnimated);
  EXPECT_EQ(f.dialogs.presets.last(), level);
}

TEST(SourceSide, AClickOnABoxsTextOpensItsListAsItsArrowDoes) {
  WindowFixture f;
  for (QComboBox* box : {f.c().SourceCombo, f.c().TargetCombo}) {
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton, {}, QPoint(20, box->lineEdit()->height() / 2));
    EXPECT_TRUE(box->view()->isVisible()) << box->objectName().toStdString();
    box->hidePopup();
  }
}

TEST(SourceSide, ALevelsTexturesAsTilesAreLaidOutAsTheSheetAndSayWhereTheyComeFrom) {
  WindowFixture f;
  const QString level = f.Path("known.tr4");
  ASSERT_TRUE(WriteLevelFile(level, MakeKnownTexturesLevel(LevelGeneration::TR4)));
  f.dialogs.files.push_back(level);
  emit f.c().SourceCombo->activated(4);
  EXPECT_EQ(f.doc().LastSourceAction, SourceAction::LevelTiles);
  EXPECT_EQ(f.c().SourceCombo->currentText(), level);
  // The companion's sheet of the same level, pixel for pixel.
  QImage sheet;
  std::vector<SheetTile> laid;
  PixelFormatCode format = PixelFormatCode::Device;
  SilentLevelLoadHost host;
  ASSERT_TRUE(TombRaiderFileModule(host).LoadTileSheet(sheet, laid, level, format, false).Ok());
  EXPECT_EQ(Shown(f.source()), sheet);
  ASSERT_EQ(laid.size(), 6u);
  // Largest first: the 128 x 64 texture of page 1 at the top-left, the two 16 x 16 animated ones last.
  EXPECT_EQ(f.bench().Sources().TileProvenance(100, 10), "page 1 · 128 × 64 at 2, 66 · 1 object texture");
  EXPECT_EQ(f.bench().Sources().TileProvenance(130, 10), "page 0 · 64 × 64 at 0, 0 · 2 object textures");
  EXPECT_EQ(f.bench().Sources().TileProvenance(69, 69), "page 2 · 16 × 16 at 16, 16 · 1 object texture · animated");
  EXPECT_EQ(f.bench().Sources().TileProvenance(5, 69), "page 0 · 32 × 32 at 66, 66 · 2 object textures");
  EXPECT_EQ(f.bench().Sources().TileProvenance(40, 100), "");  // the rest of its cell

  // Another source takes the places away with the tiles.
  f.dialogs.files.push_back(level);
  f.bench().Sources().OpenSource(SourceAction::LevelTextures);
  EXPECT_EQ(f.bench().Sources().TileProvenance(100, 10), "");
}

TEST(SourceSide, ACancelledOrFailedLoadChangesNothing) {
  WindowFixture f;
  const QString picture = f.WritePicture("pic.tga", Coordinates(128, 64));
  f.dialogs.files.push_back(picture);
  f.bench().Sources().OpenSource(SourceAction::ImageFile);
  ASSERT_EQ(f.doc().LastSourceAction, SourceAction::ImageFile);
  const QImage shown = Shown(f.source());

  f.bench().Sources().OpenSource(SourceAction::LevelTextures);  // cancelled
  EXPECT_EQ(f.doc().LastSourceAction, SourceAction::ImageFile);
  EXPECT_EQ(f.c().SourceCombo->currentText(), picture);
  EXPECT_EQ(Shown(f.source()), shown);

  f.dialogs.files.push_back(f.Path("missing.tr4"));
  f.bench().Sources().OpenSource(SourceAction::LevelTextures);  // fails with the beep
  EXPECT_GT(f.tones.tones, 0);
  EXPECT_EQ(Shown(f.source()), shown);
  EXPECT_FALSE(f.doc().LevelFile);

  // The transparency buttons repeat the picture that is shown, not a placeholder.
  const int tones = f.tones.tones;
  f.c().SpeedButtonMagenta->click();
  EXPECT_EQ(f.tones.tones, tones);
  EXPECT_EQ(Shown(f.source()), shown);
}

// What the reader itself cannot read is told in a message box, in the companion's words, without
// the beep.
TEST(SourceSide, ALevelTheReaderCannotReadIsToldInAMessageBoxWithoutTheBeep) {
  WindowFixture f;
  const QString picture = f.WritePicture("pic.tga", Coordinates(128, 64));
  f.dialogs.files.push_back(picture);
  f.bench().Sources().OpenSource(SourceAction::ImageFile);
  const QImage shown = Shown(f.source());

  LevelLayout layout;
  QByteArray damaged = mosaicor::WriteLevel(MakeSampleLevel(LevelGeneration::TR4, 1), &layout);
  damaged[layout.chunk32 + 40] = char(damaged[layout.chunk32 + 40] ^ 0x33);
  ASSERT_TRUE(WriteBytesToFile(f.Path("damaged.tr4"), damaged));
  ASSERT_TRUE(QDir(f.dir.path()).mkdir("folder.tr2"));
  f.dialogs.files.push_back(f.Path("damaged.tr4"));
  f.bench().Sources().OpenSource(SourceAction::LevelTextures);
  f.dialogs.files.push_back(f.Path("folder.tr2"));
  f.bench().Sources().OpenSource(SourceAction::LevelAnimated);
  EXPECT_EQ(f.dialogs.messages,
            QStringList({f.Path("damaged.tr4") + "\n" +
                             ExtractLevelPicture(LevelExtract::Pages, f.Path("damaged.tr4"), false).Text(),
                         f.Path("folder.tr2") + "\nis a folder, not a file"}));
  EXPECT_EQ(f.tones.tones, 0);
  EXPECT_EQ(Shown(f.source()), shown);
  EXPECT_EQ(f.doc().LastSourceAction, SourceAction::ImageFile);
  EXPECT_EQ(f.c().SourceCombo->currentText(), picture);
}

TEST(SourceSide, DropsOpenLevelsByExtensionAndEverythingElseAsPictures) {
  WindowFixture f;
  const QString level = f.WriteLevel("UPPER.TR4");
  emit f.c().Source->DragNDrop(level);
  EXPECT_EQ(f.source().Layers().PortSize(), QSize(256, 512));
  EXPECT_EQ(f.c().SourceCombo->currentText(), level);
  EXPECT_EQ(f.doc().LastSourceAction, SourceAction::LevelTextures);
  EXPECT_EQ(f.doc().LevelFile, level);

  const QString mixed = f.WriteLevel("mixed.Tr4", LevelGeneration::TR4, 1);
  emit f.c().Source->DragNDrop(mixed);
  EXPECT_EQ(f.source().Layers().PortSize(), QSize(256, 256));

  const QString text = f.Path("notes.txt");
  WriteBytesToFile(text, "hello");
  emit f.c().Source->DragNDrop(text);
  EXPECT_EQ(f.dialogs.messages.size(), 1);  // the picture module reports it
  EXPECT_EQ(f.c().SourceCombo->currentText(), mixed);
  EXPECT_EQ(f.source().Layers().PortSize(), QSize(256, 256));
}

// TR2's .TRG form is a level like any other: no beep, the pages in 15 bits, and it becomes the
// level that item 0 repeats.
TEST(SourceSide, DroppedTrgLevelsOpenAsLevels) {
  WindowFixture f;
  for (const char* name : {"golden.TRG", "lower.trg"}) {
    const QString level = f.WriteLevel(name, LevelGeneration::TR2Trg, 3);
    EXPECT_TRUE(f.bench().Sources().OpenFile(level)) << name;
    EXPECT_EQ(f.source().Layers().PortSize(), QSize(256, 768)) << name;
    EXPECT_EQ(f.doc().LevelFile, level);
    EXPECT_EQ(f.doc().LastSourceAction, SourceAction::LevelTextures);
    EXPECT_EQ(f.c().SourceAreaInfo->text(), "256 x 768 pixels x 15 bits");
  }
  EXPECT_EQ(f.tones.tones, 0);
  EXPECT_TRUE(f.dialogs.messages.isEmpty());
}

TEST(SourceSide, RepeatShowsTheReloadedPictureAtOnce) {
  WindowFixture f;
  const QString path = f.WritePicture("pic.tga", Coordinates(64, 64));
  f.dialogs.files.push_back(path);
  f.bench().Sources().OpenSource(SourceAction::ImageFile);
  f.WritePicture("pic.tga", Coordinates(128, 64));
  f.bench().Sources().OpenSource(SourceAction::None);
  EXPECT_EQ(f.source().Layers().PortSize(), QSize(128, 64));

  // A level's animated textures are extracted again, not its pages.
  f.dialogs.files.push_back(f.WriteLevel("anim.tr4", LevelGeneration::TR4, 3));
  f.bench().Sources().OpenSource(SourceAction::LevelAnimated);
  const QImage animated = Shown(f.source());
  ASSERT_NE(animated.size(), QSize(256, 768));
  f.bench().Sources().OpenSource(SourceAction::None);
  EXPECT_EQ(Shown(f.source()), animated);
}

TEST(CopyAll, CropsToTwoPagesWideAndFillsWithTheFiller) {
  WindowFixture f;
  emit f.c().Source->DragNDrop(f.WritePicture("big.tga", Coordinates(1000, 700)));
  f.c().CopyButton->click();
  EXPECT_EQ(f.pages().width, 2);
  EXPECT_EQ(f.pages().height, 3);
  const QImage t = Shown(f.target());
  ASSERT_EQ(t.size(), QSize(512, 768));
  EXPECT_EQ(t.pixel(511, 639), Coordinates(1000, 700).pixel(511, 639));
  for (int y : {640, 700, 767}) EXPECT_EQ(t.pixel(5, y), qRgb(128, 0, 0)) << y;
  EXPECT_EQ(f.source().Layers().L4_Clip().PictureSize(), QSize(960, 640));
  ASSERT_EQ(f.dialogs.messages.size(), 1);
  EXPECT_EQ(f.dialogs.messages[0],
            "This image was too big! It was cropped to 512x768 pixels.\nThe right canvas must be used with standard "
            "Texture Sets, only.");
  EXPECT_EQ(f.c().TargetCombo->currentText(), "   --- Create New");
  EXPECT_EQ(f.doc().TargetCaption(), "   --- no TARGET file saved ---");
}

TEST(CopyAll, OnePageAndSmallerThanACell) {
  WindowFixture f;
  emit f.c().Source->DragNDrop(f.WritePicture("page.tga", Coordinates(256, 256)));
  f.c().CopyButton->click();
  EXPECT_EQ(f.pages().width, 1);
  EXPECT_EQ(f.pages().height, 1);
  EXPECT_TRUE(f.dialogs.messages.isEmpty());
  EXPECT_EQ(Rgb(Shown(f.target())), Rgb(Coordinates(256, 256)));

  emit f.c().Source->DragNDrop(f.WritePicture("small.tga", Coordinates(40, 30)));
  f.c().CopyButton->click();
  const QImage t = Shown(f.target());
  ASSERT_EQ(t.size(), QSize(256, 256));
  EXPECT_EQ(t.pixel(0, 0), qRgb(128, 0, 0));
  EXPECT_EQ(t.pixel(255, 255), qRgb(128, 0, 0));
}

TEST(PageCounters, LoweringHidesAPageAndRaisingShowsItAgain) {
  WindowFixture f;
  TargetWorkflow& t = f.bench().Targets();
  t.SetPageCount(PageCounter::Height, 3);
  EXPECT_EQ(f.target().Layers().PortSize(), QSize(256, 768));
  EXPECT_EQ(Shown(f.target()).pixel(3, 700), qRgb(0, 0, 0));  // black after start-up
  f.target().Layers().L1_Image().Paint(QRect(0, 600, 8, 8), [](QImage& p) { p.setPixel(1, 601, qRgb(1, 2, 3)); });
  t.SetPageCount(PageCounter::Height, 2);
  EXPECT_EQ(f.target().Layers().PortSize(), QSize(256, 512));
  t.SetPageCount(PageCounter::Height, 3);
  EXPECT_EQ(Shown(f.target()).pixel(1, 601), qRgb(1, 2, 3));
}

// The colour of added pages has one owner, the document: no resize, undo or Create New loses it.
TEST(PageCounters, AddedPagesKeepTheFillerColourThroughResizesAndUndo) {
  WindowFixture f;
  const QRgb green = qRgb(0, 160, 0);
  f.dialogs.colours.push_back(green);
  f.bench().Pots().ChangeFillerColour();
  TargetWorkflow& t = f.bench().Targets();
  t.CreateNewTarget();
  EXPECT_EQ(Shown(f.target()).pixel(3, 300), green) << "Create New's own pages";
  t.SetPageCount(PageCounter::Height, 3);
  t.SetPageCount(PageCounter::Height, 4);
  EXPECT_EQ(Shown(f.target()).pixel(3, 700), green);
  EXPECT_EQ(Shown(f.target()).pixel(3, 900), green);
  t.CopyAll();
  f.bench().Undo();
  t.SetPageCount(PageCounter::Height, 5);
  EXPECT_EQ(Shown(f.target()).pixel(3, 1100), green) << "the undo brought the fill back with the picture";
  EXPECT_EQ(f.targetDoc().Fill(), green);
}

TEST(PageCounters, TheWindowNarrowsAgainWithTheTarget) {
  WindowFixture f;
  f.bench().Targets().SetPageCount(PageCounter::Width, 2);
  const int wide = f.window->width();
  f.bench().Undo();
  EXPECT_LT(f.window->width(), wide);
  EXPECT_EQ(f.window->width(), f.window->minimumSizeHint().width());
}

TEST(PageCounters, InfoTurnsRedAboveTwoHundredFiftySixTiles) {
  WindowFixture f;
  TargetWorkflow& t = f.bench().Targets();
  t.SetPageCount(PageCounter::Width, 2);
  t.SetPageCount(PageCounter::Height, 8);
  EXPECT_EQ(f.c().TargetHeight->palette().color(QPalette::Window), QColor(colours::InfoNormal));
  t.SetPageCount(PageCounter::Height, 9);
  EXPECT_EQ(f.c().TargetAreaInfo->text(), "512 x 2304 pixels (8 x 36 = 288 txtrs)");
  EXPECT_EQ(f.c().TargetHeight->palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST(PageCounters, WidthResizesAndRecentresTheWindowHeightDoesNot) {
  WindowFixture f;
  const QSize start = f.window->size();
  f.c().TargetHeightScrollBar->setValue(4);
  EXPECT_EQ(f.window->width(), start.width());
  f.c().TargetWidthScrollBar->setValue(2);
  EXPECT_EQ(f.c().PanelRightSide->width(), 512 + 161);
  EXPECT_EQ(f.window->width(), f.window->minimumSizeHint().width());
  EXPECT_GT(f.window->width(), start.width());
  f.c().TargetWidthScrollBar->setValue(1);
  EXPECT_EQ(f.c().PanelRightSide->width(), 256 + 161);
}

TEST(TargetFiles, SaveCutsToThePagesShown) {
  WindowFixture f;
  emit f.c().Source->DragNDrop(f.WritePicture("big.tga", Coordinates(512, 1024)));
  f.c().CopyButton->click();
  f.c().TargetWidthScrollBar->setValue(1);
  f.c().TargetHeightScrollBar->setValue(2);
  const QString out = f.Path("set.tga");
  f.dialogs.files.push_back(out);
  emit f.c().TargetCombo->activated(1);
  const QImage saved = LoadBack(out);
  EXPECT_EQ(saved.size(), QSize(256, 512));
  EXPECT_EQ(Rgb(saved), Rgb(Coordinates(512, 1024).copy(0, 0, 256, 512)));
  EXPECT_EQ(f.doc().SaveFile, out);
  EXPECT_EQ(f.c().TargetCombo->currentText(), out);
  EXPECT_TRUE(f.bench().History().IsClean());
}

TEST(TargetFiles, ReloadSetsTheCountersFromThePicture) {
  WindowFixture f;
  f.dialogs.files.push_back(f.WritePicture("tall.tga", Coordinates(512, 1024)));
  emit f.c().TargetCombo->activated(3);
  EXPECT_EQ(f.pages().width, 2);
  EXPECT_EQ(f.pages().height, 4);

  f.dialogs.files.push_back(f.WritePicture("odd.tga", Coordinates(300, 300)));
  f.dialogs.saveAnswers.push_back(SaveAnswer::Discard);
  emit f.c().TargetCombo->activated(3);
  EXPECT_EQ(f.pages().width, 2);
  EXPECT_EQ(f.pages().height, 2);
  EXPECT_EQ(f.target().Layers().L1_Image().PictureSize(), QSize(512, 512));
  EXPECT_TRUE(f.dialogs.messages.isEmpty());
  // A set read from a file is empty where it is black, and so are the pages added to it.
  EXPECT_EQ(Shown(f.target()).pixel(400, 400), qRgb(0, 0, 0));
}

TEST(TargetFiles, DropLoadsWithoutADialogAndBecomesTheCaption) {
  WindowFixture f;
  const QString path = f.WritePicture("drop.tga", Coordinates(256, 768));
  emit f.c().Target->DragNDrop(path);
  EXPECT_EQ(f.pages().height, 3);
  EXPECT_EQ(f.doc().TextureSetFile, path);
  EXPECT_EQ(f.doc().TargetCaption(), path);
  EXPECT_EQ(f.c().TargetCombo->currentText(), path);
}

TEST(TargetFiles, RoundTripThroughATextureSet) {
  WindowFixture f;
  f.dialogs.files.push_back(f.WriteLevel("round.tr4", LevelGeneration::TR4, 2));
  f.bench().Sources().OpenSource(SourceAction::LevelTextures);
  f.c().CopyButton->click();
  const QImage made = Rgb(Shown(f.target()));
  const QString out = f.Path("round.tga");
  f.dialogs.files.push_back(out);
  f.bench().Targets().SaveTargetAs();
  f.bench().Targets().CreateNewTarget();  // Create New: saved, so no question
  EXPECT_EQ(f.dialogs.saveQuestions, 0);
  EXPECT_EQ(Shown(f.target()).pixel(10, 10), qRgb(128, 0, 0)) << "new pages are of the filler colour";
  EXPECT_EQ(f.target().Layers().PortSize(), QSize(256, 512));
  f.dialogs.files.push_back(out);
  f.bench().Targets().ReloadTarget();
  EXPECT_EQ(Rgb(Shown(f.target())), made);
}

}  // namespace
}  // namespace mosaicor::testing

#include "app/mainwindow/CommandLine.h"

namespace mosaicor::testing {
namespace {

TEST(CommandLine, FilesOpenAsADropAndAReloadWould) {
  WindowFixture f;
  const QString level = f.WriteLevel("start.tr4", LevelGeneration::TR4, 3);
  const QString set = f.WritePicture("set.tga", Coordinates(512, 256));
  const StartupFiles files = ParseCommandLine({"mosaicor", level, "--target", set});
  EXPECT_EQ(files.source, level);
  EXPECT_EQ(files.target, set);
  OpenStartupFiles(f.bench(), files);
  EXPECT_EQ(f.source().Layers().PortSize(), QSize(256, 768));
  EXPECT_EQ(f.c().SourceCombo->currentText(), level);
  EXPECT_EQ(f.pages().width, 2);
  EXPECT_EQ(f.doc().TextureSetFile, set);
  EXPECT_TRUE(f.bench().History().IsClean());

  // A picture as the source; a bad file is reported and changes nothing.
  const QString picture = f.WritePicture("pic.tga", Coordinates(64, 64));
  OpenStartupFiles(f.bench(), ParseCommandLine({"mosaicor", picture}));
  EXPECT_EQ(f.source().Layers().PortSize(), QSize(64, 64));
  const QString bad = f.Path("bad.bmp");
  WriteBytesToFile(bad, "not a picture");
  OpenStartupFiles(f.bench(), ParseCommandLine({"mosaicor", bad, "--target", bad}));
  EXPECT_EQ(f.dialogs.messages.size(), 2);
  EXPECT_EQ(f.source().Layers().PortSize(), QSize(64, 64));
  EXPECT_EQ(f.doc().TextureSetFile, set);
}

// At 1x the port fits its box; zoomed, a set wider than the box scrolls across with a bar.
TEST(TargetSide, AZoomedTargetScrollsAcross) {
  WindowFixture f;
  QScrollBar* across = f.c().Target->ScrollBoxImageStack->horizontalScrollBar();
  EXPECT_FALSE(across->isVisible());
  f.c().Target->SetZoom(2);
  ASSERT_TRUE(across->isVisible());
  EXPECT_GE(across->maximum(), 256 * 2 - f.c().Target->ScrollBoxImageStack->viewport()->width());
  across->setValue(across->maximum());
  EXPECT_EQ(f.c().Target->BasePanel->mapFrom(f.c().Target->ScrollBoxImageStack->viewport(), QPoint(0, 0)).x(),
            across->maximum());
  f.c().Target->SetZoom(1);
  EXPECT_FALSE(across->isVisible());
}

}  // namespace
}  // namespace mosaicor::testing
