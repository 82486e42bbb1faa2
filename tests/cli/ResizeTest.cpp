#include "CliRunner.h"

#include "PictureWriters.h"
#include "TestPictures.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/resampling/TileResampler.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

class Resize : public testing::Test {
 protected:
  QString Path(const QString& name) const { return dir.filePath(name); }

  // Writes the picture as a 32-bit top-first TGA, the working format's own file.
  QString WriteInput(const QImage& picture, const QString& name) {
    TgaSpec spec;
    spec.pixelDepth = 32, spec.descriptor = 0x28, spec.width = picture.width(), spec.height = picture.height();
    spec.pixels = TgaPixelsOf(picture, 32);
    EXPECT_TRUE(WriteBytesToFile(Path(name), WriteTga(spec)));
    return Path(name);
  }

  QImage ReadOutput(const QString& name) {
    const ImageFileModule files;
    QImage picture;
    const PictureOutcome loaded = files.LoadImageFile(picture, Path(name));
    EXPECT_TRUE(loaded.Ok()) << loaded.Text().toStdString();
    return picture.convertToFormat(QImage::Format_RGB888);
  }

  QTemporaryDir dir;
};

TEST_F(Resize, WritesWhatTheTileResamplerMakes) {
  const QImage f = MakeFPicture(64, 64);
  const CliResult result = RunCli({"resize", WriteInput(f, "f.tga"), "-o", Path("out.tga"), "--size", "48x20"});
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
  const QImage expected = ResizeTile(48, 20, f).convertToFormat(QImage::Format_RGB888);
  EXPECT_EQ(ReadOutput("out.tga"), expected);
}

TEST_F(Resize, ScrollTileRepeatsItsTopHalf) {
  const CliResult result = RunCli({"resize", WriteInput(MakeFPicture(128, 128), "f.tga"), "-o", Path("out.bmp"),
                                   "--scroll-tile"});
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
  const QImage out = ReadOutput("out.bmp");
  ASSERT_EQ(out.size(), QSize(64, 64));
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x) ASSERT_EQ(out.pixel(x, y), out.pixel(x, y + 32)) << x << "," << y;
  EXPECT_NE(out.pixel(0, 0), out.pixel(63, 31));  // the F is still there, not a flat tile
}

TEST_F(Resize, UnreadableInputFailsWithOneLine) {
  ASSERT_TRUE(WriteBytesToFile(Path("bad.tga"), QByteArray::fromHex("0000020000")));
  const CliResult result = RunCli({"resize", Path("bad.tga"), "-o", Path("out.tga"), "--size", "64x64"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(
      result.err,
      Path("bad.tga") + ": This file has a non supported compression scheme. (the file ends inside the TGA header)\n");
}

}  // namespace

}  // namespace mosaicor
