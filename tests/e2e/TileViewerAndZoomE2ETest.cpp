// The real window on a real X server: what the Current Tile viewer shows of a tile cut from an
// ordinary 24-bit picture, before and after the picker, and a zoomed Target scrolled across with
// the mouse. Each check reads the screen, as a user sees it.

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QWindow>

#include "MainWindowTest.h"
#include "PictureWriters.h"
#include "TestFiles.h"
#include "app/mainwindow/MainWindow.h"
#include "app/workbench/SourceWorkflow.h"
#include "app/workbench/Workbench.h"
#include "core/extraction/MakeBeep.h"

namespace mosaicor::e2e {
namespace {

// One pixel of the screen.
QRgb ScreenPixel(QPoint at) {
  return QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), 1, 1).toImage().pixel(0, 0) | 0xFF000000u;
}

struct ViewerAndZoom : MainWindowTest {
  void SetUp() override {
    MainWindowTest::SetUp();
    if (!IsSkipped()) Open();
  }
  QPoint Viewer(QPoint p) { return OnScreen(c().ClipTileImage, p); }
};

TEST_F(ViewerAndZoom, TheViewerShowsATileOfA24BitPictureAndThePickerMask) {
  // A 24-bit BMP loads with alpha 0 everywhere; a white square in its first tile.
  BmpSpec spec;
  spec.bitCount = 24, spec.width = 128, spec.height = 64;
  spec.pixels = QList<uint32_t>(128 * 64, 0x3060C0);
  for (int y = 16; y < 32; ++y)
    for (int x = 16; x < 32; ++x) spec.pixels[y * 128 + x] = 0xFFFFFF;
  const QString path = dir.filePath(QStringLiteral("plain.bmp"));
  ASSERT_TRUE(WriteBytesToFile(path, WriteBmp(spec)));
  ASSERT_TRUE(bench().Sources().OpenFile(path));

  ClickAt(OnScreen(c().Source->BasePanel, QPoint(40, 40)));
  ASSERT_TRUE(WaitUntil([&] { return !bench().Doc().ClipTile.isNull(); }));
  ASSERT_TRUE(WaitUntil([&] { return ScreenPixel(Viewer(QPoint(4, 4))) == qRgb(0x30, 0x60, 0xC0); }))
      << std::hex << ScreenPixel(Viewer(QPoint(4, 4)));
  EXPECT_EQ(ScreenPixel(Viewer(QPoint(20, 20))), qRgb(255, 255, 255));
  Screenshot(QStringLiteral("viewer-1-cut-from-24-bit-bmp"));

  QTabBar* tabs = c().SourcePageControl->tabBar();
  ClickAt(OnScreen(tabs, tabs->tabRect(1).center()));  // TRANSPARENCY
  ClickAt(OnScreen(c().SpeedButtonPicker, c().SpeedButtonPicker->rect().center()));
  ASSERT_TRUE(bench().View().Picking);
  MoveTo(OnScreen(c().Source->BasePanel, QPoint(20, 20)));
  ASSERT_TRUE(WaitUntil([&] { return c().SourceColourSample->Colour() == qRgb(255, 255, 255); }));
  ClickAt(OnScreen(c().Source->BasePanel, QPoint(20, 20)));  // ends picking
  ASSERT_TRUE(WaitUntil([&] { return !bench().View().Picking; }));
  ClickAt(OnScreen(c().Source->BasePanel, QPoint(50, 50)));  // far enough not to be a double click
  ASSERT_TRUE(WaitUntil([&] { return ScreenPixel(Viewer(QPoint(20, 20))) == qRgb(255, 0, 255); }))
      << std::hex << ScreenPixel(Viewer(QPoint(20, 20)));
  EXPECT_EQ(ScreenPixel(Viewer(QPoint(4, 4))), qRgb(0x30, 0x60, 0xC0));
  Screenshot(QStringLiteral("viewer-2-picker-mask"));
}

TEST_F(ViewerAndZoom, AZoomedTargetScrollsAcrossWithItsBar) {
  // A set whose left page is red and whose right page is green, two pages wide.
  QImage set(512, 256, QImage::Format_RGB32);
  set.fill(qRgb(200, 0, 0));
  for (int y = 0; y < 256; ++y)
    for (int x = 256; x < 512; ++x) set.setPixel(x, y, qRgb(0, 180, 0));
  const QString path = dir.filePath(QStringLiteral("set.png"));
  ASSERT_TRUE(set.save(path));
  emit c().Target->DragNDrop(path);
  ASSERT_TRUE(WaitUntil([&] { return c().TargetWidth->text() == QLatin1String("2"); }));
  QScrollBar* across = c().Target->ScrollBoxImageStack->horizontalScrollBar();
  EXPECT_FALSE(across->isVisible());

  // Ctrl+wheel over the Target: 2x.
  MoveTo(OnScreen(c().Target->BasePanel, QPoint(100, 100)));
  Xdo({QStringLiteral("keydown"), QStringLiteral("ctrl")});
  Xdo({QStringLiteral("click"), QStringLiteral("4")});
  Xdo({QStringLiteral("keyup"), QStringLiteral("ctrl")});
  ASSERT_TRUE(WaitUntil([&] { return c().Target->Zoom() == 2 && across->isVisible(); }));
  Screenshot(QStringLiteral("zoom-1-target-at-2x"));

  // The bar's far end, clicked until the right edge of the set is in view.
  const QPoint farEnd = OnScreen(across, QPoint(across->width() - 24, across->height() / 2));
  for (int i = 0; i < 20 && across->value() < across->maximum(); ++i) ClickAt(farEnd);
  ASSERT_EQ(across->value(), across->maximum());
  QWidget* port = c().Target->ScrollBoxImageStack->viewport();
  ASSERT_TRUE(WaitUntil([&] { return ScreenPixel(OnScreen(port, QPoint(port->width() - 4, 20))) == qRgb(0, 180, 0); }))
      << std::hex << ScreenPixel(OnScreen(port, QPoint(port->width() - 4, 20)));
  Screenshot(QStringLiteral("zoom-2-target-scrolled-across"));
}

}  // namespace
}  // namespace mosaicor::e2e
