// The level module's window on the offscreen platform: its loading window and gauge while the
// module it hosts loads, and the open dialog.

#include "LevelWriter.h"

#include "app/dialogs/DialogFilters.h"
#include "app/dialogs/LevelLoadingWindow.h"
#include "core/extraction/MakeBeep.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileDialog>
#include <QProgressBar>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

using G = LevelGeneration;

struct CountingPlayer : ITonePlayer {
  int tones = 0;
  void PlayTone(int, int) override { ++tones; }
};

// Writes down each paint of the gauge with the value it showed and whether the loading window
// was on screen.
struct GaugePaints : QObject {
  explicit GaugePaints(LevelLoadingWindow& window) : window_(window) { window.Gauge->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      values.push_back(window_.Gauge->value());
      if (!window_.isVisible()) paintedWhileHidden = true;
    }
    return false;
  }
  LevelLoadingWindow& window_;
  std::vector<int> values;
  bool paintedWhileHidden = false;
};

TEST(LevelLoadingWindow, LoadingWindowAndGauge) {
  CountingPlayer tones;
  LevelLoadingWindow window(nullptr, tones);
  EXPECT_EQ(window.windowTitle(), "   Loading...");
  EXPECT_EQ(window.size(), QSize(206, 58));
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                        Qt::WindowSystemMenuHint));
  EXPECT_EQ(window.Gauge->geometry(), QRect(8, 8, 177, 20));
  EXPECT_EQ(window.Gauge->minimum(), 0);
  EXPECT_EQ(window.Gauge->maximum(), 100);
  EXPECT_EQ(window.Gauge->value(), 0);
  EXPECT_TRUE(window.Gauge->isTextVisible());
  window.Gauge->setValue(42);
  EXPECT_EQ(window.Gauge->text(), "42%");
  EXPECT_FALSE(window.isVisible());
}

TEST(LevelLoadingWindow, OpenDialogTitleAndFilters) {
  CountingPlayer tones;
  LevelLoadingWindow window(nullptr, tones);
  EXPECT_EQ(window.OpenDialog->windowTitle(), "   ----- EXTRACT TOMB RAIDER TEXTURES -----");
  EXPECT_EQ(window.OpenDialog->defaultSuffix(), "");
  window.OpenDialog->show();
  EXPECT_GE(window.OpenDialog->width(), 900);
  EXPECT_GE(window.OpenDialog->height(), 560);
  window.OpenDialog->hide();
  const QStringList expected = {
      "Tomb Raider Files (*.PHD *.TUB *.TR2 *.TRG *.TR4 *.TRC *.WAD)",
      "Object Libraries (*.WAD)",
      "TR1 (1996) - Tomb Raider (*.phd) (*.PHD)",
      "TR1 (1999) - Tomb Raider Gold (*.tub) (*.TUB)",
      "TR2 (1997) - Starring Lara Croft (*.tr2) (*.TR2)",
      "TR2 (1997) - Golden Mask (*.tr2) (*.TR2)",
      "TR3 (1998) - Adventures of Lara Croft (*.tr2) (*.TR2)",
      "TR3 (2000) - The Lost Artifact (*.tr2) (*.TR2)",
      "TR4 (1999) - The Last Revelation (*.tr4) (*.TR4)",
      "TR5 (2000) - Chronicles (*.trc) (*.TRC)",
      "All Files (*.*) (*.*)",
  };
  EXPECT_EQ(window.OpenDialog->nameFilters(), expected);
  EXPECT_EQ(QtNameFilters("A|*.X;*.Y|B|*.Z"), (QStringList{"A (*.X *.Y)", "B (*.Z)"}));
}

// The load runs without returning to the event loop: every gauge value it shows is painted at
// once, while the window is up, and the window is gone afterwards.
TEST(LevelLoadingWindow, GaugeRepaintsAtOnceWhileALevelLoads) {
  QTemporaryDir dir;
  const LevelDescription d = MakeSampleLevel(G::TR3, 2);
  const QString path = dir.filePath("level.tr2");
  ASSERT_TRUE(WriteLevelFile(path, d));
  QWidget mainWindow;
  mainWindow.setGeometry(300, 200, 800, 600);
  mainWindow.show();
  CountingPlayer tones;
  LevelLoadingWindow window(&mainWindow, tones);
  GaugePaints paints(window);
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  ASSERT_TRUE(window.Module().Load(LevelExtract::Pages, picture, path, format, true));
  EXPECT_EQ(format, PixelFormatCode::FifteenBits);
  EXPECT_EQ(picture.size(), QSize(256, 512));
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(tones.tones, 0);
  const std::vector<int> expected = {30, 50, 0, 100};
  for (int value : expected)
    EXPECT_NE(std::find(paints.values.begin(), paints.values.end(), value), paints.values.end()) << value;
  EXPECT_FALSE(paints.paintedWhileHidden);
  // Centred over the main window.
  const QPoint offset = window.frameGeometry().center() - mainWindow.frameGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << "," << offset.y();
}

TEST(LevelLoadingWindow, FailuresBeepAndTheReadersOwnPassOnWithTheWindowHidden) {
  QTemporaryDir dir;
  CountingPlayer tones;
  LevelLoadingWindow window(nullptr, tones);
  QImage picture(4, 4, QImage::Format_ARGB32);
  picture.fill(0xFF010203);
  PixelFormatCode format = PixelFormatCode::Custom;
  EXPECT_FALSE(window.Module().Load(LevelExtract::Animated, picture, dir.filePath("missing.tr4"), format, false));
  EXPECT_EQ(tones.tones, 10);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(picture.pixel(0, 0), 0xFF010203u);
  EXPECT_EQ(format, PixelFormatCode::Custom);

  LevelLayout layout;
  QByteArray damaged = WriteLevel(MakeSampleLevel(G::TR4, 1), &layout);
  damaged[layout.chunk32 + 40] = char(damaged[layout.chunk32 + 40] ^ 0x33);
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("damaged.tr4"), damaged));
  const ExtractionOutcome damage =
      window.Module().Load(LevelExtract::Pages, picture, dir.filePath("damaged.tr4"), format, false);
  EXPECT_EQ(damage.FailureKind(), LevelLoadFailure::Damaged);
  EXPECT_EQ(picture.pixel(0, 0), 0xFF010203u);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(tones.tones, 10);
  EXPECT_EQ(window.Gauge->value(), 0);
}

}  // namespace

}  // namespace mosaicor
