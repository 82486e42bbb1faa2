// The PNG decoder reports the depth the file had, whatever Qt hands back; damaged files are refused.

#include "DecodedInto.h"
#include "core/imagedecoding/PngReader.h"

#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QImageWriter>

namespace mosaicor {

namespace {

QByteArray PngOf(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, "png").write(image);
  return bytes;
}

bool Decode(const QByteArray& bytes, DecodedPicture& picture, QString& error) {
  ByteSource source(bytes);
  return DecodedInto(ReadPng(source), picture, error);
}

QImage Indexed(const QImage& f, int colours) {
  QImage image(f.size(), QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < colours; ++i) table << qRgb(i * 7 % 256, 255 - i, i);
  image.setColorTable(table);
  for (int y = 0; y < f.height(); ++y)
    for (int x = 0; x < f.width(); ++x) image.setPixel(x, y, uint(qGreen(f.pixel(x, y)) % colours));
  return image;
}

TEST(PngReader, ReportsTheDepthOfTheFile) {
  const QImage f = MakeFPicture(21, 11);
  struct Case {
    const char* name;
    QImage image;
    int ihdrDepth, ihdrColourType;
    PixelFormatCode code;
  };
  const Case cases[] = {
      {"mono", f.convertToFormat(QImage::Format_Mono), 1, 3, PixelFormatCode::OneBit},
      {"256 colours", Indexed(f, 200), 8, 3, PixelFormatCode::EightBits},
      {"grey", f.convertToFormat(QImage::Format_Grayscale8), 8, 0, PixelFormatCode::EightBits},
      {"grey 16", f.convertToFormat(QImage::Format_Grayscale16), 16, 0, PixelFormatCode::EightBits},
      {"rgb", f.convertToFormat(QImage::Format_RGB32), 8, 2, PixelFormatCode::TwentyFourBits},
      {"rgba", f, 8, 6, PixelFormatCode::ThirtyTwoBits},
      {"rgba 16", f.convertToFormat(QImage::Format_RGBA64), 16, 6, PixelFormatCode::ThirtyTwoBits},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QByteArray bytes = PngOf(c.image);
    ASSERT_EQ(int(uchar(bytes[24])), c.ihdrDepth);  // what Qt wrote, so the case means what it says
    ASSERT_EQ(int(uchar(bytes[25])), c.ihdrColourType);
    DecodedPicture picture;
    QString error;
    ASSERT_TRUE(Decode(bytes, picture, error)) << error.toStdString();
    EXPECT_EQ(picture.format, c.code);
    EXPECT_LE(picture.image.depth(), 32);  // 16-bit samples come down to 8
    const QImage want = c.image.convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(picture.image.convertToFormat(QImage::Format_ARGB32), want);
  }
}

TEST(PngReader, DamagedFilesAreRefusedWithAReason) {
  const QByteArray good = PngOf(MakeFPicture(40, 30));
  QByteArray huge = good;
  huge[16] = huge[20] = char(0x00), huge[17] = huge[21] = char(0x01);  // 65536 x 65536 in a small file
  QByteArray noHeader = good;
  noHeader[12] = 'X';
  const QByteArray damaged[] = {QByteArray(), good.left(8), good.left(40), good.left(good.size() - 20), huge,
                                noHeader};
  for (const QByteArray& bytes : damaged) {
    DecodedPicture picture;
    QString error;
    EXPECT_FALSE(Decode(bytes, picture, error)) << bytes.size();
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(picture.image.isNull());
  }
}

// The PNG library would allocate a chunk's claimed length before finding the file too short: every
// chunk header is checked against what is left first. 41 bytes whose text chunk claims 2 GB.
TEST(PngReader, ChunksLongerThanTheRestOfTheFileAreRefusedBeforeDecoding) {
  const QByteArray good = PngOf(MakeFPicture(4, 3));
  const QByteArray claim = good.left(33) + QByteArray::fromHex("7ffffff0") + "tEXt";
  ASSERT_EQ(claim.size(), 41);
  DecodedPicture picture;
  QString error;
  EXPECT_FALSE(Decode(claim, picture, error));
  EXPECT_EQ(error, "the PNG chunk \"tEXt\" at offset 33 claims 2147483632 bytes, but only 0 are left");
  EXPECT_TRUE(Decode(good, picture, error)) << error.toStdString();
}

}  // namespace

}  // namespace mosaicor
