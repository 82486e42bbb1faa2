// The grid layer: dotted frames in two exclusive-or passes, solid lines, no grid.

#include <gtest/gtest.h>

#include <algorithm>

#include "FakeView.h"
#include "core/canvas/GridPainter.h"
#include "core/canvas/ImageStack.h"
#include "core/graphics/RectDrawing.h"

namespace mosaicor {

namespace {

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb WholeCell = qRgb(192, 192, 192);  // 224 xor 32
constexpr QRgb Ring = qRgb(32, 32, 32);

// The dotted border of the rectangle (each pixel once) combined with the picture by
// exclusive-or: drawing the same frame twice removes it.
void DrawFocusRect(QImage& image, const QRect& rect, QRgb colour) {
  if (rect.isEmpty()) return;
  const int l = rect.x(), t = rect.y(), r = l + rect.width() - 1, b = t + rect.height() - 1;
  for (int y = std::max(t, 0); y <= std::min(b, image.height() - 1); ++y)
    for (int x = std::max(l, 0); x <= std::min(r, image.width() - 1); ++x)
      if ((y == t || y == b || x == l || x == r) && IsFocusDot(x, y))
        image.setPixel(x, y, image.pixel(x, y) ^ (colour & 0x00FFFFFFu));
}

// The dotted grid drawn the slow way: every cell framed in turn, as the passes describe it.
QImage ReferenceDottedGrid(QSize size, const GridGeometry& g) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Black);
  for (int r = -1; r <= g.Rows; ++r)
    for (int c = -1; c <= g.Cols; ++c) DrawFocusRect(image, g.CellRect(c, r), Ring);
  for (int r = 0; r < g.Rows; ++r)
    for (int c = 0; c < g.Cols; ++c) DrawFocusRect(image, g.CellRect(c, r), qRgb(224, 224, 224));
  return image;
}

QImage GridPixels(const ImageStack& stack) {
  return stack.Layers().L5_Grid().PictureCopy().convertToFormat(QImage::Format_ARGB32).copy(stack.Layers().PortRect());
}

TEST(CanvasGrid, DottedGridMatchesFramingEveryCellInTurn) {
  struct Case {
    QSize port;
    int cell, offsetX, offsetY;
  } cases[] = {{{256, 512}, 64, 0, 0}, {{256, 512}, 64, 4, 38}, {{100, 90}, 8, 3, 5}, {{37, 41}, 16, 15, 0},
               {{64, 64}, 64, 63, 63}, {{20, 20}, 1, 0, 0},     {{21, 17}, 3, 2, 1}};
  for (const Case& c : cases) {
    ImageStack stack;
    stack.InitStack(c.port.width(), c.port.height());
    stack.Grid().CellWidth = stack.Grid().CellHeight = c.cell;
    stack.Grid().GridOffsetX = c.offsetX;
    stack.Grid().GridOffsetY = c.offsetY;
    stack.Grid().UpdateGrid();
    const QImage expected = ReferenceDottedGrid(c.port, stack.Grid().Geometry());
    EXPECT_EQ(GridPixels(stack), expected) << c.port.width() << "x" << c.port.height() << " cell " << c.cell;
  }
}

TEST(CanvasGrid, WholeCellsAreLightGreyAndThePartialRingDark) {
  ImageStack stack;
  stack.InitStack(256, 512);
  stack.Grid().GridOffsetX = 4;
  stack.Grid().GridOffsetY = 38;
  stack.Grid().UpdateGrid();
  const ImageLayer& grid = stack.Layers().L5_Grid();
  EXPECT_EQ(grid.PixelAt(4, 38), WholeCell) << "top-left corner of the first whole cell";
  EXPECT_EQ(grid.PixelAt(5, 38), Black) << "dotted";
  EXPECT_EQ(grid.PixelAt(6, 38), WholeCell);
  EXPECT_EQ(grid.PixelAt(67, 39), WholeCell) << "right edge of cell (0, 0)";
  EXPECT_EQ(grid.PixelAt(68, 40), WholeCell) << "left edge of cell (1, 0), on the next pixel line";
  EXPECT_EQ(grid.PixelAt(3, 37), Ring) << "corner of the partial cell above and left";
  EXPECT_EQ(grid.PixelAt(196, 40), Ring) << "left edge of the partial strip on the right";
  EXPECT_EQ(grid.PixelAt(30, 60), Black) << "inside a cell";
  // Only the three colours appear.
  const QImage pixels = GridPixels(stack);
  for (int y = 0; y < pixels.height(); ++y)
    for (int x = 0; x < pixels.width(); ++x) {
      const QRgb p = pixels.pixel(x, y);
      ASSERT_TRUE(p == Black || p == WholeCell || p == Ring) << x << "," << y;
    }
}

TEST(CanvasGrid, LinesRunAcrossThePictureAtEveryCellEdge) {
  ImageStack stack;
  stack.InitStack(256, 512);
  stack.Grid().GridOffsetX = 4;
  stack.Grid().GridOffsetY = 38;
  stack.Grid().GridStyle = GridStyleKind::Lines;
  stack.Grid().UpdateGrid();
  const ImageLayer& grid = stack.Layers().L5_Grid();
  const QRgb line = qRgb(224, 224, 224);
  EXPECT_EQ(grid.PixelAt(4, 0), line) << "vertical lines start at the top of the picture";
  EXPECT_EQ(grid.PixelAt(196, 511), line) << "the last grid column's right edge, to the bottom";
  EXPECT_EQ(grid.PixelAt(0, 38), line) << "horizontal lines start at the left of the picture";
  EXPECT_EQ(grid.PixelAt(255, 486), line);
  EXPECT_EQ(grid.PixelAt(5, 39), Black);
  EXPECT_EQ(grid.PixelAt(255, 500), Black) << "no line beyond row GridRows";
  EXPECT_EQ(grid.PixelAt(3, 10), Black);
}

TEST(CanvasGrid, OtherStylesLeaveTheLayerEmpty) {
  ImageStack stack;
  stack.InitStack(256, 512);
  stack.Grid().GridStyle = GridStyleKind::None;
  stack.Grid().UpdateGrid();
  EXPECT_TRUE(stack.Layers().L5_Grid().InkBounds().isEmpty());
  EXPECT_EQ(stack.Layers().L5_Grid().PixelAt(0, 0), Black);
  EXPECT_EQ(stack.Grid().GridCols(), 4) << "the geometry is still computed";
}

TEST(CanvasGrid, InitGridResetsOffsetsStyleAndLock) {
  ImageStack stack;
  stack.InitStack(256, 512);
  stack.Grid().GridOffsetX = 5;
  stack.Grid().GridStyle = GridStyleKind::Lines;
  stack.Grid().GridLocked = false;
  stack.Grid().InitGrid(32, 32);
  EXPECT_EQ(stack.Grid().CellWidth, 32);
  EXPECT_EQ(stack.Grid().GridOffsetX, 0);
  EXPECT_EQ(stack.Grid().GridStyle, GridStyleKind::Dotted);
  EXPECT_TRUE(stack.Grid().GridLocked);
  EXPECT_EQ(stack.Grid().GridCols(), 8);
  EXPECT_EQ(stack.Grid().GridRows(), 16);
}

TEST(CanvasGrid, DrawingThePortOnlyLeavesPixelsBeyondItAlone) {
  ImageStack stack;
  stack.InitStack(512, 512);
  stack.Grid().GridStyle = GridStyleKind::Lines;
  stack.Grid().UpdateGrid();
  const QRgb beyond = stack.Layers().L5_Grid().PixelAt(300, 0);
  stack.UpdateImagePort(256, 256);
  stack.Grid().GridStyle = GridStyleKind::Dotted;
  stack.Grid().UpdateGrid();
  EXPECT_EQ(stack.Grid().GridCols(), 4);
  EXPECT_EQ(stack.Layers().L5_Grid().PixelAt(300, 0), beyond) << "hidden by the port, not redrawn";
  EXPECT_EQ(stack.Layers().L5_Grid().PixelAt(0, 0), WholeCell);
}

}  // namespace

}  // namespace mosaicor
