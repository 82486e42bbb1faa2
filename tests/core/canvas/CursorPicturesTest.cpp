#include "core/canvas/CursorPictures.h"

#include <gtest/gtest.h>

namespace mosaicor {

namespace {

constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb Black = qRgb(0, 0, 0);

// Whether a border pixel belongs to a corner bracket with the given arm length.
bool OnBracket(int x, int y, int side, int arm) {
  const bool edgeRow = y == 0 || y == side - 1, edgeColumn = x == 0 || x == side - 1;
  const bool nearX = x < arm || x >= side - arm, nearY = y < arm || y >= side - arm;
  return (edgeRow && nearX) || (edgeColumn && nearY);
}

TEST(CursorPictures, BoxesHaveExactlyTheirCornerBrackets) {
  struct Case {
    const char* name;
    int side, arm;
  } cases[] = {{"crNormal", 64, 21}, {"cr32", 32, 10}, {"cr16", 16, 5}, {"cr08", 8, 3}};
  for (const Case& c : cases) {
    const QImage box = CursorPicture(c.name);
    ASSERT_EQ(box.size(), QSize(c.side, c.side)) << c.name;
    for (int y = 0; y < c.side; ++y)
      for (int x = 0; x < c.side; ++x)
        ASSERT_EQ(box.pixel(x, y), OnBracket(x, y, c.side, c.arm) ? Red : Black) << c.name << " " << x << "," << y;
  }
  // The middle 22 pixels of each side of the 64-pixel box stay open.
  const QImage normal = CursorPicture("crNormal");
  EXPECT_EQ(normal.pixel(20, 0), Red);
  EXPECT_EQ(normal.pixel(21, 0), Black);
  EXPECT_EQ(normal.pixel(42, 0), Black);
  EXPECT_EQ(normal.pixel(43, 0), Red);
}

TEST(CursorPictures, TransformBoxesAddOnlyARedPictogramInTheMiddle) {
  for (const char* name : {"crRotate", "crHFlip", "crVFlip", "crSwap", "crHand"}) {
    const QImage box = CursorPicture(name);
    ASSERT_EQ(box.size(), QSize(64, 64)) << name;
    int inked = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        const QRgb p = box.pixel(x, y);
        ASSERT_TRUE(p == Red || p == Black) << name << " " << x << "," << y;
        const bool border = x == 0 || y == 0 || x == 63 || y == 63;
        if (border) {
          ASSERT_EQ(p, OnBracket(x, y, 64, 21) ? Red : Black) << name << " " << x << "," << y;
        } else if (p == Red) {
          ++inked;
          ASSERT_TRUE(x >= 8 && x < 56 && y >= 8 && y < 56) << name << " pictogram strays to " << x << "," << y;
        }
      }
    EXPECT_GT(inked, 40) << name;
  }
}

TEST(CursorPictures, DifferentPictogramsAndUnknownNames) {
  EXPECT_NE(CursorPicture("crHFlip"), CursorPicture("crVFlip"));
  EXPECT_NE(CursorPicture("crRotate"), CursorPicture("crSwap"));
  EXPECT_TRUE(CursorPicture("crNothing").isNull());
  EXPECT_EQ(CursorNameForCell(8, CursorBox::Rotate), "cr08");
  EXPECT_EQ(CursorNameForCell(64, CursorBox::Rotate), "crRotate");
  EXPECT_TRUE(CursorNameForCell(48, CursorBox::Rotate).isEmpty());
  // Every box has a picture of its own.
  for (CursorBox box :
       {CursorBox::Normal, CursorBox::Rotate, CursorBox::HFlip, CursorBox::VFlip, CursorBox::Swap, CursorBox::Hand})
    EXPECT_TRUE(CursorPictureNames().contains(CursorBoxName(box))) << int(box);
}

}  // namespace

}  // namespace mosaicor
