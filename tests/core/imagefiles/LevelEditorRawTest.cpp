// The level editors' sky (.raw) and font (.pc) files: read by extension and exact size, written
// back byte for byte, anything of another size refused with both sizes.

#include "ImageFileTestFixture.h"
#include "core/imagefiles/ImageFileModule.h"

#include <QFile>

namespace mosaicor {

namespace {

QByteArray Pattern(qsizetype size) {
  QByteArray bytes(size, Qt::Uninitialized);
  for (qsizetype i = 0; i < size; ++i) bytes[i] = char((i * 7 + i / 256 * 13) & 0xFF);
  return bytes;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using LevelEditorRaw = ImageFileTest;

TEST_F(LevelEditorRaw, RoundTripsByteForByte) {
  struct Case {
    const char* name;
    qsizetype size;
    PixelFormatCode format;
    QRgb firstPixel;  // from the pattern's first bytes 00 07 0E 15
  };
  const Case cases[] = {
      {"pcsky.raw", 256 * 256 * 3, PixelFormatCode::TwentyFourBits, qRgba(0x00, 0x07, 0x0E, 0)},  // red, green, blue
      {"font.pc", 256 * 256 * 4, PixelFormatCode::ThirtyTwoBits, qRgba(0x0E, 0x07, 0x00, 0x15)},  // blue, green, red, alpha
  };
  const ImageFileModule files;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QByteArray bytes = Pattern(c.size);
    const QString path = Write(c.name, bytes);
    QImage picture;
    PixelFormatCode format = PixelFormatCode::Device;
    ASSERT_TRUE(files.LoadImageAs32BitsFile(picture, path, format));
    EXPECT_EQ(format, c.format);
    EXPECT_EQ(picture.size(), QSize(256, 256));
    EXPECT_EQ(picture.pixel(0, 0), c.firstPixel);
    const QString copy = dir.filePath(QStringLiteral("copy_") + c.name);
    ASSERT_TRUE(files.SaveImageFile(picture, copy));
    EXPECT_EQ(ReadAll(copy), bytes);
  }
}

TEST_F(LevelEditorRaw, OtherSizesAreRefusedWithTheSizes) {
  const ImageFileModule files;
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  const PictureOutcome sky = files.LoadImageAs32BitsFile(picture, Write("short.raw", Pattern(196607)), format);
  EXPECT_EQ(sky.Text(), "a sky (.RAW) is 256 x 256 pixels of 24 bits, 196608 bytes; this file has 196607 bytes");
  const PictureOutcome font = files.LoadImageAs32BitsFile(picture, Write("long.pc", Pattern(262145)), format);
  EXPECT_EQ(font.Text(), "a font (.PC) is 256 x 256 pixels of 32 bits, 262144 bytes; this file has 262145 bytes");
  EXPECT_TRUE(picture.isNull());

  const QString written = dir.filePath("small.pc");
  const PictureOutcome saved = files.SaveImageFile(QImage(64, 64, QImage::Format_ARGB32), written);
  EXPECT_EQ(saved.Text(), "A font (.PC) file holds a picture of 256 x 256 pixels; this one is 64 x 64.");
  EXPECT_FALSE(QFile::exists(written));
}

TEST_F(LevelEditorRaw, AFontWithoutAlphaIsWrittenOpaqueButForMagenta) {
  QImage picture(256, 256, QImage::Format_ARGB32);
  picture.fill(qRgba(10, 20, 30, 0));  // a picture loaded without alpha
  picture.setPixel(1, 0, qRgba(255, 0, 255, 0));
  const QString path = dir.filePath("font.pc");
  ASSERT_TRUE(ImageFileModule().SaveImageFile(picture, path));
  const QByteArray bytes = ReadAll(path);
  EXPECT_EQ(bytes.left(8), QByteArray("\x1E\x14\x0A\xFF\xFF\x00\xFF\x00", 8));
}

}  // namespace

}  // namespace mosaicor
