// mosaicor-cli pages and animated: the pictures they write, several inputs into a folder, and
// one line on stderr for each input that fails.

#include "CliRunner.h"
#include "LevelWriter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

using G = LevelGeneration;

// Reads the companion's 32-bit alpha TGA back; null when the file is not one.
QImage ReadAlphaTga(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  if (bytes.size() < 18) return {};
  const auto u8 = [&](int at) { return int(std::uint8_t(bytes[at])); };
  const int width = u8(12) | u8(13) << 8, height = u8(14) | u8(15) << 8;
  if (u8(2) != 2 || u8(16) != 32 || u8(17) != 0x28 || bytes.size() != 18 + u8(0) + qint64(width) * height * 4)
    return {};
  QImage picture(width, height, QImage::Format_ARGB32);
  const char* pixels = bytes.constData() + 18 + u8(0);
  for (int y = 0; y < height; ++y) memcpy(picture.scanLine(y), pixels + qint64(y) * width * 4, size_t(width) * 4);
  return picture;
}

TEST(PagesCommand, WritesThePagesWithTheirAlphaInBothModes) {
  QTemporaryDir dir;
  const LevelDescription d = MakeSampleLevel(G::TR2, 2);
  const QString level = dir.filePath("level.tr2");
  ASSERT_TRUE(WriteLevelFile(level, d));
  for (const char* mode : {"none", "auto"}) {
    const QString out = dir.filePath(QStringLiteral("pages-%1.TGA").arg(mode));
    const CliResult result = RunCli({"pages", level, "-o", out, "--alpha", "--transparency", mode});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty());
    const QImage picture = ReadAlphaTga(out);
    ASSERT_EQ(picture.size(), QSize(256, 512)) << mode;
    // The transparent block in the corner of tile 5 of page 1: transparent, or opaque magenta.
    const QRgb corner = picture.pixel(64, 256 + 64);
    EXPECT_EQ(corner, QString(mode) == "auto" ? qRgba(255, 0, 255, 255)
                                              : qRgba(qRed(corner), qGreen(corner), qBlue(corner), 0));
    EXPECT_EQ(qAlpha(picture.pixel(200, 200)), 255);
  }
  // Without --transparency the mode is none.
  const CliResult plain = RunCli({"pages", level, "-o", dir.filePath("plain.tga"), "--alpha"});
  EXPECT_EQ(plain.exitCode, 0);
  EXPECT_EQ(ReadAlphaTga(dir.filePath("plain.tga")), ReadAlphaTga(dir.filePath("pages-none.TGA")));
}

TEST(AnimatedCommand, WritesTheRangesSlotBySlot) {
  QTemporaryDir dir;
  LevelDescription d = MakeSampleLevel(G::TR4, 1);
  d.animatedRanges = {{1, 2, 3}, {4, 5, 0, 1}, {2}};
  const QString level = dir.filePath("level.tr4");
  ASSERT_TRUE(WriteLevelFile(level, d));
  const QString out = dir.filePath("anim.tga");
  const CliResult result = RunCli({"animated", level, "-o", out, "--alpha"});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  const QImage picture = ReadAlphaTga(out);
  ASSERT_EQ(picture.size(), QSize(256, 256));
  EXPECT_EQ(picture.pixel(200, 10), qRgba(255, 0, 255, 0));  // slot 3, empty
  const QImage pages = [&] {
    const QString pagesOut = dir.filePath("pages.tga");
    RunCli({"pages", level, "-o", pagesOut, "--alpha"});
    return ReadAlphaTga(pagesOut);
  }();
  ASSERT_FALSE(pages.isNull());
  EXPECT_EQ(picture.copy(0, 0, 64, 64), pages.copy(64, 0, 64, 64));     // texture 1 in slot 0
  EXPECT_EQ(picture.copy(0, 192, 64, 64), pages.copy(128, 0, 64, 64));  // texture 2 in slot 12
}

TEST(LevelCommands, SeveralInputsGoIntoTheFolderAndEachFailureGetsOneLine) {
  QTemporaryDir dir;
  LevelLayout layout;
  QByteArray damaged = WriteLevel(MakeSampleLevel(G::TR4, 1), &layout);
  damaged[layout.chunk32 + 30] = char(damaged[layout.chunk32 + 30] ^ 0x5A);
  LevelDescription noRanges = MakeSampleLevel(G::TR3, 1);
  noRanges.animatedRanges.clear();
  ASSERT_TRUE(WriteLevelFile(dir.filePath("good.phd"), MakeSampleLevel(G::TR1, 1)));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("good2.TRC"), MakeSampleLevel(G::TR5, 2)));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("noranges.tr2"), noRanges));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("nopages.tr2"), MakeSampleLevel(G::TR2, 0)));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("damaged.tr4"), damaged));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("unknown.tr4"), "not a level at all"));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("level.trg"), MakeSampleLevel(G::TR2Trg, 1)));
  ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
  const QString out = dir.filePath("out");
  const QStringList inputs = {dir.filePath("good.phd"),     dir.filePath("missing.tr4"), dir.filePath("unknown.tr4"),
                              dir.filePath("damaged.tr4"),  dir.filePath("level.trg"),   dir.filePath("nopages.tr2"),
                              dir.filePath("noranges.tr2"), dir.filePath("good2.TRC")};
  const CliResult pages = RunCli(QStringList{"pages"} + inputs + QStringList{"-o", out, "--alpha"});
  EXPECT_EQ(pages.exitCode, 1);
  const QStringList expectedPages = {
      dir.filePath("missing.tr4") + ": file not found", dir.filePath("unknown.tr4") + ": unknown level version",
      dir.filePath("damaged.tr4") + ": damaged compressed data in the 32-bit page chunk at offset 10 (0xa)",
      dir.filePath("nopages.tr2") + ": no texture pages"};
  EXPECT_EQ(pages.err.split('\n', Qt::SkipEmptyParts), expectedPages);
  EXPECT_EQ(ReadAlphaTga(QDir(out).filePath("good.tga")).size(), QSize(256, 256));
  EXPECT_EQ(ReadAlphaTga(QDir(out).filePath("good2.tga")).size(), QSize(256, 512));
  EXPECT_EQ(ReadAlphaTga(QDir(out).filePath("noranges.tga")).size(), QSize(256, 256));
  EXPECT_EQ(ReadAlphaTga(QDir(out).filePath("level.tga")).size(), QSize(256, 256));  // TR2's .TRG form
  EXPECT_FALSE(QFile::exists(QDir(out).filePath("nopages.tga")));

  const CliResult animated =
      RunCli({"animated", dir.filePath("noranges.tr2"), dir.filePath("good.phd"), "-o", out, "--alpha", "--quiet"});
  EXPECT_EQ(animated.exitCode, 1);
  EXPECT_EQ(animated.err, dir.filePath("noranges.tr2") + ": no animated textures\n");
  // The sample level's ranges {1, 2, 3} and {4, 5}: two rows of slots.
  EXPECT_EQ(ReadAlphaTga(QDir(out).filePath("good.tga")).size(), QSize(256, 128));
}

TEST(LevelCommands, SeveralInputsGoIntoANewFolderNamedWithATrailingSeparatorAsTilesDo) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteLevelFile(dir.filePath("a.phd"), MakeSampleLevel(G::TR1, 1)));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("b.tr2"), MakeSampleLevel(G::TR2, 1)));
  const QStringList levels = {dir.filePath("a.phd"), dir.filePath("b.tr2")};
  // Without the separator a missing OUT may be a mistyped folder: refused before anything is read.
  EXPECT_EQ(RunCli(QStringList{"pages"} + levels + QStringList{"-o", dir.filePath("new")}).exitCode, 2);
  EXPECT_FALSE(QFile::exists(dir.filePath("new")));
  // All inputs failing: no folder is left behind.
  EXPECT_EQ(RunCli({"pages", dir.filePath("x.tr4"), dir.filePath("y.tr4"), "-o", dir.filePath("new") + '/'}).exitCode,
            1);
  EXPECT_FALSE(QFile::exists(dir.filePath("new")));
  const CliResult made = RunCli(QStringList{"pages"} + levels + QStringList{"-o", dir.filePath("new") + '/'});
  EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
  EXPECT_TRUE(QFile::exists(dir.filePath("new/a.tga")));
  EXPECT_TRUE(QFile::exists(dir.filePath("new/b.tga")));
}

}  // namespace

namespace {

TEST(LevelCommands, InputsOfTheSameNameNeverOverwriteEachOther) {
  QTemporaryDir dir;
  QDir root(dir.path());
  ASSERT_TRUE(root.mkpath("a") && root.mkpath("b") && root.mkpath("out"));
  ASSERT_TRUE(WriteLevelFile(root.filePath("a/x.phd"), MakeSampleLevel(G::TR1, 1)));
  ASSERT_TRUE(WriteLevelFile(root.filePath("b/x.tr2"), MakeSampleLevel(G::TR2, 2)));
  const CliResult result =
      RunCli({"pages", root.filePath("a/x.phd"), root.filePath("b/x.tr2"), "-o", root.filePath("out"), "--alpha"});
  // The input's extension joins the name of each output.
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_FALSE(QFile::exists(root.filePath("out/x.tga")));
  EXPECT_EQ(ReadAlphaTga(root.filePath("out/x_phd.tga")).size(), QSize(256, 256));  // the first level's one page
  EXPECT_EQ(ReadAlphaTga(root.filePath("out/x_tr2.tga")).size(), QSize(256, 512));
}

}  // namespace

}  // namespace mosaicor
