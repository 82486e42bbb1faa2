#include "RecordedFiles.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/imagefiles/TgaWriter.h"

#include "TestPictures.h"

#include <gtest/gtest.h>
#if !defined(_WIN32)
#include <unistd.h>
#endif
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

class SaveImage : public testing::Test {
 protected:
  QByteArray Read(const QString& name) {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QTemporaryDir dir;
  RecordedFailures messages;
  RecordingFileModule module{messages};
};

TEST_F(SaveImage, TextureSetTgaIsByteExact) {
  QImage picture = MakeCoordinatePicture(256, 512);
  picture.setPixel(0, 511, qRgba(255, 0, 255, 7));  // bottom-left: magenta, alpha dropped
  ASSERT_TRUE(module.SaveImageAs24BitsFile(picture, 256, 512, dir.filePath("set.tga")));
  const QByteArray bytes = Read("set.tga");
  ASSERT_EQ(bytes.size(), 393234);
  EXPECT_EQ(bytes.left(18).toHex(), "000002000000000000000000000100021800");
  EXPECT_EQ(bytes.mid(18, 3).toHex(), "ff00ff");
  // Every row, bottom row first, blue green red.
  for (int row = 0; row < 512; row += 37)
    for (int x = 0; x < 256; x += 51) {
      const QRgb c = picture.pixel(x, 511 - row);
      const qsizetype at = 18 + (qsizetype(row) * 256 + x) * 3;
      ASSERT_EQ(uchar(bytes[at]), qBlue(c));
      ASSERT_EQ(uchar(bytes[at + 1]), qGreen(c));
      ASSERT_EQ(uchar(bytes[at + 2]), qRed(c));
    }
}

// Every byte, against a pixel-by-pixel reference, for pictures written in several pieces with a
// short last one, odd widths (the packing's tail), and a format that is converted first.
TEST(TgaEncoding, EveryByteOfManyPiecesMatchesAPlainReference) {
  const struct { int width, height; } sizes[] = {{1000, 200}, {5, 40000}, {7, 3}, {1, 1}, {16, 2}, {35, 3}};
  for (const auto& size : sizes) {
    QImage argb(size.width, size.height, QImage::Format_ARGB32);
    for (int y = 0; y < size.height; ++y)
      for (int x = 0; x < size.width; ++x) argb.setPixel(x, y, qRgba(x * 7 + y, y * 13 + x, (x ^ y) * 3, x + y));
    for (const QImage& picture : {argb, argb.convertToFormat(QImage::Format_RGB888)}) {
      SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height) + " format " +
                   std::to_string(int(picture.format())));
      QByteArray expected(18, '\0');
      expected[2] = 2;
      expected[12] = char(size.width & 0xFF), expected[13] = char(size.width >> 8);
      expected[14] = char(size.height & 0xFF), expected[15] = char(size.height >> 8);
      expected[16] = 24;
      for (int y = size.height - 1; y >= 0; --y)
        for (int x = 0; x < size.width; ++x) {
          const QRgb c = argb.pixel(x, y);
          expected.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
        }
      const Result<QByteArray> encoded = EncodeUncompTGA24bits(picture);
      EXPECT_TRUE(encoded.Ok() && encoded.Value() == expected);
    }
  }
}

TEST_F(SaveImage, OnlyTheShownPartIsSaved) {
  const QImage picture = MakeCoordinatePicture(512, 1024);
  ASSERT_TRUE(module.SaveImageAs24BitsFile(picture, 256, 512, dir.filePath("cut.TGA")));
  const QByteArray bytes = Read("cut.TGA");
  ASSERT_EQ(bytes.size(), 18 + 256 * 512 * 3);
  // The last pixel written is the top-right one of the shown part: (255, 0).
  EXPECT_EQ(bytes.right(3).toHex(),
            QByteArray::fromRawData("\xff\x00\xff", 3).toHex());  // blue 255^0, green 0, red 255
  // A larger control than the picture keeps the picture's size.
  ASSERT_TRUE(module.SaveImageAs24BitsFile(picture, 4096, 4096, dir.filePath("whole.bmp")));
  EXPECT_EQ(Read("whole.bmp").size(), 54 + 512 * 3 * 1024);
}

TEST_F(SaveImage, BmpIs24BitsBottomUpWithPaddedRows) {
  QImage picture = MakeFPicture(3, 2);
  picture.setPixel(0, 1, qRgba(255, 0, 255, 0));
  ASSERT_TRUE(module.SaveImageAs24BitsFile(picture, 256, 256, dir.filePath("a.bmp")));
  const QByteArray bytes = Read("a.bmp");
  ASSERT_EQ(bytes.size(), 54 + 12 * 2);
  EXPECT_EQ(bytes.left(2), "BM");
  EXPECT_EQ(uchar(bytes[10]), 54);
  EXPECT_EQ(uchar(bytes[14]), 40);
  EXPECT_EQ(uchar(bytes[28]), 24);
  EXPECT_EQ(bytes.mid(54, 3).toHex(), "ff00ff");         // bottom-left first
  EXPECT_EQ(bytes.mid(54 + 9, 3), QByteArray(3, '\0'));  // padding
}

TEST_F(SaveImage, JpegReadsBackCloseToThePicture) {
  const QImage picture = MakeFPicture(64, 64);
  ASSERT_TRUE(module.SaveImageAs24BitsFile(picture, 64, 64, dir.filePath("a.jpg")));
  QImage back;
  PixelFormatCode format;
  ASSERT_TRUE(module.LoadImageAs32BitsFile(back, dir.filePath("a.jpg"), format));
  EXPECT_EQ(format, PixelFormatCode::TwentyFourBits);
  const QByteArray bytes = Read("a.jpg");
  EXPECT_TRUE(bytes.startsWith("\xff\xd8"));
  EXPECT_TRUE(bytes.contains("\xff\xc0"));  // baseline frame
  EXPECT_FALSE(bytes.contains("\xff\xc2"));
  EXPECT_LE(std::abs(qRed(back.pixel(2, 40)) - 200), 8);
  EXPECT_LE(std::abs(qBlue(back.pixel(60, 60)) - 30), 8);
}

// .jpeg is written as .jpg is, and reads back as the same picture.
TEST_F(SaveImage, JpegNameWritesTheSameFileAsJpg) {
  const QImage picture = MakeFPicture(32, 16);
  ASSERT_TRUE(module.SaveImageAs24BitsFile(picture, 32, 16, dir.filePath("a.jpg")));
  for (const char* name : {"b.jpeg", "c.JPEG"}) {
    ASSERT_TRUE(module.SaveImageAs24BitsFile(picture, 32, 16, dir.filePath(name))) << name;
    EXPECT_EQ(Read(name), Read("a.jpg")) << name;
    QImage back, reference;
    PixelFormatCode format;
    ASSERT_TRUE(module.LoadImageAs32BitsFile(back, dir.filePath(name), format));
    ASSERT_TRUE(module.LoadImageAs32BitsFile(reference, dir.filePath("a.jpg"), format));
    EXPECT_EQ(back, reference);
  }
}

TEST_F(SaveImage, UnknownExtensionsWriteNothing) {
  for (const char* name : {"a.jpe", "a.gif", "a"}) {
    EXPECT_FALSE(module.SaveImageAs24BitsFile(MakeFPicture(4, 4), 4, 4, dir.filePath(name)));
    EXPECT_FALSE(QFile::exists(dir.filePath(name)));
  }
  EXPECT_EQ(messages.last, " format not supported.");
  module.SaveImageFile(MakeFPicture(4, 4), dir.filePath("a.jpe"));
  EXPECT_EQ(messages.last, ".JPE format not supported.");
}

TEST_F(SaveImage, TooTallForTgaIsRefusedAndPointsToBmp) {
  const QImage tall(256, 65536, QImage::Format_ARGB32);
  EXPECT_FALSE(module.SaveImageAs24BitsFile(tall, 256, 65536, dir.filePath("tall.tga")));
  EXPECT_TRUE(messages.last.contains("BMP"));
  EXPECT_FALSE(QFile::exists(dir.filePath("tall.tga")));
}

TEST_F(SaveImage, WriteIntoAFolderNameFails) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.tga"));
  EXPECT_FALSE(module.SaveImageAs24BitsFile(MakeFPicture(4, 4), 4, 4, dir.filePath("folder.tga")));
  EXPECT_TRUE(messages.last.startsWith("Cannot write")) << messages.last.toStdString();
}

TEST_F(SaveImage, FailedWriteIsReportedAndKeepsTheOldFile) {
#if defined(_WIN32)
  GTEST_SKIP() << "a read-only folder attribute does not stop new files on Windows";
#else
  if (geteuid() == 0) GTEST_SKIP() << "folder permissions do not stop root";
#endif
  const QString path = dir.filePath("keep.tga");
  ASSERT_TRUE(module.SaveImageAs24BitsFile(MakeFPicture(4, 4), 4, 4, path));
  const QByteArray before = Read("keep.tga");
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);  // no new files in the folder
  EXPECT_FALSE(module.SaveImageAs24BitsFile(MakeFPicture(8, 8), 8, 8, path));
  EXPECT_TRUE(messages.last.startsWith("Cannot write"));
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(Read("keep.tga"), before);
}

TEST_F(SaveImage, AlphaTgaKeepsTheWorkingPicture) {
  const QImage f = MakeFPicture(5, 3);
  ASSERT_TRUE(SaveAsUncompTGA32bits(f, dir.filePath("alpha.tga")).Ok());
  QImage back;
  PixelFormatCode format;
  ASSERT_TRUE(module.LoadImageAs32BitsFile(back, dir.filePath("alpha.tga"), format));
  EXPECT_EQ(back, f);
  EXPECT_EQ(Read("alpha.tga").mid(16, 2).toHex(), "2028");
}

}  // namespace

}  // namespace mosaicor
