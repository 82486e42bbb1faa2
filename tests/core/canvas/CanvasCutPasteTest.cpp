// Cutting by click and drag, the clip, automatic export and pasting.

#include <gtest/gtest.h>

#include "FakeView.h"
#include "TestPictures.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

namespace {

class CanvasCutPaste : public ::testing::Test {
 protected:
  void SetUp() override {
    stack.SetView(&view);
    stack.InitStack(256, 512);
    stack.Layers().L1_Image().SetPicture(picture);
    stack.UpdateStack();
    stack.Grid().UpdateGrid();
  }
  void Drag(int x0, int y0, int x1, int y1, MouseButton button = MouseButton::Left) {
    stack.MouseIsOnMove(0, x0, y0);
    stack.MouseIsDown(button, 0, x0, y0);
    stack.MouseIsOnMove(0, x1, y1);
    stack.MouseIsUp(button, 0, x1, y1);
  }
  // True when the clip holds rect of the picture (black where rect leaves it).
  bool ClipHolds(const QRect& rect) const {
    const QImage clip = stack.Layers().L4_Clip().PictureCopy();
    if (clip.size() != rect.size()) return false;
    for (int y = 0; y < rect.height(); ++y)
      for (int x = 0; x < rect.width(); ++x) {
        const QPoint p = rect.topLeft() + QPoint(x, y);
        const QRgb expected = picture.rect().contains(p) ? picture.pixel(p) : qRgb(0, 0, 0);
        if (clip.pixel(x, y) != expected) return false;
      }
    return true;
  }

  QImage picture = MakeCoordinatePicture(256, 512);
  FakeView view;
  ImageStack stack;
};

TEST_F(CanvasCutPaste, AClickCutsExactlyTheCellUnderThePointer) {
  stack.MouseIsDown(MouseButton::Left, 0, 100, 70);
  EXPECT_EQ(stack.Cursor().Mode(), ModeGrab);
  EXPECT_TRUE(stack.Layers().L6_Selection().Visible());
  EXPECT_EQ(stack.Layers().L6_Selection().PixelAt(64, 64), qRgb(255, 255, 0)) << "yellow frame at once";
  stack.MouseIsUp(MouseButton::Left, 0, 100, 70);
  EXPECT_EQ(stack.Cursor().Mode(), ModeIdle);
  EXPECT_EQ(ToLtrb(stack.Cursor().SelectionRect()), (Ltrb{64, 64, 128, 128}));
  EXPECT_TRUE(ClipHolds(QRect(64, 64, 64, 64)));
  EXPECT_TRUE(view.exports.empty()) << "no export unless AutoExport is on";
  EXPECT_FALSE(stack.Layers().L4_Clip().Visible());
  EXPECT_EQ(stack.Cursor().DownCell(), 5);
  EXPECT_EQ(stack.Cursor().UpCell(), 5);
}

TEST_F(CanvasCutPaste, DraggingSelectsTileByTileWhateverTheDirection) {
  stack.Cursor().SetAutoExport(true);
  Drag(100, 10, 10, 140);  // from cell (1, 0) to cell (0, 2)
  EXPECT_EQ(ToLtrb(stack.Cursor().SelectionRect()), (Ltrb{0, 0, 128, 192}));
  EXPECT_TRUE(ClipHolds(QRect(0, 0, 128, 192)));
  ASSERT_EQ(view.exports.size(), 2u) << "the pressed cell, then the whole selection";
  EXPECT_EQ(view.exports[0].size(), QSize(64, 64));
  EXPECT_EQ(view.exports[1].size(), QSize(128, 192));
  EXPECT_EQ(view.exports[1], stack.Layers().L4_Clip().PictureCopy());
}

TEST_F(CanvasCutPaste, TheReleasePositionItselfDoesNotEnlargeTheCut) {
  stack.MouseIsOnMove(0, 10, 10);
  stack.MouseIsDown(MouseButton::Left, 0, 10, 10);
  stack.MouseIsOnMove(0, 70, 10);
  stack.MouseIsUp(MouseButton::Left, 0, 200, 200);
  EXPECT_EQ(ToLtrb(stack.Cursor().SelectionRect()), (Ltrb{0, 0, 128, 64}));
}

TEST_F(CanvasCutPaste, SelectionFrameFollowsTheDrag) {
  stack.MouseIsDown(MouseButton::Left, 0, 10, 10);
  stack.MouseIsOnMove(0, 140, 10);
  EXPECT_EQ(stack.Layers().L6_Selection().PixelAt(191, 0), qRgb(255, 255, 0));
  EXPECT_EQ(stack.Layers().L6_Selection().PixelAt(191, 63), qRgb(255, 255, 0));
  EXPECT_EQ(stack.Layers().L6_Selection().PixelAt(100, 30), qRgb(0, 0, 0)) << "a frame, not a fill";
  stack.MouseIsOnMove(0, 10, 10);  // back: the larger frame is cleared
  EXPECT_EQ(stack.Layers().L6_Selection().PixelAt(191, 0), qRgb(0, 0, 0));
  EXPECT_EQ(stack.Layers().L6_Selection().PixelAt(63, 0), qRgb(255, 255, 0));
}

TEST_F(CanvasCutPaste, FreeModeCutsAroundThePointerAndRightActsAsLeft) {
  stack.MouseIsDoubleClick();  // FREE
  Drag(100, 70, 100, 70, MouseButton::Right);
  EXPECT_EQ(stack.Cursor().Mode(), ModeIdle);
  EXPECT_EQ(ToLtrb(stack.Cursor().SelectionRect()), (Ltrb{68, 38, 132, 102}));
  EXPECT_TRUE(ClipHolds(QRect(68, 38, 64, 64)));
}

TEST_F(CanvasCutPaste, CutsReachingPastThePictureAreBlackOutside) {
  stack.MouseIsDoubleClick();  // FREE: a press near the bottom-right corner
  stack.MouseIsDown(MouseButton::Left, 0, 250, 500);
  stack.MouseIsUp(MouseButton::Left, 0, 250, 500);
  EXPECT_EQ(ToLtrb(stack.Cursor().SelectionRect()), (Ltrb{218, 468, 282, 532}));
  EXPECT_TRUE(ClipHolds(QRect(218, 468, 64, 64)));
  EXPECT_EQ(stack.Layers().L4_Clip().PixelAt(63, 63), qRgb(0, 0, 0));
}

TEST_F(CanvasCutPaste, PasteLandsWhereThePreviewIsAndCtrlKeepsPasting) {
  QImage tile(64, 64, QImage::Format_ARGB32);
  tile.fill(qRgb(9, 8, 7));
  stack.Layers().L4_Clip().SetPicture(tile);
  stack.Cursor().SetModeToPaste();
  EXPECT_EQ(stack.Cursor().Mode(), ModePaste);
  EXPECT_EQ(stack.Cursor().Pointer(), FramePointer::Move);
  EXPECT_EQ(stack.Layers().L7_Cursor().PictureSize(), QSize(64, 64));
  EXPECT_EQ(stack.Layers().L7_Cursor().PixelAt(0, 0), qRgb(255, 255, 0));
  EXPECT_EQ(stack.Layers().L7_Cursor().PixelAt(1, 1), qRgb(0, 0, 0));

  stack.MouseIsOnMove(0, 100, 100);
  stack.MouseIsDown(MouseButton::Left, ssCtrl, 100, 100);
  EXPECT_EQ(stack.Cursor().Mode(), ModePaste);
  EXPECT_EQ(stack.Layers().L4_Clip().Position(), QPoint(64, 64));
  EXPECT_TRUE(stack.Layers().L4_Clip().Shown());
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(64, 64), qRgb(9, 8, 7));
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(127, 127), qRgb(9, 8, 7));
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(128, 128), picture.pixel(128, 128));

  stack.MouseIsOnMove(0, 200, 300);
  stack.MouseIsDown(MouseButton::Left, 0, 200, 300);
  EXPECT_EQ(stack.Cursor().Mode(), ModeIdle);
  EXPECT_EQ(stack.Cursor().Pointer(), FramePointer::Default);
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(192, 256), qRgb(9, 8, 7));
  EXPECT_FALSE(stack.Layers().L4_Clip().Visible());
}

TEST_F(CanvasCutPaste, ARightClickInPasteModeCancelsWithoutPasting) {
  QImage tile(64, 64, QImage::Format_ARGB32);
  tile.fill(qRgb(9, 8, 7));
  stack.Layers().L4_Clip().SetPicture(tile);
  stack.Cursor().SetModeToPaste();
  stack.MouseIsOnMove(0, 100, 100);
  stack.MouseIsDown(MouseButton::Right, 0, 100, 100);
  EXPECT_EQ(stack.Cursor().Mode(), ModeIdle);
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(64, 64), picture.pixel(64, 64));
}

TEST_F(CanvasCutPaste, APasteOverTheEdgeWritesOnlyThePartInside) {
  QImage tile(256, 256, QImage::Format_ARGB32);
  tile.fill(qRgb(9, 8, 7));
  stack.Layers().L4_Clip().SetPicture(tile);
  stack.Cursor().SetModeToPaste();
  stack.MouseIsDoubleClick();  // FREE, so the preview can hang over the edge
  stack.Layers().L4_Clip().MoveTo(QPoint(192, 400));
  stack.Cursor().PasteClip(MouseButton::Left, 0);
  EXPECT_EQ(stack.Layers().L1_Image().PictureSize(), QSize(256, 512));
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(255, 511), qRgb(9, 8, 7));
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(191, 400), picture.pixel(191, 400));
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(192, 399), picture.pixel(192, 399));
}

TEST_F(CanvasCutPaste, APreviewParkedOffTheCanvasPastesNothing) {
  QImage tile(600, 64, QImage::Format_ARGB32);  // wider than the parking distance
  tile.fill(qRgb(9, 8, 7));
  stack.Layers().L4_Clip().SetPicture(tile);
  stack.Cursor().SetModeToPaste();
  stack.MouseIsOnMove(0, 10, 10);
  stack.HandleMouseLeave();
  stack.Cursor().PasteClip(MouseButton::Left, 0);
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(0, 0), picture.pixel(0, 0));
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(80, 10), picture.pixel(80, 10));
}

TEST_F(CanvasCutPaste, ACutStopsARunningAnimation) {
  stack.Animation().AnimRunning = true;
  stack.Cursor().SetSelectionRect(QRect(0, 0, 64, 64));
  stack.CutSelection();
  EXPECT_FALSE(stack.Animation().AnimRunning);
}

}  // namespace

}  // namespace mosaicor
