// Mode changes, the hooks the animation preview and the transforms plug into, and automatic
// scrolling through the view.

#include <gtest/gtest.h>

#include "FakeView.h"
#include "canvas/CursorPictures.h"
#include "canvas/ImageStack.h"

namespace {

class RecordingStack : public ImageStack {
 public:
  int animations = 0;
  QStringList transforms;
  void StartAnimation() override { ++animations; }
  void ApplyTransform() override { transforms << CursorBoxName(CursorName); }
};

TEST(CanvasHooks, ReleasingARangeStartsTheAnimation) {
  RecordingStack stack;
  stack.InitStack(256, 512);
  stack.MouseIsDown(MouseButton::Right, 0, 10, 10);
  stack.MouseIsUp(MouseButton::Right, 0, 200, 10);
  EXPECT_EQ(stack.animations, 1);
  EXPECT_EQ(stack.UpCell, 3);
}

TEST(CanvasHooks, EveryReleaseInTransformModeAppliesTheTransformAndStays) {
  RecordingStack stack;
  stack.InitStack(256, 512);
  stack.SetModeToTransform();
  stack.CursorName = CursorBox::Rotate;
  stack.MouseIsDown(MouseButton::Left, 0, 200, 10);
  stack.MouseIsUp(MouseButton::Left, 0, 10, 300);
  stack.MouseIsDown(MouseButton::Left, 0, 10, 10);
  stack.MouseIsUp(MouseButton::Left, 0, 10, 10);
  EXPECT_EQ(stack.transforms, QStringList({"crRotate", "crRotate"}));
  EXPECT_EQ(stack.Mode, ModeTransform);
  EXPECT_EQ(stack.DownCell, 0);
  stack.MouseIsDown(MouseButton::Right, 0, 10, 10);
  EXPECT_EQ(stack.Mode, ModeIdle);
  EXPECT_EQ(stack.CursorName, CursorBox::Normal);
}

TEST(CanvasHooks, TheRealOperationsRunFromTheMouseAndTheTimer) {
  FakeView view;
  ImageStack stack;
  stack.SetView(&view);
  stack.InitStack(256, 512);
  QImage picture(256, 512, QImage::Format_ARGB32);
  picture.fill(qRgb(1, 2, 3));
  picture.setPixel(0, 0, qRgb(9, 9, 9));  // in cell 0
  stack.SetBitmap(picture);
  stack.MouseIsDown(MouseButton::Right, 0, 10, 10);
  stack.MouseIsUp(MouseButton::Right, 0, 70, 10);
  EXPECT_EQ(stack.Mode, ModeAnim);
  EXPECT_TRUE(view.timerOn);
  stack.ShiftCellsOnTimer();
  EXPECT_EQ(stack.L1_Image.PixelAt(64, 0), qRgb(9, 9, 9)) << "cell 1 shows cell 0's content";
  stack.MouseIsDown(MouseButton::Right, 0, 10, 10);
  stack.ShiftCellsOnTimer();
  stack.ShiftCellsOnTimer();
  EXPECT_EQ(stack.Mode, ModeIdle);
  EXPECT_FALSE(view.timerOn);
  EXPECT_EQ(stack.L1_Image.PictureCopy(), picture);

  stack.SetCursorToHFlip();
  stack.MouseIsDown(MouseButton::Left, 0, 10, 10);
  stack.MouseIsUp(MouseButton::Left, 0, 10, 10);
  EXPECT_EQ(stack.L1_Image.PixelAt(63, 0), qRgb(9, 9, 9));
  EXPECT_EQ(stack.Mode, ModeTransform);
}

TEST(CanvasHooks, ARightPressDuringAnAnimationAsksItToStop) {
  for (CanvasMode mode : {ModeAnim, ModeScroll}) {
    ImageStack stack;
    stack.InitStack(256, 512);
    stack.AnimRunning = true;
    stack.Mode = mode;
    stack.MouseIsDown(MouseButton::Left, 0, 10, 10);
    EXPECT_TRUE(stack.AnimRunning);
    stack.MouseIsDown(MouseButton::Right, 0, 10, 10);
    EXPECT_FALSE(stack.AnimRunning);
    EXPECT_EQ(stack.Mode, mode) << "the animation ends the mode itself";
  }
}

TEST(CanvasHooks, ModeSettersShowTheirLayers) {
  ImageStack stack;
  stack.InitStack(256, 512);
  struct Case {
    void (ImageStack::*setter)();
    CanvasMode mode;
    bool selection, clip, cursor;
  } cases[] = {
      {&ImageStack::SetModeToGrab, ModeGrab, true, false, false},
      {&ImageStack::SetModeToPaste, ModePaste, false, true, true},
      {&ImageStack::SetModeToRange, ModeRange, true, false, false},
      {&ImageStack::SetModeToAnim, ModeAnim, false, false, false},
      {&ImageStack::SetModeToScroll, ModeScroll, false, false, false},
      {&ImageStack::SetModeToTransform, ModeTransform, false, false, true},
      {&ImageStack::SetModeToIdle, ModeIdle, false, false, true},
  };
  for (const Case& c : cases) {
    (stack.*c.setter)();
    EXPECT_EQ(stack.Mode, c.mode);
    EXPECT_EQ(stack.L6_Selection.Visible(), c.selection) << c.mode;
    EXPECT_EQ(stack.L4_Clip.Visible(), c.clip) << c.mode;
    EXPECT_EQ(stack.L7_Cursor.Visible(), c.cursor) << c.mode;
  }
  stack.SetModeToGrab();
  EXPECT_EQ(stack.L6_Selection.FillColour(), qRgb(255, 255, 0));
  stack.SetModeToRange();
  EXPECT_EQ(stack.L6_Selection.FillColour(), qRgb(0, 255, 0));
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
  stack.SetModeToGrab();
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
    stack.AutoScroll(c.box.x(), c.box.y());
    EXPECT_EQ(view.scroll, c.scroll) << c.box.x() << "," << c.box.y();
  }
  EXPECT_GT(view.repaints, 0);
}

TEST_F(AutoScrolling, NotWhileIdleAnimatingOrTurningTiles) {
  for (CanvasMode mode : {ModeIdle, ModeAnim, ModeScroll}) {
    stack.Mode = mode;
    stack.AutoScroll(100, 1000);
    EXPECT_EQ(view.scroll, QPoint(100, 1000)) << mode;
  }
  stack.Mode = ModeTransform;
  for (CursorBox box : {CursorBox::Rotate, CursorBox::HFlip, CursorBox::VFlip}) {
    stack.CursorName = box;
    stack.AutoScroll(100, 1000);
    EXPECT_EQ(view.scroll, QPoint(100, 1000)) << CursorBoxName(box).toStdString();
  }
  stack.CursorName = CursorBox::Swap;
  stack.AutoScroll(100, 1000);
  EXPECT_EQ(view.scroll, QPoint(94, 994));
}

TEST_F(AutoScrolling, AMouseMoveWhilePastingScrollsTheView) {
  QImage tile(64, 64, QImage::Format_ARGB32);
  tile.fill(qRgb(1, 2, 3));
  stack.SetClipPicture(tile);
  stack.SetModeToPaste();
  EXPECT_EQ(view.pointer, FramePointer::Move);
  stack.MouseIsOnMove(0, 120, 1200);  // box at (64, 1152): near the left edge
  EXPECT_EQ(view.scroll, QPoint(94, 1000));
}

}  // namespace
