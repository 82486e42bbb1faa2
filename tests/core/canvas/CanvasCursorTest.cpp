// The cutting cursor box in the three grid modes, the mouse-down cell and the double click.

#include <gtest/gtest.h>

#include "FakeView.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

namespace {

class CanvasCursor : public ::testing::Test {
 protected:
  void SetUp() override { stack.InitStack(256, 512); }
  QPoint BoxAfterMove(int x, int y) {
    stack.MouseIsOnMove(0, x, y);
    EXPECT_EQ(stack.Layers().L4_Clip().Position(), stack.Layers().L7_Cursor().Position());
    EXPECT_EQ(stack.Cursor().CursorRect(),
              QRect(stack.Layers().L7_Cursor().Position(), QSize(stack.Grid().CellWidth, stack.Grid().CellHeight)));
    return stack.Layers().L7_Cursor().Position();
  }
  void DoubleClickAt(int x, int y) {
    stack.MouseIsOnMove(0, x, y);
    stack.MouseIsDoubleClick();
  }
  ImageStack stack;
};

TEST_F(CanvasCursor, DefaultGridSnapsTheBoxToWholeCells) {
  EXPECT_EQ(BoxAfterMove(10, 10), QPoint(0, 0));
  EXPECT_EQ(BoxAfterMove(255, 511), QPoint(192, 448));
  EXPECT_EQ(BoxAfterMove(100, 70), QPoint(64, 64));
  EXPECT_EQ(BoxAfterMove(-40, 900), QPoint(0, 448)) << "positions beyond the port are clamped";
  EXPECT_EQ(stack.Cursor().MouseX(), -40) << "the event's position is kept as received";
  EXPECT_FALSE(stack.Layers().L7_Cursor().IsParked());
}

TEST_F(CanvasCursor, FreeModeCentresTheBoxOnThePointer) {
  DoubleClickAt(100, 70);
  ASSERT_FALSE(stack.Grid().GridLocked);
  EXPECT_FALSE(stack.Layers().L5_Grid().Visible());
  EXPECT_EQ(BoxAfterMove(10, 10), QPoint(0, 0));
  EXPECT_EQ(BoxAfterMove(100, 70), QPoint(68, 38));
  EXPECT_EQ(BoxAfterMove(255, 511), QPoint(192, 448));
  stack.MouseIsDown(MouseButton::Left, 0, 10, 10);
  EXPECT_EQ(ToLtrb(stack.Cursor().DownRect()), (Ltrb{0, 0, 64, 64}));
  EXPECT_EQ(stack.Cursor().DownCell(), -1);
  stack.MouseIsUp(MouseButton::Left, 0, 100, 70);
  EXPECT_EQ(stack.Cursor().UpCell(), -1);
  EXPECT_EQ(ToLtrb(stack.Cursor().CursorRect()), (Ltrb{68, 38, 132, 102}));
}

TEST_F(CanvasCursor, SecondDoubleClickEntersACustomGridAlignedToThePointer) {
  stack.Layers().L5_Grid().SetVisible(true);
  DoubleClickAt(100, 70);
  DoubleClickAt(100, 70);
  EXPECT_TRUE(stack.Grid().GridLocked);
  EXPECT_TRUE(stack.Layers().L5_Grid().Visible());
  EXPECT_EQ(stack.Grid().GridOffsetX, 4);
  EXPECT_EQ(stack.Grid().GridOffsetY, 38);
  EXPECT_EQ(stack.Grid().GridCols(), 3);
  EXPECT_EQ(stack.Grid().GridRows(), 7);
  EXPECT_EQ(ToLtrb(stack.Grid().GridRect()), (Ltrb{4, 38, 196, 486}));
  EXPECT_EQ(BoxAfterMove(100, 70), QPoint(68, 38)) << "where the free box was";
  EXPECT_EQ(BoxAfterMove(255, 511), QPoint(132, 422)) << "last whole column and row";
  // Third double click: FREE again, grid hidden; the offsets are kept but not applied.
  DoubleClickAt(20, 100);
  EXPECT_FALSE(stack.Grid().GridLocked);
  EXPECT_FALSE(stack.Layers().L5_Grid().Visible());
  EXPECT_EQ(stack.Grid().GridOffsetX, 52);
  EXPECT_EQ(BoxAfterMove(100, 70), QPoint(68, 38));
}

TEST_F(CanvasCursor, DoubleClickOffsetAddsACellWhenNegative) {
  struct Case {
    int x, y, offsetX, offsetY;
  } cases[] = {{20, 70, 52, 38}, {32, 32, 0, 0}, {95, 96, 63, 0}, {0, 0, 32, 32}, {255, 511, 31, 31}};
  for (const Case& c : cases) {
    stack.Grid().GridLocked = true;
    DoubleClickAt(c.x, c.y);
    EXPECT_EQ(stack.Grid().GridOffsetX, c.offsetX) << c.x;
    EXPECT_EQ(stack.Grid().GridOffsetY, c.offsetY) << c.y;
  }
}

TEST_F(CanvasCursor, ResetGridReturnsToTheDefaultGridKeepingItsVisibility) {
  DoubleClickAt(100, 70);
  DoubleClickAt(100, 70);
  stack.Grid().ResetGrid();
  EXPECT_TRUE(stack.Grid().GridLocked);
  EXPECT_EQ(stack.Grid().GridOffsetX, 0);
  EXPECT_EQ(stack.Grid().GridOffsetY, 0);
  EXPECT_EQ(stack.Grid().GridCols(), 4);
  EXPECT_TRUE(stack.Layers().L5_Grid().Visible());
  DoubleClickAt(100, 70);  // FREE, grid hidden
  stack.Grid().ResetGrid();
  EXPECT_TRUE(stack.Grid().GridLocked);
  EXPECT_FALSE(stack.Layers().L5_Grid().Visible());
}

TEST_F(CanvasCursor, PressesInTheStripsOfACustomGrid) {
  DoubleClickAt(100, 70);
  DoubleClickAt(100, 70);      // offsets (4, 38), 3 x 7 whole cells
  stack.Cursor().SetModeToTransform();  // presses then only record the cell
  stack.MouseIsDown(MouseButton::Left, 0, 2, 20);
  EXPECT_EQ(stack.Cursor().DownCell(), 0) << "the leading strips count as column 0 and row 0";
  EXPECT_EQ(ToLtrb(stack.Cursor().DownRect()), (Ltrb{4, 38, 68, 102}));
  stack.MouseIsDown(MouseButton::Left, 0, 200, 40);
  EXPECT_EQ(stack.Cursor().DownCell(), 3) << "the trailing strip is column GridCols, outside the whole cells";
  EXPECT_EQ(ToLtrb(stack.Cursor().DownRect()), (Ltrb{196, 38, 260, 102}));
  stack.MouseIsDown(MouseButton::Left, 0, 10, 500);
  EXPECT_EQ(stack.Cursor().DownCell(), 7 * 3);
  // ...although the cursor box is drawn in the last whole column.
  EXPECT_EQ(BoxAfterMove(200, 40), QPoint(132, 38));
}

TEST_F(CanvasCursor, LeavingParksTheBoxAndThePreviewUntilTheNextMove) {
  QImage clip(64, 64, QImage::Format_ARGB32);
  clip.fill(qRgb(1, 2, 3));
  stack.Layers().L4_Clip().SetPicture(clip);
  stack.Cursor().SetModeToPaste();
  BoxAfterMove(100, 100);
  stack.HandleMouseLeave();
  EXPECT_TRUE(stack.Layers().L7_Cursor().IsParked());
  EXPECT_TRUE(stack.Layers().L4_Clip().IsParked());
  EXPECT_TRUE(stack.Layers().L7_Cursor().Visible()) << "parking keeps the visibility flag";
  EXPECT_TRUE(stack.Layers().L4_Clip().Visible());
  EXPECT_FALSE(stack.Layers().L4_Clip().Shown());
  EXPECT_EQ(BoxAfterMove(100, 100), QPoint(64, 64));
  EXPECT_TRUE(stack.Layers().L4_Clip().Shown());
}

TEST_F(CanvasCursor, CellSizeChangesPickTheMatchingCursorBox) {
  for (int size : {8, 16, 32, 64}) {
    stack.Grid().CellWidth = stack.Grid().CellHeight = size;
    stack.Grid().InitGrid(size, size);
    stack.Cursor().SetModeToIdle();
    EXPECT_EQ(stack.Layers().L7_Cursor().PictureSize(), QSize(size, size));
    EXPECT_EQ(stack.Grid().GridCols(), 256 / size);
    EXPECT_EQ(stack.Cursor().CursorName(), CursorBox::Normal);
  }
  stack.Grid().InitGrid(24, 24);
  stack.Cursor().SetModeToIdle();
  EXPECT_EQ(stack.Layers().L7_Cursor().PictureSize(), QSize(64, 64)) << "other widths leave the box alone";
}

}  // namespace

}  // namespace mosaicor
