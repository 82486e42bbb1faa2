// The canvas widget on the offscreen platform: painting, mouse wiring, pointers, drops, timer.

#include "app/canvas/CanvasWidget.h"

#include <gtest/gtest.h>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "TestPictures.h"
#include "core/canvas/LayerCompositor.h"

namespace mosaicor {

namespace {

class FrameStackWidget : public ::testing::Test {
 protected:
  void SetUp() override {
    frame.SetModel(&model);
    frame.resize(300, 300);
    frame.Model().InitStack(256, 512);
    frame.Model().Layers().L1_Image().SetPicture(MakeCoordinatePicture(256, 512));
    frame.Model().UpdateStack();
    frame.Model().Grid().UpdateGrid();
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  }
  QWidget* Port() { return frame.BasePanel; }
  // A mouse move delivered to the port (QTest::mouseMove skips positions the pointer already has).
  void Move(QPoint p, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QMouseEvent event(QEvent::MouseMove, QPointF(p), Port()->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton, keys);
    QCoreApplication::sendEvent(Port(), &event);
  }
  ImageStack model;
  CanvasWidget frame;
};

TEST_F(FrameStackWidget, ThePortShowsTheComposedLayers) {
  EXPECT_EQ(frame.BasePanel->size(), QSize(256, 512));
  frame.Model().Layers().L5_Grid().SetVisible(true);
  Move(QPoint(100, 70));
  const QImage shown = frame.BasePanel->grab(QRect(0, 0, 256, 256)).toImage().convertToFormat(QImage::Format_RGB32);
  const QImage expected = ComposeLayers(frame.Model().Layers(), QRect(0, 0, 256, 256));
  EXPECT_EQ(shown.pixel(64, 64), qRgb(255, 0, 0)) << "the cursor box followed the mouse";
  EXPECT_EQ(shown, expected);
}

TEST_F(FrameStackWidget, MouseEventsReachTheModel) {
  ImageStack& model = frame.Model();
  Move(QPoint(100, 70));
  EXPECT_EQ(model.Cursor().CursorRect(), QRect(64, 64, 64, 64));
  QTest::mousePress(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 70));
  EXPECT_EQ(model.Cursor().Mode(), ModeGrab);
  QTest::mouseRelease(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 70));
  EXPECT_EQ(model.Cursor().Mode(), ModeIdle);
  EXPECT_EQ(model.Layers().L4_Clip().PictureSize(), QSize(64, 64));

  // Pasting with Ctrl held keeps the Paste mode.
  model.Cursor().SetModeToPaste();
  Move(QPoint(30, 30));
  QTest::mousePress(Port(), Qt::LeftButton, Qt::ControlModifier, QPoint(30, 30));
  EXPECT_EQ(model.Cursor().Mode(), ModePaste);
  QTest::mouseRelease(Port(), Qt::LeftButton, Qt::ControlModifier, QPoint(30, 30));
  QTest::mousePress(Port(), Qt::RightButton, Qt::NoModifier, QPoint(30, 30));
  EXPECT_EQ(model.Cursor().Mode(), ModeIdle);
}

TEST_F(FrameStackWidget, ADoubleClickSwitchesTheGridModeAndPressesAgain) {
  int doubleClicks = 0;
  std::vector<ShiftState> presses;
  frame.OnDblClick = [&] {
    ++doubleClicks;
    frame.Model().MouseIsDoubleClick();
  };
  frame.OnMouseDown = [&](MouseButton, ShiftState shift, int, int) { presses.push_back(shift); };
  Move(QPoint(100, 70));
  QTest::mouseDClick(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 70));
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_FALSE(frame.Model().Grid().GridLocked);
  ASSERT_FALSE(presses.empty());
  EXPECT_TRUE(presses.back() & ssDouble);
}

TEST_F(FrameStackWidget, HostHandlersReplaceTheModelsAndEmptyOnesIgnore) {
  std::vector<QPoint> moves;
  frame.OnMouseMove = [&](ShiftState, int x, int y) { moves.push_back({x, y}); };
  frame.OnMouseDown = nullptr;
  Move(QPoint(40, 50));
  QTest::mousePress(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 50));
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.back(), QPoint(40, 50));
  EXPECT_EQ(frame.Model().Cursor().Mode(), ModeIdle);
}

TEST_F(FrameStackWidget, PointerFollowsTheMode) {
  frame.Model().Cursor().SetModeToPaste();
  EXPECT_EQ(frame.cursor().shape(), Qt::SizeAllCursor);
  frame.Model().Cursor().SetModeToIdle();
  EXPECT_EQ(frame.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FrameStackWidget, LeavingTheCanvasParksTheCursorBox) {
  Move(QPoint(100, 70));
  EXPECT_FALSE(frame.Model().Layers().L7_Cursor().IsParked());
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(Port(), &leave);
  EXPECT_TRUE(frame.Model().Layers().L7_Cursor().IsParked());
}

TEST_F(FrameStackWidget, DraggingNearTheEdgeScrollsTheView) {
  frame.Model().Cursor().SetModeToGrab();
  QScrollBar* bar = frame.ScrollBoxImageStack->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(100);
  frame.Model().MouseIsOnMove(0, 100, 110);
  EXPECT_EQ(bar->value(), 94);
}

TEST_F(FrameStackWidget, OnlyTheFirstLocalFileOfADropIsSignalled) {
  EXPECT_TRUE(frame.acceptDrops());
  QSignalSpy spy(&frame, &CanvasWidget::DragNDrop);
  QMimeData data;
  data.setUrls({QUrl("https://example.org/a.tga"), QUrl::fromLocalFile("/tmp/first.tga"),
                QUrl::fromLocalFile("/tmp/second.bmp"), QUrl::fromLocalFile("/tmp/third.tr4")});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame, &drop);
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy.at(0).at(0).toString(), "/tmp/first.tga");

  QMimeData text;
  text.setText("not a file");
  QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame, &refused);
  EXPECT_FALSE(refused.isAccepted());
}

TEST_F(FrameStackWidget, TimerAnimIsThereAndIdle) {
  ASSERT_NE(frame.TimerAnim, nullptr);
  EXPECT_FALSE(frame.TimerAnim->isActive());
}

TEST(CanvasModel, EitherTheWidgetOrItsModelMayGoFirst) {
  auto model = std::make_unique<ImageStack>();
  {
    CanvasWidget frame;
    frame.SetModel(model.get());
    model->InitStack(64, 64);
  }
  model->InitStack(128, 128);  // tells no view
  CanvasWidget frame;
  frame.SetModel(model.get());
  EXPECT_EQ(frame.BasePanel->size(), QSize(128, 128));
  model.reset();
  EXPECT_FALSE(frame.HasModel());
  frame.BasePanel->grab();
}

}  // namespace

}  // namespace mosaicor
