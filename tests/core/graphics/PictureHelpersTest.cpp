// Rectangle copies, fills and frames on 32-bit and Indexed8 pictures.

#include <gtest/gtest.h>

#include "TestPictures.h"
#include "core/graphics/RectCopy.h"
#include "core/graphics/RectDrawing.h"

namespace mosaicor {

namespace {

constexpr QRgb Black = qRgb(0, 0, 0);

QImage Filled(int w, int h, QRgb colour) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

TEST(RectLTRB, EmptyWhenInvertedOrFlat) {
  EXPECT_EQ(RectLTRB(1, 2, 5, 7), QRect(1, 2, 4, 5));
  EXPECT_TRUE(RectLTRB(5, 0, 5, 10).isEmpty());
  EXPECT_TRUE(RectLTRB(6, 0, 5, 10).isEmpty());
  EXPECT_TRUE(RectLTRB(0, 3, 5, 2).isEmpty());
}

TEST(CopyRect, ClipsToBothPictures) {
  const QImage source = MakeCoordinatePicture(16, 16);
  struct Case {
    QPoint at;
    QRect from;
    QPoint probe, sourceOfProbe;  // sourceOfProbe (-1, -1): probe keeps the destination's colour
  } cases[] = {
      {{0, 0}, {0, 0, 16, 16}, {5, 6}, {5, 6}},
      {{-4, -4}, {0, 0, 8, 8}, {0, 0}, {4, 4}},    // destination left of and above the picture
      {{6, 6}, {0, 0, 8, 8}, {7, 7}, {1, 1}},      // reaches past the destination's far corner
      {{0, 0}, {12, 12, 8, 8}, {3, 3}, {15, 15}},  // source rectangle past the source picture
      {{0, 0}, {12, 12, 8, 8}, {4, 4}, {-1, -1}},  //   ...its outside part writes nothing
      {{0, 0}, {-3, -3, 8, 8}, {2, 2}, {-1, -1}},
      {{0, 0}, {-3, -3, 8, 8}, {3, 3}, {0, 0}},
  };
  for (const Case& c : cases) {
    QImage destination = Filled(10, 10, qRgb(1, 1, 1));
    CopyRect(destination, c.at, source, c.from);
    const QRgb expected = c.sourceOfProbe.x() < 0 ? qRgb(1, 1, 1) : source.pixel(c.sourceOfProbe);
    EXPECT_EQ(destination.pixel(c.probe), expected) << c.at.x() << "," << c.from.x();
    EXPECT_EQ(destination.size(), QSize(10, 10));
  }
}

TEST(CopyRect, WithinOnePictureReadsBeforeItWrites) {
  QImage image = MakeCoordinatePicture(8, 8);
  const QImage before = image.copy();
  CopyRect(image, QPoint(0, 2), image, QRect(0, 0, 8, 6));
  EXPECT_EQ(image.pixel(3, 7), before.pixel(3, 5));
  EXPECT_EQ(image.pixel(3, 2), before.pixel(3, 0));
}

TEST(FillAndFrame, ClippedAndOnIndexedPictures) {
  QImage image = Filled(6, 5, Black);
  FillRect(image, QRect(4, 3, 10, 10), qRgb(9, 9, 9));
  EXPECT_EQ(image.pixel(5, 4), qRgb(9, 9, 9));
  EXPECT_EQ(image.pixel(3, 4), Black);
  FrameRect(image, QRect(0, 0, 3, 3), qRgb(1, 2, 3));
  EXPECT_EQ(image.pixel(2, 2), qRgb(1, 2, 3));
  EXPECT_EQ(image.pixel(1, 1), Black);

  QImage indexed(6, 5, QImage::Format_Indexed8);
  indexed.setColorCount(1);
  indexed.setColor(0, Black);
  indexed.fill(0);
  FrameRect(indexed, QRect(0, 0, 6, 5), qRgb(255, 255, 0));
  EXPECT_EQ(indexed.format(), QImage::Format_Indexed8);
  EXPECT_EQ(indexed.colorCount(), 2);
  EXPECT_EQ(PixelColour(indexed, 5, 4), qRgb(255, 255, 0));
  EXPECT_EQ(PixelColour(indexed, 2, 2), Black);
}

TEST(FillRect, AFullColourTableTurnsThePictureInto32Bits) {
  QImage indexed(20, 20, QImage::Format_Indexed8);
  indexed.setColorCount(0);
  for (int i = 0; i < 300; ++i) FillRect(indexed, QRect(i % 20, i / 20, 1, 1), qRgb(i % 256, i / 256, 0));
  EXPECT_EQ(indexed.format(), QImage::Format_ARGB32);
  EXPECT_EQ(PixelColour(indexed, 19, 14), qRgb(299 % 256, 1, 0));
  EXPECT_EQ(PixelColour(indexed, 5, 0), qRgb(5, 0, 0));
}

}  // namespace

}  // namespace mosaicor
