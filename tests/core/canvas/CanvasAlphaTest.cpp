// The alpha view of pictures in every pixel layout the canvas may hold.

#include <gtest/gtest.h>

#include <cstring>

#include "TestPictures.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

namespace {

// A picture whose raw words are the given function of (x, y).
template <typename Word, typename F>
QImage RawPicture(QImage::Format format, int w, int h, F value) {
  QImage picture(w, h, format);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<Word*>(picture.scanLine(y));
    for (int x = 0; x < w; ++x) row[x] = static_cast<Word>(value(x, y));
  }
  return picture;
}

QImage AlphaViewOf(const QImage& picture) {
  ImageStack stack;
  stack.InitStack(256, 512);
  stack.Layers().L1_Image().SetPicture(picture);
  stack.UpdateStack();
  stack.Layers().ExtractAlpha();
  return stack.Layers().L2_Alpha().PictureCopy();
}

bool AllBytes(const QImage& picture, uchar value) {
  for (int y = 0; y < picture.height(); ++y) {
    const uchar* row = picture.constScanLine(y);
    for (int i = 0; i < picture.width() * picture.depth() / 8; ++i)
      if (row[i] != value) return false;
  }
  return true;
}

TEST(CanvasAlpha, ThirtyTwoBitPicturesShowTheirAlphaAsGrey) {
  QImage opaque(64, 32, QImage::Format_ARGB32);
  opaque.fill(qRgba(10, 200, 30, 255));
  const QImage white = AlphaViewOf(opaque);
  EXPECT_EQ(white.format(), QImage::Format_ARGB32);
  EXPECT_EQ(white.size(), QSize(64, 32));
  EXPECT_TRUE(AllBytes(white, 0xFF));

  const QImage view = AlphaViewOf(MakeFPicture(64, 64));
  EXPECT_EQ(view.pixel(63, 63), qRgba(128, 128, 128, 128)) << "alpha kept, colour from it";
  EXPECT_EQ(view.pixel(0, 0), qRgba(255, 255, 255, 255));

  const QImage ramp =
      RawPicture<quint32>(QImage::Format_ARGB32, 256, 2, [](int x, int) { return (quint32(x) << 24) | 0x123456u; });
  const QImage grey = AlphaViewOf(ramp);
  for (int x = 0; x < 256; ++x) ASSERT_EQ(grey.pixel(x, 1), qRgba(x, x, x, x)) << x;
}

TEST(CanvasAlpha, FifteenBitPicturesAreWhiteExactlyWhereTheTopBitIsSet) {
  auto word = [](int x, int y) { return ((x * 7 + y * 3) % 5 == 0 ? 0x8000 : 0) | ((x * 37 + y) & 0x7FFF); };
  for (QImage::Format format : {QImage::Format_RGB555, QImage::Format_RGB444, QImage::Format_ARGB4444_Premultiplied}) {
    const QImage picture = RawPicture<quint16>(format, 40, 30, word);
    const QImage view = AlphaViewOf(picture);
    ASSERT_EQ(view.format(), format);
    ASSERT_EQ(view.size(), picture.size());
    for (int y = 0; y < 30; ++y) {
      const auto* row = reinterpret_cast<const quint16*>(view.constScanLine(y));
      for (int x = 0; x < 40; ++x)
        ASSERT_EQ(row[x], (word(x, y) & 0x8000) ? 0xFFFF : 0x0000) << format << " at " << x << "," << y;
    }
  }
}

TEST(CanvasAlpha, LayoutsWithoutAlphaGiveBlack) {
  for (QImage::Format format : {QImage::Format_RGB16, QImage::Format_RGB888, QImage::Format_BGR888}) {
    QImage picture = MakeFPicture(48, 20).convertToFormat(format);
    const QImage view = AlphaViewOf(picture);
    EXPECT_EQ(view.format(), format);
    EXPECT_EQ(view.size(), picture.size());
    EXPECT_TRUE(AllBytes(view, 0)) << format;
  }
}

TEST(CanvasAlpha, EightBitPicturesAreShownAsTheyAre) {
  QImage picture = RawPicture<uchar>(QImage::Format_Indexed8, 30, 10, [](int x, int y) { return (x + y) % 3; });
  picture.setColorTable({qRgb(255, 0, 255), qRgb(1, 2, 3), qRgb(9, 8, 7)});
  EXPECT_EQ(AlphaViewOf(picture), picture);
}

TEST(CanvasAlpha, ABlankPictureIsOpaqueBlackSoItsViewIsWhite) {
  ImageStack stack;
  stack.InitStack(256, 512);
  stack.Layers().ExtractAlpha();
  EXPECT_EQ(stack.Layers().L2_Alpha().PictureSize(), QSize(256, 512));
  EXPECT_EQ(stack.Layers().L2_Alpha().PixelAt(100, 100), qRgb(255, 255, 255));
}

TEST(CanvasAlpha, EachCallFollowsThePictureAsItIsNow) {
  ImageStack stack;
  stack.InitStack(256, 512);
  QImage picture(256, 512, QImage::Format_ARGB32);
  picture.fill(qRgba(1, 2, 3, 255));
  stack.Layers().L1_Image().SetPicture(picture);
  stack.Layers().ExtractAlpha();
  const QImage first = stack.Layers().L2_Alpha().PictureCopy();
  stack.Layers().L1_Image().EditPicture().setPixel(5, 6, qRgba(1, 2, 3, 40));
  stack.Layers().ExtractAlpha();
  EXPECT_EQ(stack.Layers().L2_Alpha().PixelAt(5, 6), qRgba(40, 40, 40, 40));
  EXPECT_EQ(first.pixel(5, 6), qRgb(255, 255, 255)) << "an earlier copy of the view is not written through";
  stack.Layers().L1_Image().SetPicture(MakeFPicture(64, 64).convertToFormat(QImage::Format_RGB888));
  stack.Layers().ExtractAlpha();
  EXPECT_EQ(stack.Layers().L2_Alpha().StoredPicture().format(), QImage::Format_RGB888);
  EXPECT_EQ(stack.Layers().L2_Alpha().PictureSize(), QSize(64, 64));
}

}  // namespace

}  // namespace mosaicor
