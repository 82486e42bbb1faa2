// Texture sets saved as PNG: 24-bit colour, the shown part only, alpha dropped; loaded back as 24 bits.

#include "RecordedFiles.h"
#include "core/imagefiles/ImageFileModule.h"

#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

TEST(PngSave, TextureSetIsA24BitPngOfTheShownPart) {
  QTemporaryDir dir;
  RecordedFailures messages;
  RecordingFileModule module(messages);
  QImage picture = MakeCoordinatePicture(512, 1024);
  picture.setPixel(0, 0, qRgba(255, 0, 255, 7));
  const QString path = dir.filePath("set.Png");
  ASSERT_TRUE(module.SaveImageAs24BitsFile(picture, 256, 512, path)) << messages.last.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_EQ(int(uchar(bytes[24])), 8);  // bit depth
  EXPECT_EQ(int(uchar(bytes[25])), 2);  // colour type: RGB, no alpha

  QImage loaded;
  PixelFormatCode format = PixelFormatCode::Device;
  ASSERT_TRUE(module.LoadImageAs32BitsFile(loaded, path, format));
  EXPECT_EQ(format, PixelFormatCode::TwentyFourBits);
  ASSERT_EQ(loaded.size(), QSize(256, 512));
  EXPECT_EQ(loaded.pixel(0, 0), qRgba(255, 0, 255, 0));  // alpha 0, as every 24-bit picture loads
  for (int y = 1; y < 512; y += 37)
    for (int x = 0; x < 256; x += 29) ASSERT_EQ(loaded.pixel(x, y), picture.pixel(x, y) & 0x00FFFFFFu);
  EXPECT_EQ(messages.count, 0);
}

TEST(PngSave, AFailedWriteKeepsTheOldFile) {
  RecordedFailures messages;
  RecordingFileModule module(messages);
  EXPECT_FALSE(module.SaveImageFile(MakeFPicture(8, 8), "/nonexistent-folder/x.png"));
  EXPECT_EQ(messages.count, 1);
  EXPECT_TRUE(messages.last.startsWith("Cannot write")) << messages.last.toStdString();
}

}  // namespace

}  // namespace mosaicor
