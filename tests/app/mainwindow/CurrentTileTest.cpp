// The current tile: cuts on both canvases through the real mouse dispatch, the size selector,
// the scroll tile, the picker mask, the colour pots and the transparency tab; and the whole road
// of one texture set.

#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <cmath>

#include "WindowTestSupport.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/resampling/TileResampler.h"

namespace mosaicor::testing {
namespace {

struct TileFixture : WindowFixture {
  // The Source shows a picture whose pixels tell where they are.
  explicit TileFixture(QSize size = QSize(256, 256)) {
    emit c().Source->DragNDrop(WritePicture("source.tga", Coordinates(size.width(), size.height())));
  }
  void SelectSize(TileSizeMode mode) { c().ClipTileSizeScroll->setValue(static_cast<int>(mode)); }
  QImage Tile() const { return window->Bench().Doc().ClipTile.convertToFormat(QImage::Format_RGB32); }
  QImage TargetClip() { return target().Layers().L4_Clip().PictureCopy().convertToFormat(QImage::Format_RGB32); }
};

TEST(SizeSelector, SizesItAsksFor) {
  EXPECT_EQ(CutSizeFor(TileSizeMode::MultiTile, QSize(128, 192)), QSize(128, 192));
  EXPECT_EQ(CutSizeFor(TileSizeMode::Fixed128, QSize(64, 64)), QSize(128, 128));
  EXPECT_EQ(CutSizeFor(TileSizeMode::AutoSize, QSize(96, 95)), QSize(128, 64));
  EXPECT_EQ(CutSizeFor(TileSizeMode::AutoSize, QSize(160, 224)), QSize(192, 256));
  // Never an empty side: a cut under half a tile still makes a whole tile.
  EXPECT_EQ(CutSizeFor(TileSizeMode::AutoSize, QSize(16, 16)), QSize(64, 64));
  EXPECT_EQ(CutSizeFor(TileSizeMode::ScrollTile, QSize(64, 64)), QSize(64, 32));
}

TEST(SizeSelector, WrapsBothWaysAndShowsTheLabel) {
  WindowFixture f;
  QScrollBar* selector = f.c().ClipTileSizeScroll;
  selector->triggerAction(QAbstractSlider::SliderSingleStepSub);  // 1 -> 0 -> 6
  EXPECT_EQ(selector->value(), 6);
  EXPECT_EQ(f.c().ClipTileSize->text(), "      Scroll Tile");
  selector->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // 6 -> 7 -> 1
  EXPECT_EQ(selector->value(), 1);
  EXPECT_EQ(f.c().ClipTileSize->text(), "      Multi Tile");
  static_assert(WrapIntoRange(0, 1, 6) == 6 && WrapIntoRange(7, 1, 6) == 1 && WrapIntoRange(3, 1, 6) == 3);
}

TEST(Cutting, MultiTileKeepsTheSelectionAsItIs) {
  TileFixture f;
  Drag(f.c().Source, QPoint(10, 10), QPoint(100, 150));
  const QImage expected = Coordinates(256, 256).copy(0, 0, 128, 192);
  EXPECT_EQ(f.Tile(), Rgb(expected));
  EXPECT_EQ(f.TargetClip(), Rgb(expected));
  EXPECT_EQ(f.target().Cursor().Mode(), ModePaste);
  // The viewer shows the top-left 64 x 64.
  EXPECT_EQ(f.c().ClipTileImage->pixmap().size(), QSize(64, 64));
}

TEST(Cutting, FixedSizesResampleOnlyWhenTheSizeDiffers) {
  TileFixture f;
  f.SelectSize(TileSizeMode::Fixed64);
  Drag(f.c().Source, QPoint(10, 10), QPoint(10, 100));
  const QImage cut = Coordinates(256, 256).copy(0, 0, 64, 128);
  EXPECT_EQ(f.Tile(), Rgb(ResizeTile(64, 64, cut)));
  EXPECT_EQ(f.TargetClip(), f.Tile());
  // The Source's clip holds the resized cut too.
  EXPECT_EQ(Rgb(f.source().Layers().L4_Clip().PictureCopy()), f.Tile());

  f.SelectSize(TileSizeMode::Fixed128);
  Drag(f.c().Source, QPoint(70, 70), QPoint(130, 130));
  EXPECT_EQ(f.Tile(), Rgb(Coordinates(256, 256).copy(64, 64, 128, 128)));
}

TEST(Cutting, ScrollTileRepeatsItsTopHalf) {
  TileFixture f;
  f.SelectSize(TileSizeMode::ScrollTile);
  Click(f.c().Source, QPoint(80, 20));
  const QImage tile = f.Tile();
  ASSERT_EQ(tile.size(), QSize(64, 64));
  EXPECT_EQ(tile.copy(0, 32, 64, 32), tile.copy(0, 0, 64, 32));
  EXPECT_EQ(tile.copy(0, 0, 64, 32), Rgb(ResizeTile(64, 32, Coordinates(256, 256).copy(64, 0, 64, 64))));

  // A cut that is already 64 x 32 stays as it is.
  f.c().ScrollBarGrid->setValue(2);  // 32-pixel grid
  Drag(f.c().Source, QPoint(5, 5), QPoint(40, 5));
  EXPECT_EQ(f.Tile(), Rgb(Coordinates(256, 256).copy(0, 0, 64, 32)));
}

TEST(Cutting, ADoubleClickDoesNotCut) {
  TileFixture f;
  const QPoint at(150, 150);
  DoubleClick(f.c().Source, at);
  EXPECT_FALSE(f.source().Grid().GridLocked);  // the double click switched the grid mode
  EXPECT_EQ(f.source().Cursor().Mode(), ModeIdle);
  EXPECT_FALSE(f.view().SourceDoubleClicked);
  // Only the first press cut: its cell, not the free box the second press would have taken.
  EXPECT_EQ(f.TargetClip(), Rgb(Coordinates(256, 256).copy(128, 128, 64, 64)));
}

// The controls that repaint while `act` runs, apart from the canvases and the status line.
template <typename Act>
QStringList ControlsRepainted(MainWindowControls& c, Act act) {
  struct Counter : QObject {
    MainWindowControls& c;
    QStringList painted;
    explicit Counter(MainWindowControls& controls) : c(controls) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (event->type() != QEvent::Paint || !widget || painted.contains(widget->objectName())) return false;
      // The canvases, what holds them (painted beneath them) and the status line are not counted.
      for (QWidget* apart :
           {static_cast<QWidget*>(c.Source), static_cast<QWidget*>(c.Target), static_cast<QWidget*>(c.StatusBar)})
        if (widget == apart || apart->isAncestorOf(widget) || widget->isAncestorOf(apart)) return false;
      painted << widget->objectName();
      return false;
    }
  } counter(c);
  qApp->installEventFilter(&counter);
  act();
  QTest::qWait(20);
  qApp->removeEventFilter(&counter);
  return counter.painted;
}

TEST(Cutting, APressRepaintsOnlyTheControlsWhoseContentChanged) {
  TileFixture f;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window.get()));
  Click(f.c().Source, QPoint(10, 10));
  QTest::qWait(20);
  EXPECT_EQ(ControlsRepainted(f.c(), [&] { Click(f.c().Source, QPoint(70, 10)); }),
            QStringList({"ClipTilePanel", "ClipTileImage"}));
  // A paste changes the Target, not the current tile.
  EXPECT_EQ(ControlsRepainted(f.c(), [&] { Click(f.c().Target, QPoint(70, 70)); }), QStringList());
}

TEST(Cutting, ATileCutOnTheTargetIsReadyToPasteAtOnce) {
  TileFixture f;
  f.c().CopyButton->click();
  f.SelectSize(TileSizeMode::Fixed128);
  Click(f.c().Target, QPoint(70, 10));
  EXPECT_EQ(f.target().Cursor().Mode(), ModePaste);
  EXPECT_EQ(f.Tile(), Rgb(Coordinates(256, 256).copy(64, 0, 64, 64)));  // not resized
}

TEST(Cutting, RightClickInARotationPressesNone) {
  TileFixture f;
  f.c().SpeedButtonRotate->click();
  ASSERT_EQ(f.target().Cursor().Mode(), ModeTransform);
  Click(f.c().Target, QPoint(20, 20), Qt::RightButton);
  EXPECT_TRUE(f.c().SpeedButtonNone->isChecked());
}

TEST(AnimationPreview, TheSpeedBarSlowsItsCanvasAndANewRangeStartsAtFullSpeed) {
  WindowFixture f;
  emit f.c().Source->DragNDrop(f.WritePicture("range.tga", Coordinates(256, 256)));
  f.c().TrackBarSource->setValue(3);
  EXPECT_EQ(f.source().Animation().Speed(), 3);
  Press(f.c().Source, QPoint(10, 10), Qt::RightButton);
  Move(f.c().Source, QPoint(200, 10), Qt::RightButton);
  Release(f.c().Source, QPoint(200, 10), Qt::RightButton);
  ASSERT_TRUE(f.c().Source->TimerAnim->isActive());
  EXPECT_EQ(f.c().TrackBarSource->value(), 1);
  EXPECT_EQ(f.c().Source->TimerAnim->interval(), f.source().Animation().AnimInterval());
  f.c().TrackBarSource->setValue(4);  // a running preview slows down at once
  EXPECT_EQ(f.c().Source->TimerAnim->interval(), 4 * f.source().Animation().AnimInterval());
  EXPECT_EQ(f.target().Animation().Speed(), 1) << "each canvas has its own bar";
}

TEST(Picker, MasksExactlyThePickedColourInLaterCuts) {
  WindowFixture f;
  QImage picture(64, 64, QImage::Format_ARGB32);
  picture.fill(qRgb(255, 255, 255));
  picture.setPixel(3, 3, qRgb(254, 255, 255));
  picture.setPixel(4, 4, qRgba(255, 255, 255, 0));  // alpha plays no part
  emit f.c().Source->DragNDrop(f.WritePicture("white.tga", picture));
  f.c().SpeedButtonPicker->click();
  EXPECT_TRUE(f.view().Picking);
  Move(f.c().Source, QPoint(10, 10));
  EXPECT_EQ(f.c().SourceColourSample->Colour(), qRgb(255, 255, 255));
  Click(f.c().Source, QPoint(10, 10));  // ends picking, cuts nothing
  EXPECT_FALSE(f.view().Picking);
  Click(f.c().Source, QPoint(10, 10));
  const QImage tile = f.doc().ClipTile.convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(tile.pixel(0, 0), qRgb(255, 0, 255));
  EXPECT_EQ(tile.pixel(4, 4), qRgb(255, 0, 255));
  EXPECT_EQ(tile.pixel(3, 3), qRgb(254, 255, 255));
  // The Source keeps its colours.
  EXPECT_EQ(Shown(f.source()).pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_TRUE(f.c().SpeedButtonPicker->isChecked());
}

// A keyed Source's cut resized by the size selector is keyed after the resize: no pinkish pixel,
// one the level editor would show, is blended into the shape's soft edge.
TEST(Viewer, AKeyedCutResizedKeepsNoPinkFringe) {
  WindowFixture f;
  QImage disc(128, 128, QImage::Format_ARGB32);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const int a = int(std::clamp((50 - std::hypot(x - 63.5, y - 63.5)) / 6, 0.0, 1.0) * 255);
      disc.setPixel(x, y, qRgba(214, 22, 87, a));
    }
  emit f.c().Source->DragNDrop(f.WritePicture("disc.tga", disc));
  f.bench().Sources().SetAlphaToMagenta(true);
  f.bench().Sources().SetCleanFringe(true);
  f.c().ClipTileSizeScroll->setValue(static_cast<int>(TileSizeMode::Fixed64));
  Drag(f.c().Source, QPoint(10, 10), QPoint(100, 100));
  const QImage tile = f.doc().ClipTile.convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(tile.size(), QSize(64, 64));
  EXPECT_EQ(tile.pixel(0, 0), qRgb(255, 0, 255));
  EXPECT_EQ(tile.pixel(32, 32), qRgb(214, 22, 87));
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const QRgb p = tile.pixel(x, y);
      const int dr = 255 - qRed(p), dg = qGreen(p), db = 255 - qBlue(p);
      if (p != qRgb(255, 0, 255)) EXPECT_GT(dr * dr + dg * dg + db * db, 40 * 40) << x << "," << y;
    }
}

// A 24-bit picture loads with alpha 0 everywhere: the viewer shows its colours all the same, and
// after the picker, magenta where the mask took the picked colour.
TEST(Viewer, ShowsTheTileOpaqueAndThePickerMaskInMagenta) {
  WindowFixture f;
  BmpSpec spec;
  spec.bitCount = 24, spec.width = 64, spec.height = 64;
  spec.pixels = QList<uint32_t>(64 * 64, 0x204080);
  spec.pixels[5 * 64 + 5] = 0xFFFFFF;
  const QString bmp = f.Path("plain.bmp");
  ASSERT_TRUE(WriteBytesToFile(bmp, WriteBmp(spec)));
  emit f.c().Source->DragNDrop(bmp);
  const auto viewer = [&f] { return f.c().ClipTileImage->grab().toImage().convertToFormat(QImage::Format_RGB32); };
  Click(f.c().Source, QPoint(10, 10));
  ASSERT_EQ(qAlpha(f.doc().ClipTile.pixel(0, 0)), 0);
  EXPECT_EQ(viewer().pixel(0, 0), qRgb(0x20, 0x40, 0x80));
  EXPECT_EQ(viewer().pixel(5, 5), qRgb(255, 255, 255));

  f.c().SpeedButtonPicker->click();
  Move(f.c().Source, QPoint(5, 5));
  Click(f.c().Source, QPoint(5, 5));  // ends picking with white sampled
  Click(f.c().Source, QPoint(10, 10));
  EXPECT_EQ(viewer().pixel(0, 0), qRgb(0x20, 0x40, 0x80));
  EXPECT_EQ(viewer().pixel(5, 5), qRgb(255, 0, 255));
}

TEST(Pots, FlatTilesReadyToPaste) {
  WindowFixture f;
  f.c().SourceColourSample->clicked();  // before any picking: white
  EXPECT_EQ(f.doc().ClipTile.pixel(5, 5), qRgb(255, 255, 255));
  EXPECT_EQ(f.target().Cursor().Mode(), ModePaste);
  emit f.c().PanelMagenta->clicked();
  EXPECT_EQ(f.doc().ClipTile.size(), QSize(64, 64));
  EXPECT_EQ(f.doc().ClipTile.pixel(63, 63), qRgb(255, 0, 255));
  EXPECT_EQ(Rgb(f.target().Layers().L4_Clip().PictureCopy()).pixel(0, 0), qRgb(255, 0, 255));
}

TEST(Pots, FillerDialogHistoryAndCancel) {
  WindowFixture f;
  emit f.c().PanelFiller->clicked();
  emit f.c().PanelFiller->doubleClicked();  // cancelled
  EXPECT_EQ(f.dialogs.customColours[0], "ColorA=000080");
  EXPECT_EQ(f.dialogs.customColours[11], "ColorL=FC00FC");
  EXPECT_EQ(f.doc().FillerColour, qRgb(128, 0, 0));
  EXPECT_EQ(f.doc().ClipTile.pixel(0, 0), qRgb(128, 0, 0));
  EXPECT_EQ(f.target().Cursor().Mode(), ModePaste);
  f.dialogs.colours.push_back(qRgb(0, 0x20, 0x10));
  emit f.c().PanelFiller->doubleClicked();
  EXPECT_EQ(f.doc().FillerColour, qRgb(0, 0x20, 0x10));
  EXPECT_EQ(f.c().PanelFiller->Colour(), qRgb(0, 0x20, 0x10));
  for (int i = 0; i < 6; ++i) emit f.c().PanelFiller->doubleClicked();
  // The ninth opening writes slot A again, with the colour then in force.
  emit f.c().PanelFiller->doubleClicked();
  EXPECT_EQ(f.dialogs.customColours[0], "ColorA=102000");
  EXPECT_EQ(f.dialogs.customColours[1], "ColorB=000080");
  EXPECT_EQ(f.dialogs.customColours[2], "ColorC=102000");
}

TEST(Pots, PickedColourBecomesTheFillerOfCopyAll) {
  WindowFixture f;
  QImage picture(40, 40, QImage::Format_ARGB32);
  picture.fill(qRgb(12, 34, 56));
  emit f.c().Source->DragNDrop(f.WritePicture("flat.tga", picture));
  f.c().SpeedButtonPicker->click();
  Move(f.c().Source, QPoint(5, 5));
  emit f.c().SourceColourSample->clicked();
  emit f.c().SourceColourSample->doubleClicked();
  EXPECT_EQ(f.c().PanelFiller->Colour(), qRgb(12, 34, 56));
  f.c().CopyButton->click();  // smaller than one cell: one page of filler
  EXPECT_EQ(Shown(f.target()).pixel(100, 100), qRgb(12, 34, 56));
}

TEST(Transparency, ConvertReloadsTheLevelWithMagenta) {
  WindowFixture f;
  LevelDescription level = MakeSampleLevel(LevelGeneration::TR2, 1);
  const QString path = f.Path("two.tr2");
  WriteLevelFile(path, level);
  f.dialogs.files.push_back(path);
  f.bench().Sources().OpenSource(SourceAction::LevelTextures);
  const QImage opaque = Shown(f.source());
  f.c().SpeedButtonMagenta->click();
  const QImage masked = Shown(f.source());
  EXPECT_NE(masked, opaque);
  int magenta = 0;
  for (int y = 0; y < masked.height(); ++y)
    for (int x = 0; x < masked.width(); ++x) magenta += (masked.pixel(x, y) & 0xFFFFFF) == 0xFF00FF;
  EXPECT_GT(magenta, 0);
  f.c().SpeedButtonOpaque->click();
  EXPECT_EQ(Shown(f.source()), opaque);
}

TEST(Road, ExtractCutResizePasteSaveAndCompare) {
  WindowFixture f;
  f.dialogs.files.push_back(f.WriteLevel("road.tr4", LevelGeneration::TR4, 2));
  f.bench().Sources().OpenSource(SourceAction::LevelTextures);
  const QImage source = Shown(f.source());
  f.c().ClipTileSizeScroll->setValue(static_cast<int>(TileSizeMode::Fixed64));
  Drag(f.c().Source, QPoint(70, 10), QPoint(140, 10));  // two tiles side by side
  const QImage tile = ResizeTile(64, 64, source.copy(64, 0, 128, 64));
  for (QPoint at : {QPoint(10, 10), QPoint(80, 10), QPoint(150, 80)}) {
    Move(f.c().Target, at);
    Click(f.c().Target, at, Qt::LeftButton, Qt::ControlModifier);
  }
  EXPECT_EQ(f.target().Cursor().Mode(), ModePaste);
  const QString out = f.Path("road.tga");
  f.dialogs.files.push_back(out);
  f.bench().Targets().SaveTargetAs();

  const QImage saved = LoadBack(out);
  QImage expected(256, 512, QImage::Format_RGB32);
  expected.fill(Qt::black);
  for (QPoint at : {QPoint(0, 0), QPoint(64, 0), QPoint(128, 64)})
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) expected.setPixel(at.x() + x, at.y() + y, tile.pixel(x, y));
  EXPECT_EQ(Rgb(saved), expected);
}

}  // namespace
}  // namespace mosaicor::testing

namespace mosaicor::testing {
namespace {

TEST(Zoom, TheBoxZoomsItsCanvasAndClicksStillCutTheCellUnderThem) {
  TileFixture f;
  f.c().SourceZoom->setCurrentIndex(2);
  emit f.c().SourceZoom->activated(2);
  ASSERT_EQ(f.c().Source->Zoom(), 3);
  Click(f.c().Source, QPoint(130 * 3 + 1, 70 * 3 + 2));
  EXPECT_EQ(f.Tile(), Rgb(Coordinates(256, 256).copy(128, 64, 64, 64)));
  f.c().Source->ZoomIn();
  EXPECT_EQ(f.c().SourceZoom->currentText(), QString::fromUtf8("4\u00d7"));
}

}  // namespace
}  // namespace mosaicor::testing
