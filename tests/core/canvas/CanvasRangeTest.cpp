// The green outline of an animation range drawn with the right button.

#include <gtest/gtest.h>

#include "FakeView.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

namespace {

constexpr QRgb Green = qRgb(0, 255, 0);

class CanvasRange : public ::testing::Test {
 protected:
  void SetUp() override { stack.InitStack(256, 512); }
  // Presses the right button in cell `from` and moves to cell `to` (64-pixel cells, 4 columns).
  void DrawRange(int from, int to) {
    const QPoint a(from % 4 * 64 + 10, from / 4 * 64 + 10), b(to % 4 * 64 + 10, to / 4 * 64 + 10);
    stack.Cursor().SetModeToIdle();
    stack.MouseIsOnMove(0, a.x(), a.y());
    stack.MouseIsDown(MouseButton::Right, 0, a.x(), a.y());
    stack.MouseIsOnMove(0, b.x(), b.y());
  }
  // The outline as text, one character per 2 x 2 block would hide 1-pixel lines, so the test
  // checks chosen pixels instead: outline pixels green, everything else black.
  bool Green(int x, int y) const { return stack.Layers().L6_Selection().PixelAt(x, y) == mosaicor::Green; }
  int GreenCount() const {
    int n = 0;
    for (int y = 0; y < 512; ++y)
      for (int x = 0; x < 256; ++x) n += Green(x, y);
    return n;
  }
  ImageStack stack;
};

TEST_F(CanvasRange, ARightPressStartsTheRangeInGreen) {
  DrawRange(2, 2);
  EXPECT_EQ(stack.Cursor().Mode(), ModeRange);
  EXPECT_TRUE(stack.Layers().L6_Selection().Visible());
  EXPECT_FALSE(stack.Layers().L7_Cursor().Visible());
  EXPECT_TRUE(Green(128, 0));
  EXPECT_TRUE(Green(191, 63));
  EXPECT_EQ(ToLtrb(stack.Cursor().SelectionRect()), (Ltrb{128, 0, 192, 64}));
}

TEST_F(CanvasRange, OneRowIsOneFrame) {
  DrawRange(1, 3);
  EXPECT_EQ(ToLtrb(stack.Cursor().SelectionRect()), (Ltrb{64, 0, 256, 64}));
  EXPECT_EQ(GreenCount(), 2 * 192 + 2 * 62);
}

TEST_F(CanvasRange, AdjacentRowsWithoutOverlapAreTwoBoxesTouchingAtACorner) {
  for (auto [from, to] : {std::pair{2, 5}, std::pair{5, 2}}) {
    DrawRange(from, to);
    // R1: columns 2-3 of row 0; R2: columns 0-1 of row 1.
    EXPECT_TRUE(Green(128, 0) && Green(255, 0) && Green(128, 63) && Green(255, 63)) << from;
    EXPECT_TRUE(Green(0, 64) && Green(127, 64) && Green(0, 127) && Green(127, 127)) << from;
    EXPECT_FALSE(Green(64, 63)) << "nothing above R2";
    EXPECT_EQ(GreenCount(), 2 * (2 * 128 + 2 * 62)) << from;
  }
}

TEST_F(CanvasRange, AdjacentRowsWithOverlapAreOneClosedShape) {
  DrawRange(1, 6);
  // Outer corners of the shape around columns 1-3 of row 0 and 0-2 of row 1.
  EXPECT_TRUE(Green(64, 0) && Green(255, 0) && Green(255, 63) && Green(0, 64) && Green(0, 127) && Green(191, 127));
  // No line between the rows where R3 (64, 0, 192, 128) joins them.
  EXPECT_FALSE(Green(100, 63));
  EXPECT_FALSE(Green(100, 64));
  // Steps of the outline: R1's bottom right of R3, R2's top left of it.
  EXPECT_TRUE(Green(200, 63));
  EXPECT_TRUE(Green(30, 64));
  EXPECT_FALSE(Green(63, 30)) << "left of the range in row 0";
}

TEST_F(CanvasRange, RowsBetweenAreFull) {
  DrawRange(2, 9);
  EXPECT_TRUE(Green(128, 0) && Green(255, 0));                    // row 0 from column 2
  EXPECT_TRUE(Green(0, 64) && Green(0, 191) && Green(255, 127));  // whole row 1, left part of row 2
  EXPECT_TRUE(Green(127, 191));                                   // row 2 ends after column 1
  EXPECT_FALSE(Green(130, 191));
  EXPECT_TRUE(Green(100, 64)) << "under the cells before the range's start";
  EXPECT_FALSE(Green(100, 127));
  EXPECT_FALSE(Green(200, 64));
  EXPECT_FALSE(Green(60, 30)) << "left of the range in row 0";
}

}  // namespace

}  // namespace mosaicor
