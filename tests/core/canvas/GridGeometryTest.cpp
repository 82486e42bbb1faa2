#include "core/canvas/GridGeometry.h"

#include <gtest/gtest.h>

#include "FakeView.h"

namespace mosaicor {

namespace {

TEST(GridGeometry, FitCountsWholeCellsOnly) {
  const GridGeometry g = GridGeometry::Fit(QSize(256, 512), 64, 64, 4, 38);
  EXPECT_EQ(g.Cols, 3);
  EXPECT_EQ(g.Rows, 7);
  EXPECT_EQ(ToLtrb(g.Rect()), (Ltrb{4, 38, 196, 486}));
  // A port narrower than the offset has no whole cells, never a negative count.
  const GridGeometry tiny = GridGeometry::Fit(QSize(3, 3), 8, 8, 5, 5);
  EXPECT_EQ(tiny.Cols, 0);
  EXPECT_EQ(tiny.Rows, 0);
}

TEST(GridGeometry, CellAtTruncatesTowardZeroInTheLeadingStrip) {
  const GridGeometry g = GridGeometry::Fit(QSize(256, 512), 64, 64, 4, 38);
  struct Case {
    QPoint point, cell;
  } cases[] = {
      {{0, 0}, {0, 0}},      // left of and above the grid: -4 div 64 = 0, -38 div 64 = 0
      {{3, 37}, {0, 0}},     // last pixel of the leading strips
      {{4, 38}, {0, 0}},     // first pixel of the grid
      {{67, 101}, {0, 0}},   // last pixel of cell (0, 0)
      {{68, 102}, {1, 1}},   // first pixel of cell (1, 1)
      {{200, 490}, {3, 7}},  // trailing strips: one past the last whole column and row
  };
  for (const Case& c : cases) EXPECT_EQ(g.CellAt(c.point), c.cell) << c.point.x() << "," << c.point.y();
  EXPECT_EQ(g.Index(QPoint(3, 7)), 7 * 3 + 3);
  EXPECT_EQ(ToLtrb(g.CellRect(3, 7)), (Ltrb{196, 486, 260, 550}));
}

TEST(GridGeometry, IndexRoundTripsAcrossRowEnds) {
  const GridGeometry g = GridGeometry::Fit(QSize(256, 512), 64, 64, 0, 0);
  for (int i : {0, 3, 4, 5, 31}) EXPECT_EQ(g.Index(g.CellOfIndex(i)), i);
  EXPECT_EQ(g.CellOfIndex(5), QPoint(1, 1));
}

TEST(GridGeometry, FreeBoxIsCentredButNeverLeftOfOrAboveTheOrigin) {
  const GridGeometry g = GridGeometry::Fit(QSize(256, 512), 64, 64, 0, 0);
  EXPECT_EQ(ToLtrb(g.FreeBox({10, 10})), (Ltrb{0, 0, 64, 64}));
  EXPECT_EQ(ToLtrb(g.FreeBox({100, 70})), (Ltrb{68, 38, 132, 102}));
  EXPECT_EQ(ToLtrb(g.FreeBox({-50, -50})), (Ltrb{0, 0, 64, 64}));
  // Near the far edges it may reach past the picture: a cut reads only the part inside.
  EXPECT_EQ(ToLtrb(g.FreeBox({250, 500})), (Ltrb{218, 468, 282, 532}));
}

TEST(GridGeometry, CursorBoxSnapsToWholeCellsAndStaysInThePort) {
  const QSize port(256, 512);
  const GridGeometry g = GridGeometry::Fit(port, 64, 64, 0, 0);
  EXPECT_EQ(g.CursorBoxAt({10, 10}, port, true), QPoint(0, 0));
  EXPECT_EQ(g.CursorBoxAt({255, 511}, port, true), QPoint(192, 448));
  EXPECT_EQ(g.CursorBoxAt({100, 70}, port, true), QPoint(64, 64));
  EXPECT_EQ(g.CursorBoxAt({-500, 9000}, port, true), QPoint(0, 448));
  EXPECT_EQ(g.CursorBoxAt({10, 10}, port, false), QPoint(0, 0));
  EXPECT_EQ(g.CursorBoxAt({100, 70}, port, false), QPoint(68, 38));
  EXPECT_EQ(g.CursorBoxAt({255, 511}, port, false), QPoint(192, 448));
  // A custom grid: the box stays in the last whole column and row, never in the strips.
  const GridGeometry custom = GridGeometry::Fit(port, 64, 64, 4, 38);
  EXPECT_EQ(custom.CursorBoxAt({255, 511}, port, true), QPoint(132, 422));
  EXPECT_EQ(custom.CursorBoxAt({0, 0}, port, true), QPoint(4, 38));
}

TEST(GridGeometry, OffsetAlignedToThePointerLinesUpWithTheFreeBox) {
  const GridGeometry g = GridGeometry::Fit(QSize(256, 512), 64, 64, 0, 0);
  EXPECT_EQ(g.OffsetAlignedTo({100, 70}), QPoint(4, 38));
  EXPECT_EQ(g.OffsetAlignedTo({20, 32}), QPoint(52, 0));
  EXPECT_EQ(g.OffsetAlignedTo({96, 95}), QPoint(0, 63));
  // Outside the port (never seen from a real double click) the offset still stays in range.
  EXPECT_EQ(g.OffsetAlignedTo({-60, -1}), QPoint(36, 31));
}

}  // namespace

}  // namespace mosaicor
