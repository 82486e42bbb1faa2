// The canvas widget driving the animation preview: TimerAnim at the model's interval times the
// host's speed factor, ticks that reach the model and repaint the port, and the transform pointers.

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "TestPictures.h"
#include "app/canvas/CanvasWidget.h"
#include "core/canvas/LayerCompositor.h"

namespace mosaicor {

namespace {

class FrameStackAnimation : public ::testing::Test {
 protected:
  void SetUp() override {
    frame.SetModel(&model);
    frame.resize(300, 300);
    frame.Model().InitStack(256, 512);
    frame.Model().Layers().L1_Image().SetPicture(picture);
    frame.Model().UpdateStack();
    frame.Model().Grid().UpdateGrid();
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  }
  void DrawRange(QPoint from, QPoint to) {
    QTest::mousePress(frame.BasePanel, Qt::RightButton, Qt::NoModifier, from);
    QTest::mouseRelease(frame.BasePanel, Qt::RightButton, Qt::NoModifier, to);
  }
  QImage Shown() {
    return frame.BasePanel->grab(QRect(0, 0, 256, 256)).toImage().convertToFormat(QImage::Format_RGB32);
  }

  QImage picture = MakeCoordinatePicture(256, 512);
  ImageStack model;
  CanvasWidget frame;
};

TEST_F(FrameStackAnimation, TheTimerRunsAtTheIntervalTimesTheSpeedFactor) {
  struct Case {
    int speed;
    QPoint to;
    int interval;
  } cases[] = {{1, {200, 10}, 80}, {3, {200, 10}, 240}, {3, {10, 10}, 30}, {4, {10, 10}, 40}};
  for (const Case& c : cases) {
    frame.Model().Animation().SetSpeed(c.speed);
    DrawRange(QPoint(10, 10), c.to);
    EXPECT_TRUE(frame.TimerAnim->isActive());
    EXPECT_EQ(frame.TimerAnim->interval(), c.interval) << c.speed;
    frame.Model().Animation().AnimRunning = false;
    while (frame.Model().Animation().AnimExists()) frame.Model().ShiftCellsOnTimer();
    EXPECT_FALSE(frame.TimerAnim->isActive());
  }
  // The host puts the factor back at 1 after a range: the running timer follows at once.
  frame.Model().Animation().SetSpeed(2);
  DrawRange(QPoint(10, 10), QPoint(200, 10));
  EXPECT_EQ(frame.TimerAnim->interval(), 160);
  frame.Model().Animation().SetSpeed(1);
  EXPECT_EQ(frame.TimerAnim->interval(), 80);
}

TEST_F(FrameStackAnimation, TicksPlayOnThePortAndAStopRestoresIt) {
  const QImage before = Shown();
  DrawRange(QPoint(10, 10), QPoint(200, 10));
  // The real timer ticks twice.
  ASSERT_TRUE(QTest::qWaitFor([&] { return frame.Model().Animation().AnimPhase() == 2; }, 2000));
  const QImage playing = Shown();
  EXPECT_NE(playing, before);
  EXPECT_EQ(playing, ComposeLayers(frame.Model().Layers(), QRect(0, 0, 256, 256))) << "the port follows the picture";
  QTest::mousePress(frame.BasePanel, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame.Model().Cursor().Mode() == ModeIdle; }, 2000));
  EXPECT_FALSE(frame.TimerAnim->isActive());
  EXPECT_EQ(frame.Model().Layers().L1_Image().PictureCopy(), picture);
}

TEST_F(FrameStackAnimation, TransformCursorsShowTheirPointers) {
  struct Case {
    void (CanvasCursor::*setter)();
    bool crosshair;
  } cases[] = {
      {&CanvasCursor::SetCursorToRotate, true}, {&CanvasCursor::SetCursorToHFlip, true},
      {&CanvasCursor::SetCursorToVFlip, true},  {&CanvasCursor::SetCursorToSwap, false},
      {&CanvasCursor::SetCursorToShift, false},
  };
  QImage swapPointer;
  for (const Case& c : cases) {
    (frame.Model().Cursor().*c.setter)();
    if (c.crosshair) {
      EXPECT_EQ(frame.cursor().shape(), Qt::CrossCursor);
    } else {
      EXPECT_EQ(frame.cursor().shape(), Qt::BitmapCursor);
      const QImage pointer = frame.cursor().pixmap().toImage();
      EXPECT_EQ(pointer.size(), QSize(32, 32));
      EXPECT_NE(pointer, swapPointer) << "drag and multi-drag differ";
      swapPointer = pointer;
    }
  }
  frame.Model().Cursor().SetCursorToDefault();
  EXPECT_EQ(frame.cursor().shape(), Qt::ArrowCursor);
}

}  // namespace

}  // namespace mosaicor
