// The JPEG decoder's own memory is bounded: a progressive header of a few kilobytes cannot make
// libjpeg keep the coefficients of a huge picture, while ordinary progressive files still load.

#include "DecodedInto.h"
#include "core/imagedecoding/JpegReader.h"

#include "HostileJpeg.h"

#include <gtest/gtest.h>

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

}  // namespace

}  // namespace mosaicor
