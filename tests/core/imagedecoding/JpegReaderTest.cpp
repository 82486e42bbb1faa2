// The JPEG decoder's own memory is bounded: a progressive header of a few kilobytes cannot make
// libjpeg keep the coefficients of a huge picture, while ordinary progressive files still load.

#include "DecodedInto.h"
#include "core/imagedecoding/JpegReader.h"

#include "HostileJpeg.h"
#include "TestFiles.h"
#include "core/imagefiles/JpegWriter.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

bool Decode(const QByteArray& bytes, DecodedPicture& picture, QString& error) {
  ByteSource source(bytes);
  return DecodedInto(ReadJpeg(source), picture, error);
}

TEST(JpegReader, ProgressiveHeadersAskingForMoreWorkingMemoryThanAllowedAreRefused) {
  // 16384 x 8192 at full chroma resolution: 768 MiB of coefficients beside a 512 MiB picture.
  const QByteArray hostile = ProgressiveJpegClaiming(16384, 8192, false, 64 * 1024);
  if (hostile.isEmpty()) GTEST_SKIP() << "Qt cannot write JPEG files here";
  DecodedPicture picture;
  QString error;
  EXPECT_FALSE(Decode(hostile, picture, error));
  EXPECT_EQ(error, "the picture is too large to decode progressively (16384 x 8192 pixels)");
  EXPECT_TRUE(picture.image.isNull());
}

TEST(JpegReader, ProgressivePicturesWithinTheBoundStillLoad) {
  const QByteArray claimed = ProgressiveJpegClaiming(2048, 1024, true, 0);
  if (claimed.isEmpty()) GTEST_SKIP() << "Qt cannot write JPEG files here";
  DecodedPicture picture;
  QString error;
  ASSERT_TRUE(Decode(claimed, picture, error)) << error.toStdString();
  EXPECT_EQ(picture.image.size(), QSize(2048, 1024));
  EXPECT_EQ(picture.format, PixelFormatCode::TwentyFourBits);
}

TEST(JpegReader, AFileCutShortIsRefusedRatherThanPaddedWithGrey) {
  QTemporaryDir dir;
  QImage photo(256, 256, QImage::Format_RGB32);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) photo.setPixel(x, y, qRgb(x, y, (x * y) & 255));
  ASSERT_TRUE(SaveJpegFile(photo, dir.filePath("photo.jpg")).Ok());
  const QByteArray whole = ReadFileBytes(dir.filePath("photo.jpg"));
  DecodedPicture picture;
  QString error;
  ASSERT_TRUE(Decode(whole, picture, error)) << error.toStdString();
  EXPECT_FALSE(Decode(whole.left(whole.size() / 2), picture, error));
  EXPECT_EQ(error, "the file is cut short: it ends before the picture's last rows");
}

}  // namespace

}  // namespace mosaicor
