#include "CliRunner.h"
#include "LevelWriter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

using G = LevelGeneration;

QStringList Lines(const QString& text) { return text.split('\n', Qt::SkipEmptyParts); }

TEST(InfoLevel, ReportsLevelsOfEveryGeneration) {
  QTemporaryDir dir;
  struct Case {
    G generation;
    const char* name;
    const char* text;
  } cases[] = {{G::TR1, "a.phd", "TR1"},    {G::TR1Gold, "b.tub", "TR1 Gold"}, {G::TR2, "c.tr2", "TR2"},
               {G::TR2Trg, "d.TRG", "TR2"}, {G::TR3, "e.TR2", "TR3"},          {G::TR4, "f.tr4", "TR4"},
               {G::TR5, "g.TRC", "TR5"}};
  QStringList paths;
  for (const Case& c : cases) {
    LevelDescription d = MakeSampleLevel(c.generation, 2);
    d.animatedRanges = {{10, 11}, {7}, {1, 2, 3}};
    paths << dir.filePath(c.name);
    ASSERT_TRUE(WriteLevelFile(paths.back(), d));
  }
  const CliResult result = RunCli(QStringList{"info"} + paths);
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
  const QStringList blocks = result.out.split("\n\n");
  ASSERT_EQ(blocks.size(), int(std::size(cases))) << result.out.toStdString();
  for (int i = 0; i < blocks.size(); ++i) {
    const QStringList lines = Lines(blocks[i]);
    EXPECT_EQ(lines.value(0), "file: " + paths[i]);
    EXPECT_TRUE(lines.contains(QStringLiteral("generation: %1").arg(cases[i].text))) << blocks[i].toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("game_version: %1").arg(int(cases[i].generation))));
    EXPECT_TRUE(lines.contains("pages: 2"));
    EXPECT_TRUE(lines.contains("object_textures: 6"));
    EXPECT_TRUE(lines.contains("animated_ranges: 3"));
  }
}

TEST(InfoLevel, ReportsLevelsOfOtherWriters) {
  const QString folder = QStringLiteral(MOSAICOR_SHARED_TESTDATA "/levels/");
  if (!QFileInfo::exists(folder + "lake.trc")) GTEST_SKIP() << "no shared test data";
  const CliResult result = RunCli({"info", folder + "altroom1-LEVEL1.PHD", folder + "lake.trc"});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  const QStringList blocks = result.out.split("\n\n");
  ASSERT_EQ(blocks.size(), 2);
  EXPECT_TRUE(Lines(blocks[0]).contains("generation: TR1"));
  EXPECT_TRUE(Lines(blocks[0]).contains("pages: 10"));
  EXPECT_TRUE(Lines(blocks[1]).contains("generation: TR5"));
  EXPECT_TRUE(Lines(blocks[1]).contains("game_version: 7"));
  EXPECT_TRUE(Lines(blocks[1]).contains("pages: 9"));
}

TEST(InfoLevel, LevelExtensionsInAnyLetterCaseGoToTheLevelReader) {
  QTemporaryDir dir;
  for (const char* name : {"x.phd", "x.Tub", "x.tR2", "x.trg", "x.TR4", "x.trC"}) {
    const CliResult result = RunCli({"info", dir.filePath(name)});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.trimmed(), dir.filePath(name) + ": file not found");
  }
}

// Each malformed level: exit status 1 and exactly one line "<file>: <reason>".
TEST(InfoLevel, MalformedLevelsGiveOneLineEach) {
  QTemporaryDir dir;
  LevelLayout layout;
  const QByteArray tr4 = WriteLevel(MakeSampleLevel(G::TR4, 2), &layout);
  const qint64 chunk16At = layout.chunk16;
  QByteArray pastEnd = tr4;
  PatchU32(pastEnd, layout.chunk16 + 4, 0xFFFFFF00);
  QByteArray badCheck = tr4;
  badCheck[layout.chunk16 - 1] = char(badCheck[layout.chunk16 - 1] ^ 1);
  LevelDescription short32 = MakeSampleLevel(G::TR4, 3);
  short32.pages32 = MakePages32(1);
  const QByteArray tr2 = WriteLevel(MakeSampleLevel(G::TR2, 2), &layout);
  QByteArray hugeCount = tr2;
  PatchU32(hugeCount, layout.objectTextureCount, 0xFFFFFFFF);

  const auto at = [](qint64 offset) { return QStringLiteral(" at offset %1 (0x%2)").arg(offset).arg(offset, 0, 16); };
  const QString chunk16 = at(chunk16At);
  const struct {
    const char* name;
    QByteArray bytes;
    QString reason;  // a real failure says where the reading stopped
  } cases[] = {
      {"unknown.tr4", "RIFF....", "unknown level version"},
      {"photo.tr4", QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF", 10), "a JPEG picture, not a Tomb Raider level"},
      {"empty.phd", "", "the file is empty"},
      {"encrypted.tr4", "TR4c" + tr4.mid(4), "encrypted TR4 level: not supported"},
      {"past-end.tr4", pastEnd, "level file ends early in the 16-bit page chunk" + chunk16},
      {"bad-check.tr4", badCheck, "damaged compressed data in the 32-bit page chunk" + at(10)},  // its check value
      {"cut.tr4", tr4.left(tr4.size() / 2), "level file ends early in the "},
      {"cut.tr2", tr2.left(tr2.size() / 2), "level file ends early in the "},
      {"huge-count.tr2", hugeCount, "level file ends early in the object textures" + at(layout.objectTextureCount)},
      {"short32.tr4", WriteLevel(short32), "32-bit texture pages are missing"},
  };
  for (const auto& c : cases) {
    const QString path = dir.filePath(c.name);
    ASSERT_TRUE(WriteBytesToFile(path, c.bytes));
    const CliResult result = RunCli({"info", path});
    EXPECT_EQ(result.exitCode, 1) << c.name;
    const QString expected = QStringLiteral("%1: %2").arg(path, c.reason);
    if (c.reason.endsWith(' '))
      EXPECT_TRUE(result.err.startsWith(expected) && Lines(result.err).size() == 1) << result.err.toStdString();
    else
      EXPECT_EQ(result.err, expected + '\n') << result.err.toStdString();
    EXPECT_TRUE(result.out.isEmpty()) << c.name;
  }
  // A folder with a level's name cannot be read either.
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.tr4"));
  const CliResult folder = RunCli({"info", dir.filePath("folder.tr4")});
  EXPECT_EQ(folder.exitCode, 1);
  EXPECT_TRUE(folder.err.startsWith(dir.filePath("folder.tr4") + ": ")) << folder.err.toStdString();
  EXPECT_EQ(Lines(folder.err).size(), 1);
}

TEST(InfoLevel, AFailureDoesNotStopTheOtherInputs) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteLevelFile(dir.filePath("good.tr4"), MakeSampleLevel(G::TR4, 1)));
  const CliResult result = RunCli({"info", dir.filePath("missing.tr2"), dir.filePath("good.tr4")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, dir.filePath("missing.tr2") + ": file not found\n");
  EXPECT_TRUE(result.out.startsWith("file: " + dir.filePath("good.tr4") + "\ngeneration: TR4\n"));
}

}  // namespace

}  // namespace mosaicor
