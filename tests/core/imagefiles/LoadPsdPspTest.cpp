// Photoshop and Paint Shop Pro files through the picture-file module: picked by extension in any
// case (.PSPIMAGE too), brought to 32 bits with the format they had reported.

#include "core/imagefiles/ImageFileModule.h"

#include "PsdWriter.h"
#include "PspWriter.h"
#include "TestFiles.h"
#include "TestPictures.h"

#include "ImageFileTestFixture.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

class LoadPsdPsp : public ImageFileTest {};

QByteArray Psp(const QImage& picture, bool mask) {
  PspSpec spec;
  spec.width = picture.width(), spec.height = picture.height(), spec.compression = 2;
  PspLayerSpec layer;
  layer.imageRect = layer.savedRect = {0, 0, picture.width(), picture.height()};
  for (int c = 0; c < 3; ++c) layer.channels << PspChannelSpec{0, c + 1, PspPlaneOf(picture, c)};
  if (mask) layer.channels << PspChannelSpec{1, 0, PspPlaneOf(picture, 3)};
  spec.layers << layer;
  return WritePsp(spec);
}

QByteArray Psd(const QImage& picture, bool alpha) {
  PsdSpec spec;
  spec.width = picture.width(), spec.height = picture.height(), spec.compression = 1;
  spec.planes = PsdRgbPlanes(picture, alpha, 8);
  spec.layerCount = alpha ? -1 : 0;
  return WritePsd(spec);
}

TEST_F(LoadPsdPsp, TransparencyBecomesTheAlphaByteAndOpaquePicturesGetNone) {
  const QImage f = MakeFPicture(8, 6);  // bottom-right alpha 128
  struct Case {
    QString name;
    QByteArray bytes;
    PixelFormatCode code;
    int cornerAlpha;
  };
  const Case cases[] = {{"a.pspimage", Psp(f, true), PixelFormatCode::ThirtyTwoBits, 128},
                        {"b.PSP", Psp(f, false), PixelFormatCode::TwentyFourBits, 0},
                        {"c.psd", Psd(f, true), PixelFormatCode::ThirtyTwoBits, 128},
                        {"d.Psd", Psd(f, false), PixelFormatCode::TwentyFourBits, 0}};
  for (const Case& c : cases) {
    QImage image;
    PixelFormatCode format = PixelFormatCode::Device;
    ASSERT_TRUE(module.LoadImageAs32BitsFile(image, Write(c.name, c.bytes), format)) << c.name.toStdString();
    EXPECT_EQ(format, c.code) << c.name.toStdString();
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(image.pixel(7, 5)), c.cornerAlpha) << c.name.toStdString();
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, f.pixel(0, 0) & 0xFFFFFF);
    EXPECT_EQ(image.pixel(7, 0) & 0xFFFFFF, f.pixel(7, 0) & 0xFFFFFF);
  }
  EXPECT_EQ(messages.count, 0);
}

TEST_F(LoadPsdPsp, ADamagedFileShowsTheCompressionMessage) {
  QByteArray bytes = Psp(MakeFPicture(8, 6), false);
  bytes.chop(10);
  QImage image = MakeFPicture(2, 2);
  const QImage before = image;
  PixelFormatCode format;
  EXPECT_FALSE(module.LoadImageAs32BitsFile(image, Write("cut.pspimage", bytes), format));
  EXPECT_EQ(messages.last, "This file has a non supported compression scheme.");
  EXPECT_EQ(image, before);
}

}  // namespace

}  // namespace mosaicor
