#include "CliRunner.h"
#include "TestFiles.h"

#include "PictureWriters.h"
#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace mosaicor {

namespace {


QByteArray Tga16(const QImage& picture) {
  TgaSpec spec;
  spec.pixelDepth = 16, spec.descriptor = 0x20, spec.width = picture.width(), spec.height = picture.height();
  spec.pixels = TgaPixelsOf(picture, 16);
  return WriteTga(spec);
}

class Convert : public testing::Test {
 protected:
  QString Path(const QString& name) const { return dir.filePath(name); }
  QTemporaryDir dir;
};

TEST_F(Convert, WritesTheTextureSetTgaAndReportsTheSourceFormat) {
  const QImage f = MakeFPicture(8, 4);
  BmpSpec bmp;
  bmp.bitCount = 24, bmp.width = 8, bmp.height = 4;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) bmp.pixels << (f.pixel(x, y) & 0xFFFFFF);
  ASSERT_TRUE(WriteBytesToFile(Path("in.bmp"), WriteBmp(bmp)));
  const CliResult result = RunCli({"convert", Path("in.bmp"), "-o", Path("out.TGA"), "--verbose"});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_TRUE(result.err.contains("source pixel format: 24 bits")) << result.err.toStdString();
  const QByteArray out = ReadFileBytes(Path("out.TGA"));
  ASSERT_EQ(out.size(), 18 + 8 * 4 * 3);
  EXPECT_EQ(out.left(18).toHex(), "000002000000000000000000080004001800");
}

TEST_F(Convert, AlphaOutputKeepsBit15AsAlpha) {
  QImage f = MakeFPicture(8, 4);
  f.setPixel(1, 1, qRgba(255, 0, 255, 0));
  ASSERT_TRUE(WriteBytesToFile(Path("in.tga"), Tga16(f)));
  const CliResult result = RunCli({"convert", Path("in.tga"), "-o", Path("out.tga"), "--alpha"});
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
  const QByteArray out = ReadFileBytes(Path("out.tga"));
  ASSERT_EQ(out.size(), 18 + 8 * 4 * 4);
  EXPECT_EQ(out.mid(18 + (8 + 1) * 4, 4).toHex(), "ff00ff00");  // top row first: (1, 1)
  EXPECT_EQ(uchar(out[18 + 3]), 255);
}

TEST_F(Convert, FailuresNameTheirReasonAndOthersGoOn) {
  ASSERT_TRUE(WriteBytesToFile(Path("good.tga"), Tga16(MakeFPicture(4, 4))));
  ASSERT_TRUE(WriteBytesToFile(Path("bad.pcx"), "not a pcx"));
  ASSERT_TRUE(WriteBytesToFile(Path("d.xcf"), "gimp xcf v011"));
  ASSERT_TRUE(WriteBytesToFile(Path("short.tga"), QByteArray::fromHex("00000200")));
  const CliResult result = RunCli({"convert", Path("good.tga"), Path("bad.pcx"), Path("d.xcf"), Path("short.tga"),
                                   Path("absent.bmp"), "-o", dir.path(), "--format", "bmp"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.err.contains(Path("bad.pcx") + ": This file has a non supported compression scheme."));
  EXPECT_TRUE(result.err.contains(Path("d.xcf") + ": .XCF format not supported."));
  EXPECT_TRUE(result.err.contains(Path("short.tga") + ": This file has a non supported compression scheme."));
  EXPECT_TRUE(result.err.contains(Path("absent.bmp") + ": file not found"));
  EXPECT_EQ(ReadFileBytes(Path("good.bmp")).left(2), "BM");
}

// An OUT of no format the companion writes is a command-line error, before the input is read.
TEST_F(Convert, UnknownOutputExtensionIsACommandLineError) {
  ASSERT_TRUE(WriteBytesToFile(Path("in.tga"), Tga16(MakeFPicture(4, 4))));
  const CliResult result = RunCli({"convert", Path("in.tga"), "-o", Path("out.gif")});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_TRUE(result.err.startsWith("mosaicor-cli: -o " + Path("out.gif") + ": .GIF is not a format"))
      << result.err.toStdString();
  EXPECT_FALSE(QFile::exists(Path("out.gif")));
}

TEST_F(Convert, InfoDescribesAPicture) {
  ASSERT_TRUE(WriteBytesToFile(Path("in.tga"), Tga16(MakeFPicture(6, 3))));
  const CliResult result = RunCli({"info", Path("in.tga")});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(result.out.contains("size: 6x3\n"));
  EXPECT_TRUE(result.out.contains("pixel_format: 15 bits\n"));
}

}  // namespace

}  // namespace mosaicor
