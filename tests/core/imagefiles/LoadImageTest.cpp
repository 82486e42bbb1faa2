#include "core/imagefiles/ImageFileModule.h"

#include "PictureWriters.h"
#include "TestPictures.h"
#include "TiffWriter.h"

#include "ImageFileTestFixture.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

class LoadImage : public ImageFileTest {};

QByteArray Tga(int depth, const QImage& picture, int descriptor = 0x20) {
  TgaSpec spec;
  spec.imageType = depth == 8 ? 3 : 2, spec.pixelDepth = depth, spec.descriptor = descriptor;
  spec.width = picture.width(), spec.height = picture.height();
  spec.pixels = TgaPixelsOf(picture, depth);
  return WriteTga(spec);
}

TEST_F(LoadImage, UnknownExtensionsNameThemselvesInUpperCase) {
  const QByteArray tga = Tga(24, MakeFPicture(4, 4));
  for (const QString name : {"a.jpe", "a.tiffany", "a.xcf", "a.Webp", "noextension"}) {
    QImage image = MakeFPicture(2, 2);
    const QImage before = image;
    EXPECT_FALSE(module.LoadImageFile(image, Write(name, tga)));
    EXPECT_EQ(image, before);
    const QString extension = name.contains('.') ? '.' + name.section('.', -1).toUpper() : QString();
    EXPECT_EQ(messages.last, extension + " format not supported.");
  }
}

// The names most programs write today: .tiff and .jpeg load as .tif and .jpg do, in any case.
TEST_F(LoadImage, TiffAndJpegNamesLoadLikeTifAndJpg) {
  TiffSpec tiff;
  tiff.width = 4, tiff.height = 2, tiff.photometric = 2, tiff.samplesPerPixel = 3;
  for (int i = 0; i < 8; ++i) tiff.pixels += QByteArray::fromHex("10c8f0");
  const QByteArray tiffBytes = WriteTiff(tiff);
  for (const QString name : {"a.tif", "b.tiff", "c.TIFF", "d.Tiff"}) {
    QImage image;
    PixelFormatCode format = PixelFormatCode::Device;
    ASSERT_TRUE(module.LoadImageAs32BitsFile(image, Write(name, tiffBytes), format)) << name.toStdString();
    EXPECT_EQ(format, PixelFormatCode::TwentyFourBits);
    EXPECT_EQ(image.pixel(3, 1), qRgba(0x10, 0xC8, 0xF0, 0));
  }
  ASSERT_TRUE(module.SaveImageAs24BitsFile(MakeFPicture(16, 16), 16, 16, dir.filePath("f.jpg")));
  QFile jpg(dir.filePath("f.jpg"));
  ASSERT_TRUE(jpg.open(QIODevice::ReadOnly));
  const QByteArray jpgBytes = jpg.readAll();
  QImage reference;
  PixelFormatCode format = PixelFormatCode::Device;
  ASSERT_TRUE(module.LoadImageAs32BitsFile(reference, dir.filePath("f.jpg"), format));
  for (const QString name : {"b.jpeg", "c.JPEG", "d.Jpeg"}) {
    QImage image;
    ASSERT_TRUE(module.LoadImageAs32BitsFile(image, Write(name, jpgBytes), format)) << name.toStdString();
    EXPECT_EQ(image, reference);
  }
  EXPECT_EQ(messages.count, 0);
}

TEST_F(LoadImage, ExtensionsIgnoreCase) {
  for (const QString name : {"a.tga", "b.TGA", "c.TgA"}) {
    QImage image;
    EXPECT_TRUE(module.LoadImageFile(image, Write(name, Tga(24, MakeFPicture(4, 4)))));
    EXPECT_EQ(image.size(), QSize(4, 4));
  }
  EXPECT_EQ(messages.count, 0);
}

TEST_F(LoadImage, UnreadableFilesShowTheCompressionMessageAndKeepThePicture) {
  for (const QString name :
       {"broken.tga", "broken.psd", "broken.pcx", "broken.tif", "broken.psp", "broken.bmp", "broken.jpg"}) {
    QImage image = MakeFPicture(2, 2);
    const QImage before = image;
    PixelFormatCode format = PixelFormatCode::ThirtyTwoBits;
    EXPECT_FALSE(module.LoadImageAs32BitsFile(image, Write(name, "not a picture at all"), format))
        << name.toStdString();
    EXPECT_EQ(messages.last, "This file has a non supported compression scheme.");
    EXPECT_EQ(format, PixelFormatCode::Device);
    EXPECT_EQ(image, before);
  }
}

TEST_F(LoadImage, MissingFileIsReportedAsNotFound) {
  QImage image;
  EXPECT_FALSE(module.LoadImageFile(image, dir.filePath("absent.tga")));
  EXPECT_EQ(messages.last, "file not found");
}

TEST_F(LoadImage, ThirtyTwoBitTgaReportsSevenAndKeepsItsAlpha) {
  const QImage f = MakeFPicture(8, 8);  // bottom-right alpha 128
  QImage image;
  PixelFormatCode format;
  ASSERT_TRUE(module.LoadImageAs32BitsFile(image, Write("a.tga", Tga(32, f, 0x28)), format));
  EXPECT_EQ(format, PixelFormatCode::ThirtyTwoBits);
  EXPECT_EQ(image.format(), QImage::Format_ARGB32);
  EXPECT_EQ(image, f);
}

TEST_F(LoadImage, FifteenBitAlphaComesFromBit15AndOtherFormatsGetAlphaZero) {
  QImage f = MakeFPicture(8, 8);
  f.setPixel(0, 0, qRgba(255, 0, 255, 0));  // a transparent magenta pixel: bit 15 clear
  struct Case {
    int depth;
    PixelFormatCode code;
  };
  for (const Case c : {Case{16, PixelFormatCode::FifteenBits}, Case{24, PixelFormatCode::TwentyFourBits},
                       Case{8, PixelFormatCode::EightBits}}) {
    QImage image;
    PixelFormatCode format;
    ASSERT_TRUE(module.LoadImageAs32BitsFile(image, Write("a.tga", Tga(c.depth, f)), format));
    EXPECT_EQ(format, c.code);
    ASSERT_EQ(image.format(), QImage::Format_ARGB32);
    if (c.depth == 16) {
      EXPECT_EQ(image.pixel(0, 0), qRgba(255, 0, 255, 0));
      EXPECT_EQ(image.pixel(0, 7),
                qRgba(200 >> 3 << 3 | 200 >> 5, 100 >> 3 << 3 | 100 >> 5, 50 >> 3 << 3 | 50 >> 5, 255));
    } else {
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(qAlpha(image.pixel(x, y)), 0);
      const int grey = qGreen(f.pixel(0, 7));
      EXPECT_EQ(image.pixel(0, 7), c.depth == 24 ? (f.pixel(0, 7) & 0xFFFFFF) : qRgba(grey, grey, grey, 0));
    }
  }
}

TEST_F(LoadImage, LoadImageFileKeepsTheDecodedFormat) {
  QImage image;
  PixelFormatCode format;
  ASSERT_TRUE(module.LoadImageFile(image, Write("a.tga", Tga(16, MakeFPicture(4, 4))), &format));
  EXPECT_EQ(image.format(), QImage::Format_RGB555);
  EXPECT_EQ(format, PixelFormatCode::FifteenBits);
}

}  // namespace

}  // namespace mosaicor
