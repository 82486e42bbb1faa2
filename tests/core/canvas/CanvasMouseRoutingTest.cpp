// Mode changes, how the mouse starts the animation preview and the transforms, and automatic
// scrolling through the view.

#include <gtest/gtest.h>

#include "FakeView.h"
#include "core/canvas/CursorPictures.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

namespace {

// A picture whose cells each hold one colour, with one marked pixel in the top-left cell.
QImage MarkedPicture() {
  QImage picture(256, 512, QImage::Format_ARGB32);
  picture.fill(qRgb(1, 2, 3));
  picture.setPixel(0, 0, qRgb(9, 9, 9));
  return picture;
}

TEST(CanvasRouting, ReleasingARangeStartsTheAnimationOverIt) {
  FakeView view;
  ImageStack stack;
  stack.SetView(&view);
  stack.InitStack(256, 512);
  stack.MouseIsDown(MouseButton::Right, 0, 10, 10);
  stack.MouseIsUp(MouseButton::Right, 0, 200, 10);
  EXPECT_EQ(stack.Cursor().UpCell(), 3);
  EXPECT_TRUE(stack.Animation().AnimExists());
  EXPECT_EQ(stack.Animation().AnimFirst(), 0);
  EXPECT_EQ(stack.Animation().AnimLast(), 3);
  EXPECT_EQ(stack.Cursor().Mode(), ModeAnim);
  EXPECT_TRUE(view.timerOn);
}

TEST(CanvasRouting, EveryReleaseInTransformModeAppliesTheTransformAndStays) {
  ImageStack stack;
  stack.InitStack(256, 512);
  const QImage picture = MarkedPicture();
  stack.Layers().L1_Image().SetPicture(picture);
  stack.Cursor().SetCursorToRotate();
  stack.MouseIsDown(MouseButton::Left, 0, 10, 10);
  stack.MouseIsUp(MouseButton::Left, 0, 10, 300);
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(63, 0), qRgb(9, 9, 9)) << "the pressed tile turned once";
  stack.MouseIsDown(MouseButton::Left, 0, 10, 10);
  stack.MouseIsUp(MouseButton::Left, 0, 10, 10);
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(63, 63), qRgb(9, 9, 9)) << "and again";
  EXPECT_EQ(stack.Cursor().Mode(), ModeTransform);
  EXPECT_EQ(stack.Cursor().DownCell(), 0);
  stack.MouseIsDown(MouseButton::Right, 0, 10, 10);
  EXPECT_EQ(stack.Cursor().Mode(), ModeIdle);
  EXPECT_EQ(stack.Cursor().CursorName(), CursorBox::Normal);
  stack.MouseIsDown(MouseButton::Right, 0, 10, 10);
  stack.MouseIsUp(MouseButton::Right, 0, 10, 10);
  EXPECT_NE(stack.Cursor().Mode(), ModeTransform) << "no transform outside Transform mode";
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(63, 63), qRgb(9, 9, 9));
}

TEST(CanvasRouting, TheRealOperationsRunFromTheMouseAndTheTimer) {
  FakeView view;
  ImageStack stack;
  stack.SetView(&view);
  stack.InitStack(256, 512);
  const QImage picture = MarkedPicture();
  stack.Layers().L1_Image().SetPicture(picture);
  stack.MouseIsDown(MouseButton::Right, 0, 10, 10);
  stack.MouseIsUp(MouseButton::Right, 0, 70, 10);
  EXPECT_EQ(stack.Cursor().Mode(), ModeAnim);
  EXPECT_TRUE(view.timerOn);
  stack.ShiftCellsOnTimer();
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(64, 0), qRgb(9, 9, 9)) << "cell 1 shows cell 0's content";
  stack.MouseIsDown(MouseButton::Right, 0, 10, 10);
  stack.ShiftCellsOnTimer();
  stack.ShiftCellsOnTimer();
  EXPECT_EQ(stack.Cursor().Mode(), ModeIdle);
  EXPECT_FALSE(view.timerOn);
  EXPECT_EQ(stack.Layers().L1_Image().PictureCopy(), picture);

  stack.Cursor().SetCursorToHFlip();
  stack.MouseIsDown(MouseButton::Left, 0, 10, 10);
  stack.MouseIsUp(MouseButton::Left, 0, 10, 10);
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(63, 0), qRgb(9, 9, 9));
  EXPECT_EQ(stack.Cursor().Mode(), ModeTransform);
}

TEST(CanvasRouting, ARightPressDuringAnAnimationAsksItToStop) {
  for (CanvasMode mode : {ModeAnim, ModeScroll}) {
    ImageStack stack;
    stack.InitStack(256, 512);
    stack.Animation().AnimRunning = true;
    stack.Cursor().EnterMode(mode);
    stack.MouseIsDown(MouseButton::Left, 0, 10, 10);
    EXPECT_TRUE(stack.Animation().AnimRunning);
    stack.MouseIsDown(MouseButton::Right, 0, 10, 10);
    EXPECT_FALSE(stack.Animation().AnimRunning);
    EXPECT_EQ(stack.Cursor().Mode(), mode) << "the animation ends the mode itself";
  }
}

TEST(CanvasRouting, ModeSettersShowTheirLayers) {
  ImageStack stack;
  stack.InitStack(256, 512);
  struct Case {
    void (CanvasCursor::*setter)();
    CanvasMode mode;
    bool selection, clip, cursor;
  } cases[] = {
      {&CanvasCursor::SetModeToGrab, ModeGrab, true, false, false},
      {&CanvasCursor::SetModeToPaste, ModePaste, false, true, true},
      {&CanvasCursor::SetModeToRange, ModeRange, true, false, false},
      {&CanvasCursor::SetModeToTransform, ModeTransform, false, false, true},
      {&CanvasCursor::SetModeToIdle, ModeIdle, false, false, true},
  };
  for (const Case& c : cases) {
    (stack.Cursor().*c.setter)();
    EXPECT_EQ(stack.Cursor().Mode(), c.mode);
    EXPECT_EQ(stack.Layers().L6_Selection().Visible(), c.selection) << c.mode;
    EXPECT_EQ(stack.Layers().L4_Clip().Visible(), c.clip) << c.mode;
    EXPECT_EQ(stack.Layers().L7_Cursor().Visible(), c.cursor) << c.mode;
  }
  stack.Cursor().SetModeToGrab();
  EXPECT_EQ(stack.Layers().L6_Selection().FillColour(), qRgb(255, 255, 0));
  stack.Cursor().SetModeToRange();
  EXPECT_EQ(stack.Layers().L6_Selection().FillColour(), qRgb(0, 255, 0));
}

class AutoScrolling : public ::testing::Test {
 protected:
  void SetUp() override {
    stack.SetView(&view);
    stack.InitStack(512, 4096);
    view.client = QSize(300, 400);
    view.scroll = QPoint(100, 1000);
  }
  FakeView view;
  ImageStack stack;
};

TEST_F(AutoScrolling, NearAnEdgeTheViewMovesSixPixels) {
  stack.Cursor().SetModeToGrab();
  struct Case {
    QPoint box, scroll;
  } cases[] = {
      {{110, 1100}, {94, 1000}},   // within 16 of the left edge
      {{321, 1200}, {106, 1000}},  // right: 321 > 100 + (300 - 64) - 16
      {{320, 1320}, {100, 1000}},  // just not near the right or bottom edge
      {{200, 1010}, {100, 994}},   // top
      {{200, 1321}, {100, 1006}},  // bottom: 1321 > 1000 + (400 - 64) - 16
      {{200, 1200}, {100, 1000}},  // well inside
  };
  for (const Case& c : cases) {
    view.scroll = QPoint(100, 1000);
    stack.Cursor().AutoScroll(c.box.x(), c.box.y());
    EXPECT_EQ(view.scroll, c.scroll) << c.box.x() << "," << c.box.y();
  }
}

TEST_F(AutoScrolling, NotWhileIdleAnimatingOrTurningTiles) {
  for (CanvasMode mode : {ModeIdle, ModeAnim, ModeScroll}) {
    stack.Cursor().EnterMode(mode);
    stack.Cursor().AutoScroll(100, 1000);
    EXPECT_EQ(view.scroll, QPoint(100, 1000)) << mode;
  }
  CanvasCursor& cursor = stack.Cursor();
  for (void (CanvasCursor::*turn)() :
       {&CanvasCursor::SetCursorToRotate, &CanvasCursor::SetCursorToHFlip, &CanvasCursor::SetCursorToVFlip}) {
    (cursor.*turn)();
    cursor.AutoScroll(100, 1000);
    EXPECT_EQ(view.scroll, QPoint(100, 1000)) << CursorBoxName(cursor.CursorName()).toStdString();
  }
  cursor.SetCursorToSwap();
  cursor.AutoScroll(100, 1000);
  EXPECT_EQ(view.scroll, QPoint(94, 994));
}

TEST_F(AutoScrolling, AMouseMoveWhilePastingScrollsTheView) {
  QImage tile(64, 64, QImage::Format_ARGB32);
  tile.fill(qRgb(1, 2, 3));
  stack.Layers().L4_Clip().SetPicture(tile);
  stack.Cursor().SetModeToPaste();
  EXPECT_EQ(view.pointer, FramePointer::Move);
  stack.MouseIsOnMove(0, 120, 1200);  // box at (64, 1152): near the left edge
  EXPECT_EQ(view.scroll, QPoint(94, 1000));
}

}  // namespace

}  // namespace mosaicor
