// The companion on what a new user brings: demo levels that share a name, a TR1 demo level, levels
// with a misleading extension, .tiff and .jpeg names, outputs that cannot work, one line per file,
// and pages split into files or with the font and sky pages added.

#include "CliRunner.h"
#include "TestFiles.h"
#include "LevelWriter.h"
#include "PictureWriters.h"
#include "TestPictures.h"
#include "TiffWriter.h"
#include "core/imagefiles/ImageFileModule.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

using G = LevelGeneration;

// A picture file as the companion's own loading reads it (32 bits, the alpha of a 32-bit TGA kept).
QImage Load(const QString& path) {
  const ImageFileModule files;
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  if (!files.LoadImageAs32BitsFile(picture, path, format).Ok()) return {};
  return picture;
}


// Page `page` of 32-bit page data (B G R A a pixel) as a picture, masked as --transparency auto does.
QImage PageOf(const QByteArray& pages32, int page, bool masked) {
  QImage picture(256, 256, QImage::Format_ARGB32);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      const auto* p = reinterpret_cast<const uchar*>(pages32.constData()) + (qint64(page) * 65536 + y * 256 + x) * 4;
      const QRgb colour = qRgba(p[2], p[1], p[0], p[3]);
      picture.setPixel(x, y, masked && p[3] != 255 ? qRgba(255, 0, 255, 255) : colour);
    }
  return picture;
}

QStringList Lines(const QString& text) { return text.split('\n', Qt::SkipEmptyParts); }

// The four demo levels of scripts/run, all named demo.*, into one folder: four distinct files.
TEST(RealFiles, InputsThatShareANameGetDistinctOutputs) {
  QTemporaryDir dir;
  QDir root(dir.path());
  ASSERT_TRUE(root.mkpath("demo") && root.mkpath("out") && root.mkpath("one"));
  QStringList inputs;
  for (G g : {G::TR1, G::TR2, G::TR4, G::TR5}) {
    const LevelDescription d = MakeSampleLevel(g, 2);
    inputs << root.filePath("demo/" + LevelFileName(d, "demo"));
    ASSERT_TRUE(WriteLevelFile(inputs.last(), d));
  }
  const CliResult result =
      RunCli(QStringList{"pages"} + inputs + QStringList{"-o", root.filePath("out"), "--transparency", "auto"});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
  EXPECT_EQ(QDir(root.filePath("out")).entryList(QDir::Files),
            QStringList({"demo_phd.tga", "demo_tr2.tga", "demo_tr4.tga", "demo_trc.tga"}));
  // Each is what the level gives alone.
  for (const QString& input : inputs) {
    const QString alone = root.filePath("one/alone.tga");
    ASSERT_EQ(RunCli({"pages", input, "-o", alone, "--transparency", "auto"}).exitCode, 0);
    const QString name = "out/demo_" + QFileInfo(input).suffix() + ".tga";
    EXPECT_EQ(ReadFileBytes(root.filePath(name)), ReadFileBytes(alone)) << name.toStdString();
  }

  // The same name and extension in two folders (and in another letter case): numbered.
  ASSERT_TRUE(root.mkpath("a") && root.mkpath("b") && root.mkpath("out2"));
  ASSERT_TRUE(WriteLevelFile(root.filePath("a/x.phd"), MakeSampleLevel(G::TR1, 1)));
  ASSERT_TRUE(WriteLevelFile(root.filePath("b/x.phd"), MakeSampleLevel(G::TR1, 2)));
  ASSERT_TRUE(WriteLevelFile(root.filePath("b/X.tr4"), MakeSampleLevel(G::TR4, 3)));
  const CliResult same = RunCli({"pages", root.filePath("a/x.phd"), root.filePath("b/x.phd"), root.filePath("b/X.tr4"),
                                 "-o", root.filePath("out2"), "--format", "png"});
  EXPECT_EQ(same.exitCode, 0) << same.err.toStdString();
  EXPECT_EQ(Load(root.filePath("out2/x_phd.png")).height(), 256);
  EXPECT_EQ(Load(root.filePath("out2/x_phd_2.png")).height(), 512);
  EXPECT_EQ(Load(root.filePath("out2/X_tr4.png")).height(), 768);
}

TEST(RealFiles, MisnamedAndDemoLevelsAreReadByTheirContent) {
  QTemporaryDir dir;
  LevelDescription demo = MakeSampleLevel(G::TR1, 2);
  demo.tr1DemoLayout = true;
  ASSERT_TRUE(WriteLevelFile(dir.filePath("LEVEL2.PHD"), demo));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("lake.tr4"), MakeSampleLevel(G::TR5, 3)));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("level.trc"), MakeSampleLevel(G::TR4, 1)));
  const CliResult info =
      RunCli({"info", dir.filePath("LEVEL2.PHD"), dir.filePath("lake.tr4"), dir.filePath("level.trc")});
  EXPECT_EQ(info.exitCode, 0) << info.err.toStdString();
  const QStringList blocks = info.out.split("\n\n");
  ASSERT_EQ(blocks.size(), 3) << info.out.toStdString();
  EXPECT_TRUE(blocks[0].contains("generation: TR1\n")) << blocks[0].toStdString();
  EXPECT_TRUE(blocks[0].contains("layout: palette after the sprite sequences, as in TR1 demo levels\n"));
  EXPECT_TRUE(blocks[0].contains("pages: 2\n"));
  EXPECT_TRUE(blocks[1].contains("generation: TR5\n")) << blocks[1].toStdString();
  EXPECT_TRUE(blocks[1].contains("pages: 3\n"));
  EXPECT_TRUE(blocks[2].contains("generation: TR4\n")) << blocks[2].toStdString();
  EXPECT_TRUE(blocks[2].contains("animated_ranges: 2\n"));

  // The demo level's pages come out with its own palette: as a retail TR1 level of the same pages.
  ASSERT_TRUE(WriteLevelFile(dir.filePath("retail.phd"), MakeSampleLevel(G::TR1, 2)));
  ASSERT_EQ(RunCli({"pages", dir.filePath("LEVEL2.PHD"), "-o", dir.filePath("demo.tga")}).exitCode, 0);
  ASSERT_EQ(RunCli({"pages", dir.filePath("retail.phd"), "-o", dir.filePath("retail.tga")}).exitCode, 0);
  EXPECT_EQ(ReadFileBytes(dir.filePath("demo.tga")), ReadFileBytes(dir.filePath("retail.tga")));
  const CliResult animated = RunCli({"animated", dir.filePath("lake.tr4"), "-o", dir.filePath("lake.tga")});
  EXPECT_EQ(animated.exitCode, 0) << animated.err.toStdString();
}

TEST(RealFiles, EncryptedAndDamagedLevelsSayWhatAndWhere) {
  QTemporaryDir dir;
  QByteArray encrypted = WriteLevel(MakeSampleLevel(G::TR4, 1));
  encrypted[3] = 'c';
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("crypt.tr4"), encrypted));
  LevelLayout layout;
  QByteArray tr3 = WriteLevel(MakeSampleLevel(G::TR3, 1), &layout);
  PatchU32(tr3, layout.animatedTextureCount, 0x7FFFFFFF);
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("cut.tr2"), tr3));
  for (const char* command : {"info", "pages", "animated"}) {
    QStringList args = {command, dir.filePath("crypt.tr4"), dir.filePath("cut.tr2")};
    if (QLatin1String(command) != "info") args << "-o" << dir.path();
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, 1) << command;
    const QString where = QStringLiteral("in the animated textures at offset %1 (0x%2)")
                              .arg(layout.animatedTextureCount)
                              .arg(layout.animatedTextureCount, 0, 16);
    QStringList expected = {dir.filePath("crypt.tr4") + ": encrypted TR4 level: not supported"};
    // The pages lie before the animated textures: only the full walks stop there.
    if (QLatin1String(command) != "pages") expected << dir.filePath("cut.tr2") + ": level file ends early " + where;
    EXPECT_EQ(Lines(result.err), expected) << command;
  }
}

// Each OUT that cannot work is a command-line error found before any input is read: the input
// named here does not exist, and reading it would say so (exit status 1).
TEST(RealFiles, OutputsThatCannotWorkAreCommandLineErrors) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.tga"));
  const QString missing = dir.filePath("missing.tr4");
  const QString picture = dir.filePath("missing.tga");
  const struct {
    QStringList args;
    QString named;  // what the message names
  } cases[] = {
      {{"pages", missing, "-o", dir.filePath("out.gif")}, dir.filePath("out.gif")},
      {{"pages", missing, "-o", dir.filePath("out.tif")}, dir.filePath("out.tif")},
      {{"pages", missing, "-o", dir.filePath("out")}, dir.filePath("out")},
      {{"pages", missing, "-o", "-"}, "-o -"},
      {{"pages", missing, "-o", dir.filePath("folder.tga")}, dir.filePath("folder.tga")},
      {{"pages", missing, "-o", dir.filePath("out.tga"), "--format", "png"}, "--format png"},
      {{"animated", missing, "-o", dir.filePath("out.psd")}, dir.filePath("out.psd")},
      {{"convert", picture, "-o", dir.filePath("out.webp")}, dir.filePath("out.webp")},
      {{"convert", picture, "-o", dir.filePath("out.tga"), "--format", "bmp"}, "--format bmp"},
      {{"resize", picture, "-o", dir.filePath("out.gif"), "--size", "8x8"}, dir.filePath("out.gif")},
      {{"resize", picture, "-o", "-", "--size", "8x8"}, "-o -"},
      {{"pages", missing, missing, "-o", dir.filePath("out.tga")}, dir.filePath("out.tga")},
  };
  for (const auto& c : cases) {
    const std::string line = c.args.join(' ').toStdString();
    const CliResult result = RunCli(c.args);
    EXPECT_EQ(result.exitCode, 2) << line;
    EXPECT_TRUE(result.out.isEmpty()) << line;
    EXPECT_TRUE(result.err.startsWith("mosaicor-cli: ")) << line << "\n" << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(c.named)) << line << "\n" << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(".tga, .bmp, .jpg, .jpeg or .png") ||
                result.err.contains("tga, bmp, jpg, jpeg or png"))
        << line << "\n"
        << result.err.toStdString();
    EXPECT_TRUE(result.err.endsWith("Try 'mosaicor-cli --help'.\n")) << line;
    EXPECT_FALSE(result.err.contains("file not found")) << line;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST(RealFiles, TiffAndJpegNamesWorkInTheCompanion) {
  QTemporaryDir dir;
  TiffSpec tiff;
  tiff.width = 8, tiff.height = 4, tiff.photometric = 2, tiff.samplesPerPixel = 3;
  const QImage f = MakeFPicture(8, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) {
      const QRgb c = f.pixel(x, y);
      tiff.pixels += char(qRed(c)), tiff.pixels += char(qGreen(c)), tiff.pixels += char(qBlue(c));
    }
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("in.tiff"), WriteTiff(tiff)));
  const CliResult convert = RunCli({"convert", dir.filePath("in.tiff"), "-o", dir.filePath("out.jpeg")});
  EXPECT_EQ(convert.exitCode, 0) << convert.err.toStdString();
  EXPECT_TRUE(ReadFileBytes(dir.filePath("out.jpeg")).startsWith("\xff\xd8"));
  const CliResult back = RunCli({"convert", dir.filePath("out.jpeg"), "-o", dir.filePath("back.TIFF.tga")});
  EXPECT_EQ(back.exitCode, 0) << back.err.toStdString();
  // Into a folder with --format jpeg; and info on both names.
  ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
  const CliResult batch = RunCli(
      {"convert", dir.filePath("in.tiff"), dir.filePath("out.jpeg"), "-o", dir.filePath("out"), "--format", "jpeg"});
  EXPECT_EQ(batch.exitCode, 0) << batch.err.toStdString();
  EXPECT_EQ(QDir(dir.filePath("out")).entryList(QDir::Files), QStringList({"in.jpeg", "out.jpeg"}));
  const CliResult info = RunCli({"info", "--brief", dir.filePath("in.tiff"), dir.filePath("out.jpeg")});
  EXPECT_EQ(info.exitCode, 0) << info.err.toStdString();
  EXPECT_EQ(Lines(info.out), QStringList({dir.filePath("in.tiff") + ": TIFF 8x4 24 bits",
                                          dir.filePath("out.jpeg") + ": JPEG 8x4 24 bits"}));
}

TEST(RealFiles, InfoSaysEachFileInOneLineWhenBrief) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteLevelFile(dir.filePath("a.tr4"), MakeSampleLevel(G::TR4, 3)));
  TgaSpec tga;
  tga.pixelDepth = 16, tga.width = 6, tga.height = 3;
  tga.pixels = TgaPixelsOf(MakeFPicture(6, 3), 16);
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("b.tga"), WriteTga(tga)));
  const QStringList files = {dir.filePath("a.tr4"), dir.filePath("b.tga"), dir.filePath("c.tga")};
  const CliResult brief = RunCli(QStringList{"info", "--brief"} + files);
  EXPECT_EQ(brief.exitCode, 1);
  EXPECT_EQ(Lines(brief.out),
            QStringList({dir.filePath("a.tr4") +
                             ": TR4 level, 3 pages of 32 bits, 6 object textures, 2 animated ranges, 3 rooms",
                         dir.filePath("b.tga") + ": TGA 6x3 15 bits"}));
  EXPECT_EQ(brief.err, dir.filePath("c.tga") + ": file not found\n");
  // The block form stays the default, with the pixel format as text only.
  const CliResult blocks = RunCli({"info", dir.filePath("b.tga")});
  EXPECT_EQ(blocks.out, "file: " + dir.filePath("b.tga") + "\nsize: 6x3\npixel_format: 15 bits\n");
}

TEST(RealFiles, SplitAndMiscPagesMatchTheLevelPixelForPixel) {
  QTemporaryDir dir;
  LevelDescription d = MakeSampleLevel(G::TR4, 3);
  d.miscPages32 = MakePages32(5).mid(3 * 262144);  // two pages unlike the texture pages
  ASSERT_TRUE(WriteLevelFile(dir.filePath("level.tr4"), d));
  for (bool masked : {false, true}) {
    const QString mode = masked ? "auto" : "none";
    const QString out = dir.filePath("p-" + mode + ".tga");
    const CliResult result =
        RunCli({"pages", dir.filePath("level.tr4"), "-o", out, "--alpha", "--split", "--misc", "--transparency", mode});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    for (int page = 0; page < 5; ++page) {
      const QString file = dir.filePath(QStringLiteral("p-%1_%2.tga").arg(mode).arg(page, 3, 10, QLatin1Char('0')));
      const QImage expected = page < 3 ? PageOf(d.pages32, page, masked) : PageOf(d.miscPages32, page - 3, masked);
      EXPECT_EQ(Load(file), expected) << file.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("p-" + mode + "_005.tga")));
    EXPECT_FALSE(QFile::exists(out));
  }
  // Without --split the misc pages come below the texture pages; without --misc they are not there.
  ASSERT_EQ(RunCli({"pages", dir.filePath("level.tr4"), "-o", dir.filePath("all.tga"), "--alpha", "--misc"}).exitCode,
            0);
  const QImage all = Load(dir.filePath("all.tga"));
  ASSERT_EQ(all.size(), QSize(256, 5 * 256));
  EXPECT_EQ(all.copy(0, 4 * 256, 256, 256), PageOf(d.miscPages32, 1, false));
  ASSERT_EQ(RunCli({"pages", dir.filePath("level.tr4"), "-o", dir.filePath("plain.tga")}).exitCode, 0);
  EXPECT_EQ(Load(dir.filePath("plain.tga")).height(), 3 * 256);

  // Several levels split into a folder; a TR2 level has no font or sky pages to add.
  ASSERT_TRUE(WriteLevelFile(dir.filePath("old.tr2"), MakeSampleLevel(G::TR2, 2)));
  ASSERT_TRUE(QDir(dir.path()).mkdir("split"));
  const CliResult batch = RunCli({"pages", dir.filePath("level.tr4"), dir.filePath("old.tr2"), "-o",
                                  dir.filePath("split"), "--split", "--misc", "--format", "png"});
  EXPECT_EQ(batch.exitCode, 0) << batch.err.toStdString();
  EXPECT_EQ(QDir(dir.filePath("split")).entryList(QDir::Files),
            QStringList({"level_000.png", "level_001.png", "level_002.png", "level_003.png", "level_004.png",
                         "old_000.png", "old_001.png"}));
}

}  // namespace

}  // namespace mosaicor
