#include "CliRunner.h"
#include "OtherNames.h"

#include "PictureWriters.h"
#include "TestFiles.h"

#include "core/imagefiles/ImageFileModule.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QFile>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

QImage Flat(int width, int height, QRgb colour) {
  QImage picture(width, height, QImage::Format_ARGB32);
  picture.fill(colour);
  return picture;
}

QImage Load(const QString& path) {
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  EXPECT_TRUE(ImageFileModule().LoadImageAs32BitsFile(picture, path, format).Ok()) << path.toStdString();
  return picture;
}

class Pack : public testing::Test {
 protected:
  QString Path(const QString& name) const { return dir.filePath(name); }
  QString Write(const QString& name, const QImage& picture) const {
    EXPECT_TRUE(WriteBytesToFile(Path(name), WriteTga24(picture)));
    return Path(name);
  }
  QTemporaryDir dir;
};

TEST_F(Pack, PlacesEachPictureInTheNextFreeCellsAndNamesTheOneThatFails) {
  const QString red = Write("red.tga", Flat(300, 300, 0xFFFF0000u));
  const QString wide = Write("wide.tga", Flat(130, 40, 0xFF00FF00u));
  ASSERT_TRUE(WriteBytesToFile(Path("broken.tga"), "not a picture"));
  const CliResult result =
      RunCli({"pack", red, Path("broken.tga"), wide, red, "-o", Path("set.tga"), "--size", "auto", "--width", "512"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.err.startsWith(Path("broken.tga") + ": ")) << result.err.toStdString();
  EXPECT_EQ(result.err.count('\n'), 1);
  const QImage set = Load(Path("set.tga"));  // a 24-bit file: its alpha says nothing
  ASSERT_EQ(set.size(), QSize(512, 768));    // the second 320 x 320 starts on row 5 and ends in page 3
  EXPECT_EQ(set.pixel(10, 10) & 0xFFFFFFu, 0xFF0000u);
  EXPECT_EQ(set.pixel(319, 319) & 0xFFFFFFu, 0xFF0000u);
  EXPECT_EQ(set.pixel(320, 0) & 0xFFFFFFu, 0x00FF00u);  // Auto Size: 128 x 64, beside the first
  EXPECT_EQ(set.pixel(0, 320) & 0xFFFFFFu, 0xFF0000u);
  EXPECT_EQ(set.pixel(400, 100) & 0xFFFFFFu, 0x000000u);  // black where nothing went
}

TEST_F(Pack, IntoASetFillsItsFreeCellsAndTheCensusCountsThem) {
  QImage start = Flat(256, 256, 0xFF000000u);
  start.setPixel(0, 0, 0xFFFFFFFFu);
  const QString set = Write("set.tga", start);
  const QString blue = Write("blue.tga", Flat(64, 64, 0xFF0000FFu));
  const CliResult packed = RunCli({"pack", blue, blue, "-o", set, "--into", set});
  ASSERT_EQ(packed.exitCode, 0) << packed.err.toStdString();
  const CliResult info = RunCli({"info", "--census", set});
  ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
  EXPECT_TRUE(info.out.contains("cells: 16\nused: 3\nunique: 2\nempty: 13\ngroup: 1 2\n")) << info.out.toStdString();
}

TEST_F(Pack, NeverWritesOverAnInputNorDropsPartOfTheSetItFills) {
  const QString tile = Write("tile.tga", Flat(128, 128, 0xFF00FF00u));
  const QString photo = Write("photo.tga", Flat(64, 64, 0xFF0000FFu));
  const QByteArray before = ReadFileBytes(tile);
  const QStringList otherNames = OtherNamesOf(tile);
  ASSERT_FALSE(otherNames.isEmpty());
  for (const QString& out : QStringList{tile} + otherNames) {
    const CliResult result = RunCli({"pack", photo, tile, "-o", out});
    EXPECT_EQ(result.exitCode, 1) << out.toStdString();
    EXPECT_TRUE(result.err.contains(tile + ": the output would overwrite this input")) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("nothing was written")) << result.err.toStdString();
  }
  EXPECT_EQ(ReadFileBytes(tile), before);

  // Taller than 64 pages: refused, naming the loss, and the output is not made.
  const QString tall = Write("tall.tga", Flat(512, 16640, 0xFF0000FFu));
  const CliResult refused = RunCli({"pack", photo, "-o", Path("out.tga"), "--into", tall});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(refused.err.contains("512 x 16640")) << refused.err.toStdString();
  EXPECT_FALSE(QFile::exists(Path("out.tga")));
  // Another shape grows to whole pages, with a note, keeping every pixel.
  const QString odd = Write("odd.tga", Flat(300, 200, 0xFFFFFFFFu));
  const CliResult grown = RunCli({"pack", photo, "-o", Path("out.tga"), "--into", odd});
  EXPECT_EQ(grown.exitCode, 0) << grown.err.toStdString();
  EXPECT_TRUE(grown.err.contains("grown to the 512 x 256 set")) << grown.err.toStdString();
  const QImage set = Load(Path("out.tga"));
  EXPECT_EQ(set.pixel(299, 199) & 0xFFFFFFu, 0xFFFFFFu);
  EXPECT_EQ(set.pixel(320, 0) & 0xFFFFFFu, 0x0000FFu);  // the first free cell right of the picture
}

TEST_F(Pack, APhotoWiderThanTheSetShrinksToFitIt) {
  const QString photo = Write("photo.tga", Flat(640, 480, 0xFFFF0000u));
  for (const char* size : {"auto", "multi"}) {
    const CliResult result = RunCli({"pack", photo, "-o", Path("set.tga"), "--size", size});
    ASSERT_EQ(result.exitCode, 0) << size << result.err.toStdString();
    const QImage set = Load(Path("set.tga"));
    EXPECT_EQ(set.size(), QSize(256, 256));
    EXPECT_EQ(set.pixel(255, 191) & 0xFFFFFFu, 0xFF0000u) << size;  // 256 x 192 (Auto Size on whole cells)
    EXPECT_EQ(set.pixel(0, 204) & 0xFFFFFFu, 0u) << size;
  }
}

TEST_F(Pack, CommandLineErrorsComeFirst) {
  const QString blue = Write("blue.tga", Flat(64, 64, 0xFF0000FFu));
  for (const QStringList& args :
       {QStringList{"pack", blue, "-o", Path("a.tga"), "--size", "96"},
        QStringList{"pack", blue, "-o", Path("a.tga"), "--width", "300"},
        QStringList{"pack", blue, "-o", Path("a.xyz")}, QStringList{"info", blue, "--census", "--brief"}})
    EXPECT_EQ(RunCli(args).exitCode, 2) << args.join(' ').toStdString();
}

}  // namespace

}  // namespace mosaicor
