// The animation preview: classic cycling in both directions and across row ends, the scroll of one
// cell, stopping at every phase, and a new range drawn while the last animation is finishing.

#include <gtest/gtest.h>

#include <vector>

#include "FakeView.h"
#include "TestPictures.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

namespace {

class CanvasAnimation : public ::testing::Test {
 protected:
  void SetUp() override {
    stack.SetView(&view);
    stack.InitStack(256, 512);
    stack.Layers().L1_Image().SetPicture(original);
    stack.UpdateStack();
    stack.Grid().UpdateGrid();
  }
  // A range drawn with the right button from the centre of one cell to the centre of another.
  void DrawRange(int first, int last) {
    const QPoint a = Centre(first), b = Centre(last);
    stack.MouseIsOnMove(0, a.x(), a.y());
    stack.MouseIsDown(MouseButton::Right, 0, a.x(), a.y());
    stack.MouseIsOnMove(0, b.x(), b.y());
    stack.MouseIsUp(MouseButton::Right, 0, b.x(), b.y());
  }
  QPoint Centre(int index) const { return stack.Grid().Geometry().CellRectOfIndex(index).center(); }
  void Tick(int times = 1) {
    for (int i = 0; i < times; ++i) stack.ShiftCellsOnTimer();
  }
  QImage CellNow(int index) const {
    return stack.Layers().L1_Image().PictureCopy().copy(stack.Grid().Geometry().CellRectOfIndex(index));
  }
  QImage CellBefore(int index) const { return original.copy(stack.Grid().Geometry().CellRectOfIndex(index)); }
  // The original cells that cells first.. now show, in reading order.
  std::vector<int> Showing(int first, int last) const {
    std::vector<int> shown;
    for (int i = first; i <= last; ++i) {
      int found = -1;
      for (int j = 0; j < 32 && found < 0; ++j)
        if (CellNow(i) == CellBefore(j)) found = j;
      shown.push_back(found);
    }
    return shown;
  }
  bool PictureAsItWas() const { return stack.Layers().L1_Image().PictureCopy() == original; }

  QImage original = MakeCoordinatePicture(256, 512);
  FakeView view;
  ImageStack stack;
};

TEST_F(CanvasAnimation, ARangeOfSeveralCellsPlaysClassic) {
  DrawRange(4, 7);
  EXPECT_EQ(stack.Cursor().Mode(), ModeAnim);
  EXPECT_EQ(stack.Animation().AnimFirst(), 4);
  EXPECT_EQ(stack.Animation().AnimLast(), 7);
  EXPECT_EQ(stack.Animation().AnimPeriod(), 4);
  EXPECT_EQ(stack.Animation().AnimPhase(), 0);
  EXPECT_TRUE(stack.Animation().AnimRunning);
  EXPECT_EQ(stack.Animation().AnimInterval(), 80);
  EXPECT_EQ(stack.Animation().AnimCellRect(), QRect(0, 0, 64, 64));
  EXPECT_EQ(stack.Animation().AnimCell().size(), QSize(64, 64));
  EXPECT_EQ(stack.Animation().AnimCell().format(), QImage::Format_ARGB32);
  EXPECT_EQ(stack.Animation().AnimRowBuffer(), QByteArray(64 * 4, '\0'));
  EXPECT_TRUE(view.timerOn);
  EXPECT_EQ(view.timerInterval, 80);
  EXPECT_FALSE(stack.Layers().L6_Selection().Visible());
  EXPECT_FALSE(stack.Layers().L7_Cursor().Visible());
}

TEST_F(CanvasAnimation, FramesFollowTheDirectionTheRangeWasDrawn) {
  struct Case {
    int first, last;
    std::vector<std::vector<int>> ticks;  // cells min..max after each tick
  } cases[] = {
      {4, 7, {{5, 6, 7, 4}, {6, 7, 4, 5}, {7, 4, 5, 6}, {4, 5, 6, 7}}},
      {7, 4, {{7, 4, 5, 6}, {6, 7, 4, 5}, {5, 6, 7, 4}, {4, 5, 6, 7}}},
      {3, 5, {{4, 5, 3}, {5, 3, 4}, {3, 4, 5}}},  // across the end of row 0 on the 4-column grid
      {5, 3, {{5, 3, 4}, {4, 5, 3}, {3, 4, 5}}},
      {6, 7, {{7, 6}, {6, 7}}},
  };
  for (const Case& c : cases) {
    SetUp();
    DrawRange(c.first, c.last);
    EXPECT_EQ(stack.Animation().AnimPeriod(), static_cast<int>(c.ticks.size()));
    for (size_t t = 0; t < c.ticks.size(); ++t) {
      Tick();
      EXPECT_EQ(Showing(std::min(c.first, c.last), std::max(c.first, c.last)), c.ticks[t])
          << c.first << "->" << c.last << " tick " << t + 1;
      EXPECT_EQ(stack.Animation().AnimPhase(), static_cast<int>((t + 1) % c.ticks.size()));
    }
    EXPECT_TRUE(PictureAsItWas()) << c.first << "->" << c.last;
    EXPECT_EQ(CellNow(0), CellBefore(0)) << "cells outside the range never move";
  }
}

TEST_F(CanvasAnimation, OneCellScrollsBothHalvesDownARowPerTick) {
  DrawRange(5, 5);
  EXPECT_EQ(stack.Cursor().Mode(), ModeScroll);
  EXPECT_EQ(stack.Animation().AnimPeriod(), 32);
  EXPECT_EQ(stack.Animation().AnimInterval(), 10);
  EXPECT_EQ(view.timerInterval, 10);
  const QImage before = CellBefore(5);
  Tick();
  const QImage after = CellNow(5);
  struct Row {
    int now, was;
  } rows[] = {{0, 31}, {1, 0}, {31, 30}, {32, 63}, {33, 32}, {63, 62}};
  for (const Row& r : rows)
    for (int x = 0; x < 64; ++x) ASSERT_EQ(after.pixel(x, r.now), before.pixel(x, r.was)) << "row " << r.now;
  Tick(31);
  EXPECT_EQ(stack.Animation().AnimPhase(), 0);
  EXPECT_TRUE(PictureAsItWas());
}

TEST_F(CanvasAnimation, SmallerCellsScrollWithTheirOwnPeriod) {
  stack.Grid().CellWidth = stack.Grid().CellHeight = 16;
  stack.Grid().InitGrid(16, 16);
  DrawRange(20, 20);
  EXPECT_EQ(stack.Animation().AnimPeriod(), 8);
  EXPECT_EQ(stack.Animation().AnimCell().size(), QSize(16, 16));
  EXPECT_EQ(stack.Animation().AnimRowBuffer().size(), 64);
  Tick(7);
  EXPECT_FALSE(PictureAsItWas());
  Tick();
  EXPECT_TRUE(PictureAsItWas());
}

TEST_F(CanvasAnimation, AStopAtEveryPhaseFinishesTheCycleAndEndsInIdle) {
  struct Case {
    int first, last;
  } ranges[] = {{4, 7}, {7, 4}, {9, 9}};
  for (const Case& range : ranges) {
    SetUp();
    DrawRange(range.first, range.last);
    const int period = stack.Animation().AnimPeriod();
    for (int phase = 0; phase < period; ++phase) {
      SetUp();
      DrawRange(range.first, range.last);
      Tick(phase);
      stack.MouseIsDown(MouseButton::Right, 0, 10, 10);  // the stop request
      EXPECT_FALSE(stack.Animation().AnimRunning);
      const int stepsLeft = (period - phase) % period;
      Tick(stepsLeft);
      EXPECT_TRUE(PictureAsItWas()) << range.first << "->" << range.last << " stopped at phase " << phase;
      EXPECT_TRUE(stack.Animation().AnimExists()) << "still one tick before it ends";
      EXPECT_TRUE(view.timerOn);
      Tick();
      EXPECT_EQ(stack.Cursor().Mode(), ModeIdle);
      EXPECT_FALSE(view.timerOn);
      EXPECT_TRUE(stack.Animation().AnimCell().isNull());
      EXPECT_TRUE(stack.Animation().AnimRowBuffer().isNull());
      EXPECT_TRUE(PictureAsItWas());
      EXPECT_EQ(stack.Cursor().CursorName(), CursorBox::Normal);
    }
  }
}

TEST_F(CanvasAnimation, ACutAsksTheAnimationToStop) {
  DrawRange(4, 7);
  Tick(2);
  stack.Cursor().SetSelectionRect(QRect(0, 0, 64, 64));
  stack.CutSelection();
  EXPECT_FALSE(stack.Animation().AnimRunning);
  Tick(3);
  EXPECT_TRUE(PictureAsItWas());
  EXPECT_FALSE(stack.Animation().AnimExists());
  EXPECT_FALSE(view.timerOn);
}

TEST_F(CanvasAnimation, ANewRangeWhileFinishingPutsTheLastRangeBackFirst) {
  struct Case {
    int first, last, ticks, nextFirst, nextLast;
  } cases[] = {
      {4, 7, 2, 0, 1},    // elsewhere
      {4, 7, 1, 5, 6},    // inside the finishing range
      {7, 2, 3, 3, 12},   // overlapping it, across rows
      {9, 9, 13, 9, 10},  // a scroll, then a classic range over the same cell
      {4, 7, 3, 6, 6},    // a classic range, then a scroll inside it
      {0, 11, 5, 2, 2},
  };
  for (const Case& c : cases) {
    SetUp();
    DrawRange(c.first, c.last);
    Tick(c.ticks);
    // The host's click on the empty panel: stop requests and Idle, then the user draws again.
    stack.Animation().AnimRunning = false;
    stack.Cursor().SetModeToIdle();
    stack.MouseIsOnMove(0, Centre(c.nextFirst).x(), Centre(c.nextFirst).y());
    stack.MouseIsDown(MouseButton::Right, 0, Centre(c.nextFirst).x(), Centre(c.nextFirst).y());
    EXPECT_EQ(stack.Cursor().Mode(), ModeRange);
    stack.MouseIsUp(MouseButton::Right, 0, Centre(c.nextLast).x(), Centre(c.nextLast).y());
    EXPECT_TRUE(PictureAsItWas()) << "range " << c.first << "->" << c.last << " put back";
    EXPECT_TRUE(stack.Animation().AnimRunning);
    EXPECT_EQ(stack.Animation().AnimPhase(), 0);
    EXPECT_EQ(stack.Animation().AnimFirst(), c.nextFirst);
    EXPECT_EQ(stack.Animation().AnimCell().size(), QSize(64, 64));
    Tick();
    for (int i = 0; i < 32; ++i) {
      if (i < std::min(c.nextFirst, c.nextLast) || i > std::max(c.nextFirst, c.nextLast)) {
        EXPECT_EQ(CellNow(i), CellBefore(i)) << "only the new range moves: cell " << i;
      }
    }
    stack.Animation().AnimRunning = false;
    Tick(stack.Animation().AnimPeriod() + 1);
    EXPECT_TRUE(PictureAsItWas());
    EXPECT_EQ(stack.Cursor().Mode(), ModeIdle);
  }
}

TEST_F(CanvasAnimation, CellsThePictureDoesNotWhollyHoldComeBackWhole) {
  // A CUSTOM grid offset by (20, 40): 3 whole columns and 7 whole rows, then partial strips; the
  // range runs into the bottom strip (row 7) and past it.
  stack.Grid().GridOffsetX = 20;
  stack.Grid().GridOffsetY = 40;
  stack.Grid().UpdateGrid();
  ASSERT_EQ(stack.Grid().GridCols(), 3);
  ASSERT_EQ(stack.Grid().GridRows(), 7);
  struct Case {
    int first, last;
  } cases[] = {{18, 23}, {23, 19}, {21, 21}, {22, 24}, {24, 24}};
  for (const Case& c : cases) {
    stack.Layers().L1_Image().SetPicture(original);
    stack.MouseIsDown(MouseButton::Right, 0, 10, 10);
    stack.StartAnimation(c.first, c.last);
    const int period = stack.Animation().AnimPeriod();
    Tick();
    const QRect first = stack.Grid().Geometry().CellRectOfIndex(c.first);
    if (c.first == c.last && first.top() < 512) {  // the part inside still scrolls
      EXPECT_EQ(stack.Layers().L1_Image().PixelAt(first.left(), first.top() + 1), original.pixel(first.topLeft()));
    }
    Tick(period / 2);
    stack.Animation().AnimRunning = false;
    Tick(period);
    EXPECT_FALSE(stack.Animation().AnimExists());
    EXPECT_TRUE(PictureAsItWas()) << c.first << "->" << c.last;
  }
}

TEST_F(CanvasAnimation, TheGridChangingMeanwhileDoesNotScrambleThePicture) {
  DrawRange(4, 7);
  Tick();
  stack.Grid().CellWidth = stack.Grid().CellHeight = 32;
  stack.Grid().InitGrid(32, 32);
  stack.Cursor().SetModeToIdle();
  stack.Animation().AnimRunning = false;
  Tick(4);
  EXPECT_TRUE(PictureAsItWas());
  EXPECT_FALSE(stack.Animation().AnimExists());
}

TEST_F(CanvasAnimation, ATickWithoutAnAnimationOnlyStopsTheTimer) {
  view.timerOn = true;
  stack.ShiftCellsOnTimer();
  EXPECT_FALSE(view.timerOn);
  EXPECT_EQ(stack.Cursor().Mode(), ModeIdle);
  EXPECT_TRUE(PictureAsItWas());
}

TEST_F(CanvasAnimation, LayoutsOtherThan32BitsCycleByteForByte) {
  // A 15-bit picture whose top bits carry data must come back with them.
  QImage picture(256, 512, QImage::Format_RGB555);
  for (int y = 0; y < picture.height(); ++y) {
    auto* row = reinterpret_cast<quint16*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) row[x] = static_cast<quint16>(x * 131 + y * 7);
  }
  original = picture;
  SetUp();
  DrawRange(2, 9);
  Tick(3);
  EXPECT_EQ(stack.Animation().AnimCell().format(), QImage::Format_RGB555);
  EXPECT_EQ(CellNow(2), CellBefore(5));
  stack.Animation().AnimRunning = false;
  Tick(6);
  EXPECT_EQ(stack.Layers().L1_Image().StoredPicture().format(), QImage::Format_RGB555);
  EXPECT_TRUE(PictureAsItWas());
}

// The preview on its own, as the canvas drives it: Tick says when the animation has ended (the
// canvas then goes Idle), exactly once; StopNow says whether one was running.
TEST(AnimationPreviewPart, TickReportsTheEndOnceAndNoViewIsNeeded) {
  LayerStack layers;
  layers.Reset(256, 128);
  const QImage picture = MakeCoordinatePicture(256, 128);
  layers.L1_Image().SetPicture(picture);
  AnimationPreview preview(layers);
  EXPECT_FALSE(preview.StopNow());
  GridGeometry grid = GridGeometry::Fit(QSize(256, 128), 64, 64, 0, 0);
  preview.Start(grid, 1, 3);
  EXPECT_FALSE(preview.Scrolls());
  EXPECT_EQ(preview.AnimPeriod(), 3);
  EXPECT_FALSE(preview.Tick());
  EXPECT_NE(layers.L1_Image().PictureCopy(), picture);
  preview.AnimRunning = false;
  int ends = 0;
  for (int i = 0; i < 4; ++i) ends += preview.Tick() ? 1 : 0;
  EXPECT_EQ(ends, 1);
  EXPECT_FALSE(preview.AnimExists());
  EXPECT_EQ(layers.L1_Image().PictureCopy(), picture);

  preview.Start(grid, 5, 5);
  EXPECT_TRUE(preview.Scrolls());
  preview.Tick();
  EXPECT_TRUE(preview.StopNow());
  EXPECT_FALSE(preview.AnimExists());
  EXPECT_EQ(layers.L1_Image().PictureCopy(), picture);
}

}  // namespace

}  // namespace mosaicor
