// The real window on a real X server, driven by real pointer and key events: the road of one
// texture set from a level to a saved TGA, a picture dropped on the Target, and tiles travelling
// through the X clipboard between two running programs and the clipboard tool.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "LevelWriter.h"
#include "MainWindowTest.h"
#include "PictureWriters.h"
#include "app/mainwindow/MainWindow.h"
#include "app/workbench/SourceWorkflow.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/TargetWorkflow.h"
#include "app/workbench/Workbench.h"
#include "core/extraction/HeadlessExtraction.h"
#include "core/extraction/MakeBeep.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/resampling/TileResampler.h"

namespace mosaicor::e2e {
namespace {

QImage LevelPages(const QString& level) {
  Result<QImage> pages = ExtractLevelPicture(LevelExtract::Pages, level, false);
  EXPECT_TRUE(pages.Ok()) << pages.Text().toStdString();
  return pages.Ok() ? std::move(pages).Value() : QImage();
}

// The road tests: file dialogs answered by typing into them, levels written into the test's folder.
struct RealWindowFixture : MainWindowTest {
  // Answers the next file dialog: checks what its name box offers, then types `name` and Enter.
  void AnswerFileDialog(const QString& name, QString* offered = nullptr, QString* folder = nullptr) {
    WhenDialogOpens<QFileDialog>([=](QFileDialog* dialog) {
      if (auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); box && offered)
        *offered = box->text();
      if (folder) *folder = dialog->directory().absolutePath();
      Keys(QStringLiteral("ctrl+a"));
      Type(name);
      Keys(QStringLiteral("Return"));
    });
  }
  QString WriteLevel(const QString& name) {
    const QString path = dir.filePath(name);
    WriteLevelFile(path, MakeSampleLevel(LevelGeneration::TR4, 2));
    return path;
  }
  QPoint SourcePixel(QPoint p) { return OnScreen(c().Source->BasePanel, p); }
  QPoint TargetPixel(QPoint p) { return OnScreen(c().Target->BasePanel, p); }
};

TEST_F(RealWindowFixture, RoadOfOneTextureSet) {
  Open(QPoint(0, 0));
  const QString level = WriteLevel("road.tr4");
  ASSERT_TRUE(bench().Sources().OpenFile(level));  // as the command line opens it
  Pump(200);

  // Fixed64: the size selector's lower arrow.
  QScrollBar* selector = c().ClipTileSizeScroll;
  ClickAt(OnScreen(selector, QPoint(selector->width() / 2, selector->height() - 4)));
  ASSERT_EQ(bench().View().TileSize, TileSizeMode::Fixed64);
  Screenshot(QStringLiteral("road-1-fixed64"));

  DragBetween(SourcePixel(QPoint(70, 10)), SourcePixel(QPoint(140, 10)));
  ASSERT_EQ(bench().Doc().ClipTile.size(), QSize(64, 64));
  Screenshot(QStringLiteral("road-2-cut"));

  Xdo({QStringLiteral("keydown"), QStringLiteral("ctrl")});
  ClickAt(TargetPixel(QPoint(10, 10)));
  ClickAt(TargetPixel(QPoint(80, 80)));
  Xdo({QStringLiteral("keyup"), QStringLiteral("ctrl")});
  Pump(200);
  Screenshot(QStringLiteral("road-3-pasted"));

  // The first Ctrl+S opens the real save dialog with an empty name in the level's folder, not the
  // box's caption; the name alone, typed once it is open, saves there.
  const QString out = dir.filePath(QStringLiteral("road.tga"));
  QString offered = QStringLiteral("not asked"), folder;
  AnswerFileDialog(QStringLiteral("road.tga"), &offered, &folder);
  Keys(QStringLiteral("ctrl+s"));
  ASSERT_TRUE(WaitUntil([&] { return QFile::exists(out) && bench().Doc().SaveFile == out; }, 30000));
  EXPECT_EQ(offered, QString());
  EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
  EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*---*")}).isEmpty());
  Screenshot(QStringLiteral("road-4-saved"));

  const QImage pages = LevelPages(level);
  const QImage tile = Rgb(ResizeTile(64, 64, pages.copy(64, 0, 128, 64)));
  QImage expected(256, 512, QImage::Format_RGB32);
  expected.fill(Qt::black);
  for (QPoint at : {QPoint(0, 0), QPoint(64, 64)})
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) expected.setPixel(at.x() + x, at.y() + y, tile.pixel(x, y));
  const ImageFileModule files;
  QImage saved;
  PixelFormatCode format;
  ASSERT_TRUE(files.LoadImageAs32BitsFile(saved, out, format).Ok());
  EXPECT_EQ(Rgb(saved), expected);

  // Copy All, save again with Ctrl+S (no dialog now), then reload the file through the Target
  // choice of the Target box and the real open dialog: the Target holds what was saved.
  ClickAt(OnScreen(c().CopyButton, c().CopyButton->rect().center()));
  ASSERT_EQ(bench().TargetDoc().Pages().height, 2);
  const QImage copied = Rgb(bench().Target().Layers().L1_Image().PictureCopy());
  Keys(QStringLiteral("ctrl+s"));
  ASSERT_TRUE(bench().History().IsClean());
  Screenshot(QStringLiteral("road-5-copy-all-saved"));
  bench().Targets().CopyAll();  // anything but the file, to see the reload replace it
  bench().History().SetClean();
  AnswerFileDialog(out);
  // The box's choice as its handler receives it; the dialog it opens is the real one.
  QTimer::singleShot(0, window.get(), [this] { emit c().TargetCombo->activated(3); });
  ASSERT_TRUE(WaitUntil([&] { return bench().History().UndoName() == QLatin1String("Reload"); }, 30000));
  EXPECT_EQ(bench().Doc().TextureSetFile, out);
  EXPECT_EQ(Rgb(bench().Target().Layers().L1_Image().PictureCopy()), copied);
  Screenshot(QStringLiteral("road-6-reloaded"));

  // A picture dropped on the Target sets the page boxes from its size.
  QImage picture(512, 768, QImage::Format_RGB32);
  picture.fill(qRgb(10, 20, 30));
  const QString dropped = dir.filePath(QStringLiteral("drop.png"));
  ASSERT_TRUE(picture.save(dropped));
  // No file manager runs here to drag from: the canvas reports the drop as its drop event does.
  emit c().Target->DragNDrop(dropped);
  ASSERT_TRUE(WaitUntil([&] { return c().TargetWidth->text() == QLatin1String("2"); }));
  EXPECT_EQ(c().TargetHeight->text(), "3");
  Screenshot(QStringLiteral("road-7-dropped"));
}

TEST_F(RealWindowFixture, UndoZoomAndTheQuestionBeforeClosing) {
  Open(QPoint(0, 0));
  ASSERT_TRUE(bench().Sources().OpenFile(WriteLevel("comfort.tr4")));
  Pump(200);
  const QImage before = Rgb(bench().Target().Layers().L1_Image().PictureCopy());
  ClickAt(SourcePixel(QPoint(10, 10)));
  ClickAt(TargetPixel(QPoint(10, 10)));
  ASSERT_NE(Rgb(bench().Target().Layers().L1_Image().PictureCopy()), before);
  Keys(QStringLiteral("ctrl+z"));
  EXPECT_EQ(Rgb(bench().Target().Layers().L1_Image().PictureCopy()), before);
  Keys(QStringLiteral("ctrl+y"));
  EXPECT_NE(Rgb(bench().Target().Layers().L1_Image().PictureCopy()), before);
  Screenshot(QStringLiteral("comfort-1-undone-and-redone"));

  // Ctrl+wheel over the Source zooms it up to 8x, each picture pixel a crisp 8 x 8 block.
  MoveTo(SourcePixel(QPoint(20, 20)));
  Xdo({QStringLiteral("keydown"), QStringLiteral("ctrl")});
  for (int i = 0; i < 5; ++i) Xdo({QStringLiteral("click"), QStringLiteral("4")});
  Xdo({QStringLiteral("keyup"), QStringLiteral("ctrl")});
  Pump(300);
  ASSERT_EQ(c().Source->Zoom(), 8);
  Screenshot(QStringLiteral("comfort-2-zoom-8"));
  const QImage shown = c().Source->BasePanel->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage pages = Rgb(bench().Source().Layers().L1_Image().PictureCopy());
  const QPoint corner = c().Source->BasePanel->mapFrom(c().Source->ScrollBoxImageStack->viewport(), QPoint(0, 0));
  const QPoint pixel((corner.x() + 7) / 8 + 1, (corner.y() + 7) / 8 + 1);
  for (int dy = 0; dy < 8; ++dy)
    for (int dx = 0; dx < 8; ++dx)
      EXPECT_EQ(shown.pixel(pixel.x() * 8 + dx, pixel.y() * 8 + dy), pages.pixel(pixel.x(), pixel.y()));

  // Closing with unsaved changes asks first; Escape cancels and the window stays.
  bool asked = false;
  WhenDialogOpens<QMessageBox>([&asked](QMessageBox*) {
    asked = true;
    Screenshot(QStringLiteral("comfort-3-question"));
    Keys(QStringLiteral("Escape"));
  });
  window->close();
  EXPECT_TRUE(asked);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(RealWindowFixture, ThePickerMasksACutByMouse) {
  Open(QPoint(0, 0));
  QImage picture(128, 64, QImage::Format_RGB32);
  picture.fill(qRgb(255, 255, 255));
  for (int i = 0; i < 64; ++i) picture.setPixel(i, i, qRgb(250, 250, 250));
  const QString path = dir.filePath(QStringLiteral("white.png"));
  ASSERT_TRUE(picture.save(path));
  ASSERT_TRUE(bench().Sources().OpenFile(path));
  Pump(200);
  QTabBar* tabs = c().SourcePageControl->tabBar();
  ClickAt(OnScreen(tabs, tabs->tabRect(1).center()));  // TRANSPARENCY
  ClickAt(OnScreen(c().SpeedButtonPicker, c().SpeedButtonPicker->rect().center()));
  ASSERT_TRUE(bench().View().Picking);
  MoveTo(SourcePixel(QPoint(40, 5)));
  MoveTo(SourcePixel(QPoint(40, 6)));
  EXPECT_EQ(c().SourceColourSample->Colour(), qRgb(255, 255, 255));
  ClickAt(SourcePixel(QPoint(40, 6)));              // ends picking
  Pump(QApplication::doubleClickInterval() + 200);  // two separate clicks, not a double click
  ClickAt(SourcePixel(QPoint(40, 6)));              // cuts the first tile
  Screenshot(QStringLiteral("picker-masked-cut"));
  const QImage tile = Rgb(bench().Doc().ClipTile);
  ASSERT_EQ(tile.size(), QSize(64, 64));
  EXPECT_EQ(tile.pixel(40, 6), qRgb(255, 0, 255));
  EXPECT_EQ(tile.pixel(6, 6), qRgb(250, 250, 250));
  EXPECT_EQ(Rgb(bench().Source().Layers().L1_Image().PictureCopy()).pixel(40, 6), qRgb(255, 255, 255));
}

TEST_F(RealWindowFixture, TilesTravelThroughTheXClipboard) {
  Open(QPoint(0, 0));
  const QString level = WriteLevel("clip.tr4");
  // B imports automatically.
  ClickAt(OnScreen(c().CheckBoxImport, QPoint(6, c().CheckBoxImport->height() / 2)));
  ASSERT_TRUE(c().CheckBoxImport->isChecked());

  // A picture put on the clipboard by the X tool arrives.
  QImage png(40, 30, QImage::Format_RGB32);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) png.setPixel(x, y, qRgb(x * 6, y * 8, 77));
  QByteArray pngBytes;
  QBuffer buffer(&pngBytes);
  buffer.open(QIODevice::WriteOnly);
  png.save(&buffer, "PNG");
  RunTool(QStringLiteral("xclip"),
          {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"), QStringLiteral("image/png"),
           QStringLiteral("-i")},
          pngBytes);
  ASSERT_TRUE(WaitUntil([&] { return Rgb(bench().Doc().ClipTile) == png; }));

  // Text changes nothing.
  RunTool(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard")}, "some words");
  Pump(500);
  EXPECT_EQ(Rgb(bench().Doc().ClipTile), png);

  // Program A, started with a level on its command line, exports every cut; B takes it.
  QProcess a;
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
  Pump(800);
  // Where A really is, whatever became of the move.
  QPoint origin;
  const QList<QByteArray> geometry =
      RunTool(QStringLiteral("xdotool"),
              {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::fromLatin1(id)})
          .split('\n');
  for (const QByteArray& line : geometry) {
    if (line.startsWith("X=")) origin.setX(line.mid(2).toInt());
    if (line.startsWith("Y=")) origin.setY(line.mid(2).toInt());
  }
  // A has the same layout as B: B's widgets say where A's are, relative to the window.
  auto inA = [&](const QWidget* widget, QPoint at) { return origin + widget->mapTo(window.get(), at); };
  ClickAt(inA(c().CheckBoxExport, QPoint(6, c().CheckBoxExport->height() / 2)));
  ClickAt(inA(c().Source->BasePanel, QPoint(70, 10)));
  const QImage cell = Rgb(LevelPages(level).copy(64, 0, 64, 64));
  const bool arrived = WaitUntil([&] { return Rgb(bench().Doc().ClipTile) == cell; }, 8000);
  Screenshot(QStringLiteral("clipboard-two-instances"));
  EXPECT_TRUE(arrived);
  ClickAt(TargetPixel(QPoint(10, 10)));
  EXPECT_EQ(Rgb(bench().Target().Layers().L1_Image().PictureCopy()).copy(0, 0, 64, 64), cell);
  a.terminate();
  a.waitForFinished(3000);

  // A tile exported by the program is read back by the X tool as a PNG of the right pixels.
  c().CheckBoxImport->click();
  c().ClipExportButton->click();
  Pump(300);
  const QByteArray back =
      RunTool(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                                        QStringLiteral("image/png"), QStringLiteral("-o")});
  const QImage read = QImage::fromData(back, "PNG");
  EXPECT_EQ(Rgb(read), cell);
}

// A failed load on the real window: a message box names the file and the reason the companion
// prints, and the Source box still names what is shown.
TEST_F(RealWindowFixture, AFailedLoadIsToldInAMessageBox) {
  Open(QPoint(0, 0));
  const QString level = WriteLevel("shown.tr4");
  ASSERT_TRUE(bench().Sources().OpenFile(level));
  const QByteArray tr1 = mosaicor::WriteLevel(MakeSampleLevel(LevelGeneration::TR1, 2));
  const QString cut = dir.filePath(QStringLiteral("CUT1.PHD"));
  ASSERT_TRUE(WriteBytesToFile(cut, tr1.left(tr1.size() * 3 / 4)));
  QString told, behind;
  WhenDialogOpens<QMessageBox>([&](QMessageBox* box) {
    told = box->text();
    behind = c().SourceCombo->currentText();
    Screenshot(QStringLiteral("failure-message"));
    Keys(QStringLiteral("Return"));
  });
  emit c().Source->DragNDrop(cut);
  EXPECT_EQ(told, cut + "\n" + ExtractLevelPicture(LevelExtract::Pages, cut, false).Text());
  EXPECT_TRUE(told.contains(QStringLiteral("level file ends early in the "))) << told.toStdString();
  EXPECT_EQ(behind, level);
  EXPECT_EQ(c().SourceCombo->currentText(), level);

  // The program started on a file that is not there says so before anything else.
  QProcess program;
  program.start(QStringLiteral(MOSAICOR_PROGRAM_PATH), {QStringLiteral("/nonexistent/x.tr4")});
  ASSERT_TRUE(program.waitForStarted());
  const QByteArray box = RunTool(
      QStringLiteral("xdotool"),
      {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
       QString::number(program.processId()), QStringLiteral("--name"), QStringLiteral("^Mosaicor$")});
  EXPECT_FALSE(box.trimmed().isEmpty());
  Screenshot(QStringLiteral("failure-message-command-line"));
  program.kill();
  program.waitForFinished(5000);
}

// The program's own command line, which needs no display at all.
TEST(CommandLine, HelpAndVersionPrintAndExit) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(QLatin1String(name));
  for (const QString& option : {QStringLiteral("--version"), QStringLiteral("--help")}) {
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(MOSAICOR_PROGRAM_PATH), {option});
    ASSERT_TRUE(program.waitForFinished(20000)) << option.toStdString();
    EXPECT_EQ(program.exitCode(), 0);
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString expected =
        option == QLatin1String("--version") ? QStringLiteral(MOSAICOR_VERSION) : QStringLiteral("--target");
    EXPECT_TRUE(out.contains(expected)) << out.toStdString();
    if (option == QLatin1String("--version")) {
      EXPECT_TRUE(out.contains("MIT licence")) << out.toStdString();
    }
  }
}

}  // namespace
}  // namespace mosaicor::e2e

int main(int argc, char** argv) {
  // Without an X server the real-window tests skip themselves; the rest runs offscreen.
  if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
