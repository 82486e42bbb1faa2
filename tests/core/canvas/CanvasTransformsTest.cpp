// The transform cursors and the tile transforms: quarter turns and flips of the pressed tile,
// swap and shift in reading order, their no-ops, and what the clip holds afterwards.

#include <gtest/gtest.h>

#include <vector>

#include "FakeView.h"
#include "TestPictures.h"
#include "core/canvas/CursorPictures.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

namespace {

class CanvasTransforms : public ::testing::Test {
 protected:
  void SetUp() override {
    stack.SetView(&view);
    stack.InitStack(256, 512);
    // Every tile a different picture: the F in tile 3 and coordinates elsewhere.
    QImage picture = MakeCoordinatePicture(256, 512);
    const QImage f = MakeFPicture(64, 64);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) picture.setPixel(192 + x, y, f.pixel(x, y));
    original = picture;
    stack.Layers().L1_Image().SetPicture(picture);
    stack.UpdateStack();
    stack.Grid().UpdateGrid();
  }
  QPoint Centre(int index) const { return stack.Grid().Geometry().CellRectOfIndex(index).center(); }
  // A press on one tile and a release on another, as the user does it.
  void PressRelease(int pressed, int released) {
    const QPoint a = Centre(pressed), b = Centre(released);
    stack.MouseIsOnMove(0, a.x(), a.y());
    stack.MouseIsDown(MouseButton::Left, 0, a.x(), a.y());
    stack.MouseIsOnMove(0, b.x(), b.y());
    stack.MouseIsUp(MouseButton::Left, 0, b.x(), b.y());
  }
  QImage TileNow(int index) const {
    return stack.Layers().L1_Image().PictureCopy().copy(stack.Grid().Geometry().CellRectOfIndex(index));
  }
  QImage TileBefore(int index) const { return original.copy(stack.Grid().Geometry().CellRectOfIndex(index)); }
  std::vector<int> Showing(int first, int last) const {
    std::vector<int> shown;
    for (int i = first; i <= last; ++i) {
      int found = -1;
      for (int j = 0; j < 32 && found < 0; ++j)
        if (TileNow(i) == TileBefore(j)) found = j;
      shown.push_back(found);
    }
    return shown;
  }
  bool PictureAsItWas() const { return stack.Layers().L1_Image().PictureCopy() == original; }

  QImage original;
  FakeView view;
  ImageStack stack;
};

TEST_F(CanvasTransforms, EachCursorSetterEntersTransformModeWithItsPointerAndBox) {
  struct Case {
    void (CanvasCursor::*setter)();
    CursorBox box;
    const char* name;
    FramePointer pointer;
  } cases[] = {
      {&CanvasCursor::SetCursorToRotate, CursorBox::Rotate, "crRotate", FramePointer::Crosshair},
      {&CanvasCursor::SetCursorToHFlip, CursorBox::HFlip, "crHFlip", FramePointer::Crosshair},
      {&CanvasCursor::SetCursorToVFlip, CursorBox::VFlip, "crVFlip", FramePointer::Crosshair},
      {&CanvasCursor::SetCursorToSwap, CursorBox::Swap, "crSwap", FramePointer::Drag},
      {&CanvasCursor::SetCursorToShift, CursorBox::Hand, "crHand", FramePointer::MultiDrag},
  };
  for (const Case& c : cases) {
    for (int cell : {64, 32, 16, 8, 48}) {
      stack.Cursor().SetModeToPaste();
      stack.Grid().CellWidth = stack.Grid().CellHeight = cell;
      const QImage boxBefore = stack.Layers().L7_Cursor().PictureCopy();
      (stack.Cursor().*c.setter)();
      EXPECT_EQ(stack.Cursor().Mode(), ModeTransform);
      EXPECT_EQ(stack.Cursor().CursorName(), c.box);
      EXPECT_EQ(CursorBoxName(c.box), c.name);
      EXPECT_EQ(view.pointer, c.pointer);
      EXPECT_FALSE(stack.Layers().L4_Clip().Visible());
      const QString box = CursorNameForCell(cell, c.box);
      EXPECT_EQ(stack.Layers().L7_Cursor().PictureCopy(), box.isEmpty() ? boxBefore : CursorPicture(box))
          << c.name << cell;
    }
  }
  // Coming from Idle the selection layer stays hidden and the cursor box shown.
  stack.Grid().CellWidth = stack.Grid().CellHeight = 64;
  stack.Cursor().SetModeToIdle();
  stack.Cursor().SetCursorToRotate();
  EXPECT_FALSE(stack.Layers().L6_Selection().Visible());
  EXPECT_TRUE(stack.Layers().L7_Cursor().Visible());
}

TEST_F(CanvasTransforms, RotationTurnsTheTileClockwiseAndFourGiveItBack) {
  stack.Cursor().SetCursorToRotate();
  const QImage tile = TileBefore(3);
  PressRelease(3, 3);
  const QImage turned = TileNow(3);
  EXPECT_EQ(turned.pixel(63, 0), tile.pixel(0, 0)) << "top-left to top-right";
  EXPECT_EQ(turned.pixel(63, 63), tile.pixel(63, 0)) << "top-right to bottom-right";
  EXPECT_EQ(turned.pixel(0, 0), tile.pixel(0, 63)) << "bottom-left to top-left";
  EXPECT_EQ(turned.pixel(0, 63), tile.pixel(63, 63));
  EXPECT_EQ(qAlpha(turned.pixel(0, 63)), 128) << "alpha moves with the pixel";
  EXPECT_EQ(stack.Layers().L4_Clip().PictureCopy(), turned) << "the clip holds the transformed tile";
  EXPECT_EQ(stack.Cursor().Mode(), ModeTransform);
  for (int i = 0; i < 3; ++i) PressRelease(3, 3);
  EXPECT_TRUE(PictureAsItWas());
}

TEST_F(CanvasTransforms, FlipsMirrorTheTileAndTwoGiveItBack) {
  struct Case {
    void (CanvasCursor::*setter)();
    QPoint from, to;
  } cases[] = {
      {&CanvasCursor::SetCursorToHFlip, {0, 5}, {63, 5}},
      {&CanvasCursor::SetCursorToVFlip, {5, 0}, {5, 63}},
  };
  for (const Case& c : cases) {
    (stack.Cursor().*c.setter)();
    PressRelease(3, 3);
    EXPECT_EQ(TileNow(3).pixel(c.to), TileBefore(3).pixel(c.from));
    EXPECT_EQ(stack.Layers().L4_Clip().PictureCopy(), TileNow(3));
    PressRelease(3, 3);
    EXPECT_TRUE(PictureAsItWas());
  }
}

TEST_F(CanvasTransforms, TheTileTurnedIsTheOnePressedWhereverTheRelease) {
  stack.Cursor().SetCursorToRotate();
  PressRelease(3, 7);
  EXPECT_NE(TileNow(3), TileBefore(3));
  for (int i = 0; i < 32; ++i) {
    if (i != 3) {
      EXPECT_EQ(TileNow(i), TileBefore(i)) << i;
    }
  }
}

TEST_F(CanvasTransforms, SwapExchangesThePressedAndReleasedTiles) {
  const QImage clipBefore = stack.Layers().L4_Clip().PictureCopy();
  stack.Cursor().SetCursorToSwap();
  PressRelease(1, 6);
  EXPECT_EQ(TileNow(1), TileBefore(6));
  EXPECT_EQ(TileNow(6), TileBefore(1));
  EXPECT_EQ(stack.Layers().L4_Clip().PictureCopy(), TileBefore(1)) << "the pressed tile's former content";
  EXPECT_EQ(stack.Layers().L4_Clip().Position(), QPoint(0, 0));
  PressRelease(6, 1);
  EXPECT_TRUE(PictureAsItWas());
  PressRelease(5, 5);
  EXPECT_TRUE(PictureAsItWas()) << "a release over the pressed tile swaps nothing";
  EXPECT_EQ(stack.Layers().L4_Clip().PictureSize(), QSize(64, 64));
}

TEST_F(CanvasTransforms, ShiftMovesThePressedTileAlongTheRunInReadingOrder) {
  struct Case {
    int pressed, released;
    std::vector<int> tiles;  // tiles 0..7 afterwards
  } cases[] = {
      {1, 4, {0, 2, 3, 4, 1, 5, 6, 7}},
      {4, 1, {0, 4, 1, 2, 3, 5, 6, 7}},
      {2, 7, {0, 1, 3, 4, 5, 6, 7, 2}},  // across the end of row 0
      {3, 3, {0, 1, 2, 3, 4, 5, 6, 7}},
  };
  for (const Case& c : cases) {
    SetUp();
    const QImage clip = MakeFPicture(32, 32);
    stack.Layers().L4_Clip().SetPicture(clip);
    stack.Cursor().SetCursorToShift();
    PressRelease(c.pressed, c.released);
    EXPECT_EQ(Showing(0, 7), c.tiles) << c.pressed << "->" << c.released;
    EXPECT_EQ(stack.Layers().L4_Clip().PictureCopy(), clip) << "the clip is not touched";
    EXPECT_EQ(stack.Cursor().Mode(), ModeTransform);
  }
}

TEST_F(CanvasTransforms, SwapAndShiftChangeNothingInFreeMode) {
  stack.Grid().GridLocked = false;
  for (void (CanvasCursor::*setter)() : {&CanvasCursor::SetCursorToSwap, &CanvasCursor::SetCursorToShift}) {
    (stack.Cursor().*setter)();
    PressRelease(1, 6);
    EXPECT_EQ(stack.Cursor().DownCell(), -1);
    EXPECT_TRUE(PictureAsItWas());
  }
}

TEST_F(CanvasTransforms, TilesInAPartialStripAreTransformedWithClipping) {
  // Offset grid: tile 21 is row 7, which only has its top 24 rows on the 512-row picture.
  stack.Grid().GridOffsetX = 20;
  stack.Grid().GridOffsetY = 40;
  stack.Grid().UpdateGrid();
  stack.Cursor().SetCursorToVFlip();
  const QRect cell21 = stack.Grid().Geometry().CellRectOfIndex(21);
  stack.MouseIsDown(MouseButton::Left, 0, cell21.x() + 1, cell21.y() + 1);  // Transform mode: only takes the cell
  ASSERT_EQ(stack.Cursor().DownCell(), 21);
  stack.VFlipCell();
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(20, 511), qRgb(0, 0, 0)) << "the outside part is black in the clip";
  EXPECT_EQ(stack.Layers().L1_Image().PictureCopy().size(), QSize(256, 512));
  stack.VFlipCell();
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(20, 511), qRgb(0, 0, 0));
}

}  // namespace

}  // namespace mosaicor
