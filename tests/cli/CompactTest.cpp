#include "CliRunner.h"

#include "PictureWriters.h"
#include "TestFiles.h"
#include "TestPictures.h"

#include "core/canvas/TileTransforms.h"
#include "core/imagefiles/ImageFileModule.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

class Compact : public testing::Test {
 protected:
  QString Path(const QString& name) const { return dir.filePath(name); }
  // Two pages: an F at cell 0, its quarter turn at 5, its mirror at 17, a flat cell at 18 and its
  // copy at 30 (a 24-bit file keeps no alpha, so the F's one half-clear pixel does not matter).
  QString WriteSet() const {
    const QImage f = MakeFPicture(64, 64);
    QImage flat(64, 64, QImage::Format_ARGB32);
    flat.fill(0xFF336699u);
    QImage set(256, 512, QImage::Format_ARGB32);
    set.fill(0xFF000000u);
    QPainter painter(&set);
    const auto put = [&](int cell, const QImage& tile) { painter.drawImage(cell % 4 * 64, cell / 4 * 64, tile); };
    put(0, f), put(5, RotatedTile(f)), put(17, HFlippedTile(f)), put(18, flat), put(30, flat);
    painter.end();
    EXPECT_TRUE(WriteBytesToFile(Path("set.tga"), WriteTga24(set)));
    return Path("set.tga");
  }
  QTemporaryDir dir;
};

TEST_F(Compact, KeepsTheFirstOfEachGroupAtTheFrontAndMapsEveryUsedCell) {
  const QString set = WriteSet();
  const CliResult info = RunCli({"info", "--census", "--symmetric", set});
  ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
  EXPECT_TRUE(info.out.endsWith("cells: 32\nused: 5\nunique: 2\nempty: 27\ngroup: 0 5:rot270 17:flipx\ngroup: 18 30\n"))
      << info.out.toStdString();

  const CliResult compacted =
      RunCli({"compact", set, "-o", Path("small.tga"), "--symmetric", "--map", Path("map.csv"), "--keep-order"});
  ASSERT_EQ(compacted.exitCode, 0) << compacted.err.toStdString();
  QImage small;
  PixelFormatCode format = PixelFormatCode::Device;
  ASSERT_TRUE(ImageFileModule().LoadImageAs32BitsFile(small, Path("small.tga"), format).Ok());
  EXPECT_EQ(small.size(), QSize(256, 256));
  EXPECT_EQ(small.pixel(64, 0) & 0xFFFFFFu, 0x336699u);  // a 24-bit file: its alpha says nothing
  QFile map(Path("map.csv"));
  ASSERT_TRUE(map.open(QIODevice::ReadOnly));
  EXPECT_EQ(map.readAll(), "old_cell,new_cell,transform\n0,0,none\n5,0,rot270\n17,0,flipx\n18,1,none\n30,1,none\n");

  // Exact census: only the flat twins go.
  ASSERT_EQ(RunCli({"compact", set, "-o", Path("exact.tga")}).exitCode, 0);
  ASSERT_TRUE(ImageFileModule().LoadImageAs32BitsFile(small, Path("exact.tga"), format).Ok());
  EXPECT_EQ(small.pixel(192, 0) & 0xFFFFFFu, 0x336699u);
}

TEST_F(Compact, ABadSetIsReportedAndNothingIsWritten) {
  ASSERT_TRUE(WriteBytesToFile(Path("broken.tga"), "not a picture"));
  const CliResult broken = RunCli({"compact", Path("broken.tga"), "-o", Path("out.tga"), "--map", Path("m.csv")});
  EXPECT_EQ(broken.exitCode, 1);
  EXPECT_TRUE(broken.err.startsWith(Path("broken.tga") + ": ")) << broken.err.toStdString();
  const QString set = WriteSet();
  const CliResult over = RunCli({"compact", set, "-o", Path("out.tga"), "--map", set});
  EXPECT_EQ(over.err, set + ": the output would overwrite this input\n");
  EXPECT_FALSE(QFile::exists(Path("out.tga")));
  EXPECT_FALSE(QFile::exists(Path("m.csv")));
}

TEST_F(Compact, CommandLineErrorsComeFirst) {
  const QString set = WriteSet();
  for (const QStringList& args : {QStringList{"compact", set, "-o", Path("a.tga"), "--tolerance", "256"},
                                  QStringList{"compact", set, "-o", Path("a.tga"), "--tolerance", "x"},
                                  QStringList{"compact", set, set, "-o", Path("a.tga")},
                                  QStringList{"compact", set, "-o", Path("a.tga"), "--map", Path("a.tga")},
                                  QStringList{"info", set, "--symmetric"}})
    EXPECT_EQ(RunCli(args).exitCode, 2) << args.join(' ').toStdString();
}

// What is not a texture set is refused whole: cutting it to one would lose cells without a word.
TEST_F(Compact, APictureThatIsNoTextureSetIsRefusedWithTheReason) {
  const struct {
    QSize size;
    const char* reason;
  } cases[] = {{{256, 20000}, "a 256 x 20000 picture is not a texture set: it is higher than 64 pages (16384 pixels)"},
               {{576, 256}, "a 576 x 256 picture is not a texture set: it is wider than 512 pixels"},
               {{300, 256}, "a 300 x 256 picture is not a texture set: its width and height must be multiples of 64"}};
  for (const auto& c : cases) {
    QImage picture(c.size, QImage::Format_ARGB32);
    picture.fill(0xFF808080u);
    const QString input = Path("odd.png");
    ASSERT_TRUE(picture.save(input));
    const CliResult result = RunCli({"compact", input, "-o", Path("out.tga"), "--map", Path("m.csv")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, input + ": " + c.reason + "\n");
    EXPECT_FALSE(QFile::exists(Path("out.tga")));
    EXPECT_FALSE(QFile::exists(Path("m.csv")));
  }
}

// A 72 x 96 texture from tiles --sheet covers cells 1, 2, 5 and 6; it moves as one block.
TEST_F(Compact, TilesJsonKeepsATextureOverSeveralCellsTogether) {
  QImage set(256, 256, QImage::Format_ARGB32);
  set.fill(0xFF000000u);
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 72; ++x) set.setPixel(64 + x, y, qRgb(x * 3, y * 2, 90));
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) set.setPixel(192 + x, y, qRgb(200, x, y));
  ASSERT_TRUE(WriteBytesToFile(Path("sheet.tga"), WriteTga24(set)));
  ASSERT_TRUE(
      WriteBytesToFile(Path("tiles.json"),
                       R"({"summary": {"levels": ["a.tr4"], "object_textures": 2, "unique_tiles": 2, "skipped": 0,
          "sheets": ["sheet.tga"]},
          "tiles": [{"file": "a_p00_x000_y000_72x96.png", "width": 72, "height": 96, "places": [],
                     "sheet": {"file": "sheet.tga", "x": 64, "y": 0}},
                    {"file": "a_p00_x128_y000_64x64.png", "width": 64, "height": 64, "places": [],
                     "sheet": {"file": "sheet.tga", "x": 192, "y": 0}}]})"));
  const CliResult split = RunCli({"compact", Path("sheet.tga"), "-o", Path("a.tga"), "--map", Path("a.csv")});
  ASSERT_EQ(split.exitCode, 0) << split.err.toStdString();
  const CliResult kept = RunCli(
      {"compact", Path("sheet.tga"), "-o", Path("b.tga"), "--map", Path("b.csv"), "--tiles", Path("tiles.json")});
  ASSERT_EQ(kept.exitCode, 0) << kept.err.toStdString();
  QFile cells(Path("a.csv")), blocks(Path("b.csv"));
  ASSERT_TRUE(cells.open(QIODevice::ReadOnly) && blocks.open(QIODevice::ReadOnly));
  EXPECT_EQ(cells.readAll(), "old_cell,new_cell,transform\n1,0,none\n2,1,none\n3,2,none\n5,3,none\n6,4,none\n");
  EXPECT_EQ(blocks.readAll(), "old_cell,new_cell,transform\n1,0,none\n2,1,none\n3,2,none\n5,4,none\n6,5,none\n");

  ASSERT_TRUE(WriteBytesToFile(Path("broken.json"), "{\"tiles\": ["));
  const CliResult broken = RunCli({"compact", Path("sheet.tga"), "-o", Path("c.tga"), "--tiles", Path("broken.json")});
  EXPECT_EQ(broken.exitCode, 1);
  EXPECT_TRUE(broken.err.startsWith(Path("broken.json") + ": not a tiles description")) << broken.err.toStdString();
  EXPECT_FALSE(QFile::exists(Path("c.tga")));
}

// OUT or the map over an input: the same refusal, the same exit status.
TEST_F(Compact, AnOutputOverAnInputFailsAlike) {
  const QString set = WriteSet();
  const QByteArray before = [&] {
    QFile file(set);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();
  for (const QStringList& args :
       {QStringList{"compact", set, "-o", set}, QStringList{"compact", set, "-o", Path("out.tga"), "--map", set}}) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, 1) << args.join(' ').toStdString();
    EXPECT_EQ(result.err, set + ": the output would overwrite this input\n");
  }
  QFile file(set);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before);
}

}  // namespace

}  // namespace mosaicor
