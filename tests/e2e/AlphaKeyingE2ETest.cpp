// The real window on a real X server: a PNG with alpha dropped on the Source, keyed by
// TRANSPARENCY > Alpha -> Magenta clicked with the pointer, cut, pasted and saved: the saved TGA has
// magenta where the alpha was. Screenshots of the Source before and after the option are kept.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTabBar>
#include <QUrl>

#include "MainWindowTest.h"
#include "app/workbench/TargetWorkflow.h"
#include "core/graphics/AlphaKeying.h"

namespace mosaicor::e2e {
namespace {

struct AlphaKeyingFixture : MainWindowTest {
  void DropOnSource(const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(c().Source, &enter);
    QDropEvent drop(QPointF(30, 30), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(c().Source, &drop);
  }
};

TEST_F(AlphaKeyingFixture, APictureWithAlphaIsSavedWithMagentaWhereTheAlphaWas) {
  Open();
  // A 64 x 64 cut-out: an opaque square in the middle of a transparent ground with a soft edge.
  QImage cutout(64, 64, QImage::Format_ARGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const int edge = std::min({x, y, 63 - x, 63 - y});
      cutout.setPixel(x, y, qRgba(30, 160, 60, std::clamp((edge - 8) * 40, 0, 255)));
    }
  ASSERT_TRUE(cutout.save(dir.filePath("cutout.png")));
  DropOnSource(dir.filePath("cutout.png"));
  ASSERT_TRUE(WaitUntil([&] { return bench().View().SourceHasTransparency; }));
  // TRANSPARENCY by the pointer, then a look at the Source as it came.
  QTabBar* tabs = c().SourcePageControl->tabBar();
  ClickAt(OnScreen(tabs, tabs->tabRect(static_cast<int>(SourceTab::Transparency)).center()));
  ASSERT_TRUE(WaitUntil([&] { return c().CheckBoxAlphaToMagenta->isVisible() && c().CheckBoxAlphaToMagenta->isEnabled(); }));
  Pump(200);
  Screenshot(QStringLiteral("alpha-1-source-as-it-came"));
  ClickAt(OnScreen(c().CheckBoxAlphaToMagenta, c().CheckBoxAlphaToMagenta->rect().center()));
  ASSERT_TRUE(WaitUntil([&] { return bench().View().AlphaToMagenta; }));
  Pump(200);
  Screenshot(QStringLiteral("alpha-2-source-keyed"));
  EXPECT_EQ(bench().Source().Layers().L1_Image().PictureCopy().pixel(0, 0), kOpaqueMagentaKey);

  // Cut the cell, paste it on the Target, save.
  ClickAt(OnScreen(c().Source->BasePanel, QPoint(32, 32)));
  ClickAt(OnScreen(c().Target->BasePanel, QPoint(32, 32)));
  const QString saved = dir.filePath("set.tga");
  ASSERT_TRUE(bench().Targets().SaveToFile(saved));
  QFile file(saved);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray tga = file.readAll();
  ASSERT_EQ(tga.size(), 18 + 256 * 512 * 3);
  auto pixel = [&](int x, int y) {  // rows bottom up, blue, green, red
    const char* p = tga.constData() + 18 + ((511 - y) * 256 + x) * 3;
    return qRgb(uchar(p[2]), uchar(p[1]), uchar(p[0]));
  };
  EXPECT_EQ(pixel(0, 0), qRgb(255, 0, 255));
  EXPECT_EQ(pixel(5, 40), qRgb(255, 0, 255));
  EXPECT_EQ(pixel(32, 32), qRgb(30, 160, 60));

  // Off again: the Source shows the picture as it came.
  ClickAt(OnScreen(c().CheckBoxAlphaToMagenta, c().CheckBoxAlphaToMagenta->rect().center()));
  ASSERT_TRUE(WaitUntil([&] { return !bench().View().AlphaToMagenta; }));
  EXPECT_EQ(bench().Source().Layers().L1_Image().PictureCopy().pixel(0, 0), qRgba(30, 160, 60, 0));
}

}  // namespace
}  // namespace mosaicor::e2e
