// The companion writes PNG texture sets by extension and by --format png.

#include "CliRunner.h"

#include "PcxWriter.h"
#include "TestFiles.h"
#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

QByteArray Pcx24(const QImage& f) {
  PcxSpec spec;
  spec.planes = 3, spec.width = f.width(), spec.height = f.height();
  spec.planeRows = PcxRowsOf(f, 8, 3, PcxLineBytes(f.width(), 8));
  return WritePcx(spec);
}

TEST(PngOutput, ConvertWritesPngByExtensionAndByFormat) {
  QTemporaryDir dir;
  const QImage f = MakeFPicture(16, 8);
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("a.pcx"), Pcx24(f)));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("b.pcx"), Pcx24(f)));

  CliResult result = RunCli({"convert", dir.filePath("a.pcx"), "-o", dir.filePath("a.PNG"), "--verbose"});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_TRUE(result.err.contains("source pixel format: 24 bits")) << result.err.toStdString();
  const QImage written(dir.filePath("a.PNG"), "png");
  ASSERT_EQ(written.size(), f.size());
  EXPECT_EQ(written.pixel(0, 0), f.pixel(0, 0) | 0xFF000000u);

  ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
  result = RunCli({"convert", dir.filePath("a.pcx"), dir.filePath("b.pcx"), "-o", dir.filePath("out"), "--format",
                   "PNG"});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_FALSE(QImage(dir.filePath("out/a.png"), "png").isNull());
  EXPECT_FALSE(QImage(dir.filePath("out/b.png"), "png").isNull());

  result = RunCli({"convert", dir.filePath("a.pcx"), "-o", dir.filePath("x.gif"), "--format", "gif"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_TRUE(result.err.contains("tga, bmp, jpg, jpeg or png")) << result.err.toStdString();
}

}  // namespace

}  // namespace mosaicor
