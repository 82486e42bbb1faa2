// An output that is one of the run's inputs is refused before the input is read, however the two
// paths are spelled: the same name, "./" and "..", a symbolic or hard link, a batch folder that
// holds the inputs. The input stays byte for byte as it was.

#include "CliRunner.h"
#include "OtherNames.h"
#include "TestFiles.h"

#include "LevelWriter.h"
#include "PictureWriters.h"
#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

class SameFile : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    // 32 bits with alpha: written over by a 24-bit output, the file would lose its alpha.
    original = WriteTga32(MakeFPicture(128, 128));
    ASSERT_TRUE(WriteBytesToFile(Path("a.tga"), original));
  }
  QString Path(const QString& name) const { return dir.filePath(name); }

  // The run fails for `input` alone, with the one line, and a.tga is untouched.
  void ExpectRefused(const CliResult& result, const QString& input) {
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, input + ": the output would overwrite this input\n");
    EXPECT_EQ(ReadFileBytes(Path("a.tga")), original);
  }

  QTemporaryDir dir;
  QByteArray original;
};

TEST_F(SameFile, TheSameNameOrTheSameFileThroughDotsIsRefused) {
  const QString a = Path("a.tga");
  ExpectRefused(RunCli({"convert", a, "-o", a}), a);
  ExpectRefused(RunCli({"convert", a, "-o", dir.path() + "/./a.tga"}), a);
  ExpectRefused(RunCli({"convert", dir.path() + "/sub/../a.tga", "-o", a}), dir.path() + "/sub/../a.tga");
  ExpectRefused(RunCli({"resize", a, "--size", "64x64", "-o", a}), a);
  ExpectRefused(RunCli({"convert", a, "--alpha", "-o", Path("sub/../a.tga")}), a);
  ExpectRefused(RunCli({"convert", "a.tga", "-o", "./a.tga"}, dir.path()), "a.tga");
  ExpectRefused(RunCli({"resize", "../a.tga", "--scroll-tile", "-o", "../a.tga"}, Path("sub")), "../a.tga");
}

TEST_F(SameFile, LinksToTheInputAreRefused) {
  const QString a = Path("a.tga");
  // A hard link: another name for the same bytes, which only the file's identity tells.
  ASSERT_TRUE(HardLink(a, Path("hard.tga")));
  ExpectRefused(RunCli({"convert", a, "-o", Path("hard.tga")}), a);
#if defined(_WIN32)
  GTEST_SKIP() << "symbolic links need a privilege on Windows; QFile::link makes a shortcut file instead";
#endif
  ASSERT_TRUE(QFile::link(a, Path("sub/link.tga")));
  ExpectRefused(RunCli({"convert", a, "-o", Path("sub/link.tga")}), a);
  ExpectRefused(RunCli({"convert", Path("sub/link.tga"), "-o", a}), Path("sub/link.tga"));
}

#if defined(_WIN32)
TEST_F(SameFile, WindowsSpellingsOfTheInputAreRefused) {
  const QString a = Path("a.tga");
  const QString native = QDir::toNativeSeparators(a);
  ExpectRefused(RunCli({"convert", a, "-o", native}), a);
  ExpectRefused(RunCli({"convert", a, "-o", Path("A.TGA")}), a);
  ExpectRefused(RunCli({"convert", native, "-o", QDir::toNativeSeparators(Path("sub\\..\\a.tga"))}), native);
}
#endif

TEST_F(SameFile, ABatchIntoTheFolderOfItsInputsWritesOnlyTheOthers) {
  BmpSpec bmp;
  bmp.bitCount = 24, bmp.width = 2, bmp.height = 2, bmp.pixels = {0x112233, 0x445566, 0x778899, 0xAABBCC};
  ASSERT_TRUE(WriteBytesToFile(Path("b.bmp"), WriteBmp(bmp)));
  const CliResult result = RunCli({"convert", Path("a.tga"), Path("b.bmp"), "-o", dir.path()});
  ExpectRefused(result, Path("a.tga"));
  EXPECT_EQ(ReadFileBytes(Path("b.tga")).size(), 18 + 2 * 2 * 3);
}

TEST_F(SameFile, ALevelBehindTheOutputNameIsRefusedToo) {
  const QString level = Path("level.tr2");
  ASSERT_TRUE(WriteLevelFile(level, MakeSampleLevel(LevelGeneration::TR2, 1)));
  const QByteArray before = ReadFileBytes(level);
  ASSERT_TRUE(HardLink(level, Path("pages.tga")));
  const CliResult result = RunCli({"pages", level, "-o", Path("pages.tga")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, level + ": the output would overwrite this input\n");
  EXPECT_EQ(ReadFileBytes(level), before);
}

TEST_F(SameFile, CompactWritesNeitherItsSetNorItsMapOverTheSet) {
  const QString a = Path("a.tga");
  ASSERT_TRUE(HardLink(a, Path("hard.tga")));
  ExpectRefused(RunCli({"compact", a, "-o", Path("hard.tga")}), a);
  ExpectRefused(RunCli({"compact", a, "-o", Path("out.tga"), "--map", Path("hard.tga")}), a);
  EXPECT_FALSE(QFile::exists(Path("out.tga")));
}

TEST_F(SameFile, AnOutputBesideTheInputIsWritten) {
  const CliResult result = RunCli({"convert", "a.tga", "-o", "./sub/../b.tga"}, dir.path());
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_EQ(ReadFileBytes(Path("b.tga")).size(), 18 + 128 * 128 * 3);
}

}  // namespace

}  // namespace mosaicor
