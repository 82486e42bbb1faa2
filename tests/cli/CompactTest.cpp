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

}  // namespace

}  // namespace mosaicor
