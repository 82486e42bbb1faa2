#include "LevelWriter.h"
#include "RecordingProgress.h"
#include "core/level/LevelReader.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

using G = LevelGeneration;

std::vector<std::uint16_t> Words(const LevelDescription& d) {
  std::vector<std::uint16_t> words{std::uint16_t(d.animatedRanges.size())};
  for (const auto& range : d.animatedRanges) {
    words.push_back(std::uint16_t(range.size() - 1));
    words.insert(words.end(), range.begin(), range.end());
  }
  return words;
}

struct GenerationCase {
  G generation;
  std::uint32_t fileVersion;
  bool container;
};

class EveryGeneration : public testing::TestWithParam<GenerationCase> {};

TEST_P(EveryGeneration, FullLoadKeepsEverySectionTheExtractionNeeds) {
  LevelDescription d = MakeSampleLevel(GetParam().generation, 3);
  d.fileVersion = GetParam().fileVersion;
  d.zlibContainer = GetParam().container;
  const int gv = int(d.generation);
  LevelReader level;
  ASSERT_TRUE(level.LoadFromMemory(WriteLevel(d), "/levels/" + LevelFileName(d), false).Ok());
  EXPECT_FALSE(level.Truncated);
  EXPECT_TRUE(level.LevelLoaded);
  EXPECT_EQ(int(level.GameVersion), gv);
  const std::uint32_t usual[] = {0, 0x20, 0x20, 0x2D, 0x2D, 0xFF080038, 0x00345254, 0x00345254};
  EXPECT_EQ(level.FileVersion, d.fileVersion ? d.fileVersion : usual[gv]);
  EXPECT_EQ(level.TextileCount, 3);
  EXPECT_EQ(level.Textiles8, gv <= 5 ? d.pages8 : QByteArray());
  EXPECT_EQ(level.Textiles16, gv >= 3 ? d.pages16 : QByteArray());
  EXPECT_EQ(level.Textiles32, d.pages32);
  EXPECT_EQ(level.MiscTextiles32, d.miscPages32);
  if (gv <= 5) {
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(level.Palette8.data()), 768), d.palette8);
  }
  EXPECT_EQ(level.RoomCount, 3);
  EXPECT_EQ(int(level.ObjectTextures.size()), 6);
  EXPECT_EQ(level.ObjectTextures, d.objectTextures);
  EXPECT_EQ(level.AnimatedTextures, Words(d));
  EXPECT_EQ(int(level.AnimatedTextures.size()), int(Words(d).size()));
  EXPECT_EQ(level.SoundData, gv <= 2 ? d.samples : d.soundData);
  EXPECT_EQ(level.LevelData.isEmpty(), gv != 6);
}

TEST_P(EveryGeneration, TexturesOnlyStopsAfterThePagesExceptForTr1) {
  LevelDescription d = MakeSampleLevel(GetParam().generation, 2);
  d.fileVersion = GetParam().fileVersion;
  d.zlibContainer = GetParam().container;
  const int gv = int(d.generation);
  RecordingProgress progress;
  LevelReader level;
  level.ProgressGauge = &progress;
  ASSERT_TRUE(level.LoadFromMemory(WriteLevel(d), LevelFileName(d), true).Ok());
  EXPECT_FALSE(level.Truncated);
  EXPECT_EQ(level.TextileCount, 2);
  EXPECT_EQ(gv >= 6   ? level.Textiles32
            : gv >= 3 ? level.Textiles16
                      : level.Textiles8,
            gv >= 6   ? d.pages32
            : gv >= 3 ? d.pages16
                      : d.pages8);
  if (gv <= 2) {
    // TR1's palette lies after the rooms: the whole file is still read.
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(level.Palette8.data()), 768), d.palette8);
    EXPECT_EQ(level.ObjectTextures, d.objectTextures);
  } else {
    EXPECT_TRUE(level.ObjectTextures.empty());
    EXPECT_TRUE(level.AnimatedTextures.empty());
    EXPECT_EQ(level.RoomCount, 0);
  }
  EXPECT_EQ(level.SoundData.isEmpty(), gv != 6 && gv > 2);  // TR4's sound precedes the stop
  EXPECT_EQ(progress.values.back(), 0);
}

INSTANTIATE_TEST_SUITE_P(Level, EveryGeneration,
                         testing::Values(GenerationCase{G::TR1, 0, false}, GenerationCase{G::TR1Gold, 0, false},
                                         GenerationCase{G::TR2, 0, false}, GenerationCase{G::TR2Trg, 0, false},
                                         GenerationCase{G::TR3, 0, false}, GenerationCase{G::TR3, 0xFF180038, false},
                                         GenerationCase{G::TR4, 0, false}, GenerationCase{G::TR4, 0xFFFFFFF0, false},
                                         GenerationCase{G::TR5, 0, false}, GenerationCase{G::TR5, 0xFFFFFFF0, false},
                                         GenerationCase{G::TR1, 0, true}, GenerationCase{G::TR2, 0, true},
                                         GenerationCase{G::TR4, 0, true}, GenerationCase{G::TR5, 0, true}));

struct NameCase {
  G written;
  const char* name;
  int gameVersion;
};

TEST(LevelReader, NameTestsSearchTheWholePathInTwoLetterCasesOnly) {
  const NameCase cases[] = {
      {G::TR1, "/x/level.phd", 1},       {G::TR1, "/x/LEVEL.TUB", 2},       {G::TR1, "/x/level.tub", 2},
      {G::TR1, "/old.tub/level.phd", 2}, {G::TR1, "/x/level.Tub", 1},       {G::TR2, "/x/level.tr2", 3},
      {G::TR2, "/x/level.TRG", 4},       {G::TR2, "/x/level.trg", 4},       {G::TR2, "/x/level.Trg", 3},
      {G::TR4, "/x/level.tr4", 6},       {G::TR4, "/x/level.TRC", 7},       {G::TR4, "/x/level.trc", 7},
      {G::TR4, "/x/level.Trc", 6},       {G::TR4, "/a.trc.d/level.tr4", 7},
  };
  for (const NameCase& c : cases) {
    // A TR4 level read as TR5 stops before its level-data chunk, so textures-only reads it either way.
    const QByteArray bytes = WriteLevel(MakeSampleLevel(c.written, 1));
    LevelReader level;
    ASSERT_TRUE(level.LoadFromMemory(bytes, c.name, true).Ok()) << c.name;
    EXPECT_EQ(int(level.GameVersion), c.gameVersion) << c.name;
  }
}

TEST(LevelReader, TheContentDecidesWhereTheNamePicksTheWrongLayout) {
  struct Case {
    G written;
    bool demo;  // TR1: the demo layout, palette after the sprite sequences
    const char* name;
    int gameVersion;
    bool paletteAfterSprites;
    bool fromContent;
  };
  const Case cases[] = {
      {G::TR1, true, "/demo/LEVEL2.PHD", 1, true, true},    // a TR1 demo level
      {G::TR1, true, "/demo/level2.phd", 1, true, true},    //
      {G::TR1, false, "/x/level.PHD", 1, false, false},     // retail TR1: as named
      {G::TR1Gold, false, "/x/egypt.tub", 2, true, false},  // TR1 Gold: as named
      {G::TR1, false, "/x/level.tub", 2, false, true},      // a TR1 level named .tub
      {G::TR5, false, "/x/lake.tr4", 7, false, true},       // a TR5 level named .tr4
      {G::TR4, false, "/x/level.trc", 6, false, true},      // a TR4 level named .trc
      {G::TR4, false, "/x/level.tr4", 6, false, false},    {G::TR5, false, "/x/level.trc", 7, false, false},
  };
  for (const Case& c : cases) {
    LevelDescription d = MakeSampleLevel(c.written, 2);
    d.tr1DemoLayout = c.demo;
    const QByteArray bytes = WriteLevel(d);
    LevelReader level;
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(level.LoadFromMemory(bytes, c.name, false).Ok());
    EXPECT_FALSE(level.Truncated);
    EXPECT_EQ(int(level.GameVersion), c.gameVersion);
    EXPECT_EQ(level.LayoutFromContent, c.fromContent);
    if (c.gameVersion <= 2) {
      EXPECT_EQ(level.PaletteAfterSprites, c.paletteAfterSprites);
      EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(level.Palette8.data()), 768), d.palette8);
      EXPECT_EQ(level.SoundData, d.samples);
    } else {
      EXPECT_EQ(level.Textiles32, d.pages32);
      EXPECT_EQ(level.SoundData, d.soundData);
    }
    EXPECT_EQ(level.TextileCount, 2);
    EXPECT_EQ(level.ObjectTextures, d.objectTextures);
    EXPECT_EQ(level.AnimatedTextures, Words(d));
    EXPECT_TRUE(level.PagesComplete);
    EXPECT_TRUE(level.TablesComplete);
    // Textures only: the same generation and pages.
    LevelReader pagesOnly;
    ASSERT_TRUE(pagesOnly.LoadFromMemory(bytes, c.name, true).Ok());
    EXPECT_FALSE(pagesOnly.Truncated);
    EXPECT_EQ(pagesOnly.TextileCount, 2);
    if (c.written == G::TR5) {
      EXPECT_EQ(int(pagesOnly.GameVersion), 7);
    }
    if (c.gameVersion <= 2) {
      EXPECT_EQ(pagesOnly.Palette8, level.Palette8);
    }
  }
}

TEST(LevelReader, ATr1DemoLevelOnDiskIsReadToItsEnd) {
  QTemporaryDir dir;
  LevelDescription d = MakeSampleLevel(G::TR1, 3);
  d.tr1DemoLayout = true;
  const QString path = dir.filePath("LEVEL2.PHD");
  ASSERT_TRUE(WriteLevelFile(path, d));
  LevelReader level;
  ASSERT_TRUE(level.LoadFromFile(path, false).Ok());
  EXPECT_FALSE(level.Truncated);
  EXPECT_EQ(int(level.GameVersion), 1);
  EXPECT_TRUE(level.PaletteAfterSprites);
  EXPECT_EQ(level.Textiles8, d.pages8);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(level.Palette8.data()), 768), d.palette8);
  EXPECT_EQ(level.SoundData, d.samples);
}

TEST(LevelReader, EncryptedTr4IsRefusedAsSuch) {
  QByteArray bytes = WriteLevel(MakeSampleLevel(G::TR4, 1));
  bytes[3] = 'c';
  for (const char* name : {"a.tr4", "a.trc", "a.phd"}) {
    LevelReader level;
    EXPECT_EQ(level.LoadFromMemory(bytes, name, false).FailureKind(), LevelFailure::Encrypted) << name;
    EXPECT_EQ(level.FileVersion, 0u);
    EXPECT_FALSE(level.LevelLoaded);
  }
  LevelReader level;
  EXPECT_EQ(level.LoadFromMemory("TR4", "a.tr4", false).FailureKind(), LevelFailure::UnknownVersion);
}

// A file that is damaged in either layout keeps the failure of the layout its name picks, with
// the place where the reading stopped.
TEST(LevelReader, AFailureNamesTheSectionAndItsOffset) {
  LevelLayout layout;
  QByteArray tr2 = WriteLevel(MakeSampleLevel(G::TR2, 1), &layout);
  PatchU32(tr2, layout.objectTextureCount, 0xFFFFFF);
  LevelReader level;
  ASSERT_TRUE(level.LoadFromMemory(tr2, "a.tr2", false).Ok());
  EXPECT_TRUE(level.Truncated);
  EXPECT_STREQ(level.Place.Section, "object textures");
  EXPECT_EQ(level.Place.Offset, layout.objectTextureCount);
  EXPECT_FALSE(level.Place.InLevelData);

  for (G g : {G::TR1, G::TR1Gold}) {
    QByteArray tr1 = WriteLevel(MakeSampleLevel(g, 1), &layout);
    PatchU32(tr1, layout.animatedTextureCount, 0xFFFFFF);
    ASSERT_TRUE(level.LoadFromMemory(tr1, g == G::TR1 ? "a.phd" : "a.tub", false).Ok());
    EXPECT_TRUE(level.Truncated);
    EXPECT_EQ(int(level.GameVersion), int(g));
    EXPECT_FALSE(level.LayoutFromContent);
    EXPECT_STREQ(level.Place.Section, "animated textures");
    EXPECT_EQ(level.Place.Offset, layout.animatedTextureCount);
  }

  const QByteArray tr4 = WriteLevel(MakeSampleLevel(G::TR4, 2), &layout);
  QByteArray cut16 = tr4;
  cut16[layout.chunkMisc - 1] = char(cut16[layout.chunkMisc - 1] ^ 1);  // the 16-bit chunk's check value
  for (const char* name : {"a.tr4", "a.trc"}) {
    const LevelOutcome damage = level.LoadFromMemory(cut16, name, true);
    EXPECT_EQ(damage.FailureKind(), LevelFailure::Damaged) << name;
    EXPECT_EQ(damage.Text().toStdString(), "damaged compressed data in the 16-bit page chunk at offset " +
                                               std::to_string(layout.chunk16) + " (0x" +
                                               QByteArray::number(layout.chunk16, 16).toStdString() + ")")
        << name;
  }
  LevelDescription packed = MakeSampleLevel(G::TR2, 1);
  packed.zlibContainer = true;
  QByteArray container = WriteLevel(packed);
  container[container.size() - 1] = char(container[container.size() - 1] ^ 1);
  const LevelOutcome damage = level.LoadFromMemory(container, "a.tr2", false);
  EXPECT_EQ(damage.FailureKind(), LevelFailure::Damaged);
  EXPECT_EQ(damage.Text(), "damaged compressed data in the ZLIB container at offset 0 (0x0)");
}

TEST(LevelReader, Tr3PicturesFileEndsItsWalkAfterThePages) {
  LevelDescription d = MakeSampleLevel(G::TR3, 2);
  d.fileVersion = LevelReader::kTr3PicturesVersion;
  for (bool texturesOnly : {false, true}) {
    LevelReader level;
    ASSERT_TRUE(level.LoadFromMemory(WriteLevel(d), "VICT.TR2", texturesOnly).Ok());
    EXPECT_EQ(int(level.GameVersion), 5);
    EXPECT_EQ(level.FileVersion, 0xFF180034u);
    EXPECT_FALSE(level.Truncated);
    EXPECT_EQ(level.TextileCount, 2);
    EXPECT_EQ(level.Textiles16, d.pages16);
    EXPECT_TRUE(level.ObjectTextures.empty());
  }
}

TEST(LevelReader, UnknownAndTooShortFilesAreRefused) {
  const QByteArray unknown[] = {QByteArray(), QByteArray("\x20\0\0", 3), QByteArray("\x21\0\0\0", 4),
                                QByteArray("TR5\0", 4), QByteArray("ZLIB\0\0\0\0\0\0\0\0", 12)};
  for (const QByteArray& bytes : unknown) {
    LevelReader level;
    EXPECT_EQ(level.LoadFromMemory(bytes, "a.tr4", false).FailureKind(), LevelFailure::UnknownVersion) << bytes.size();
    EXPECT_EQ(level.FileVersion, 0u);
    EXPECT_EQ(int(level.GameVersion), 0);
    EXPECT_FALSE(level.LevelLoaded);
  }
}

TEST(LevelReader, FilesOnDisk) {
  QTemporaryDir dir;
  const LevelDescription d = MakeSampleLevel(G::TR2, 1);
  const QString path = dir.filePath(LevelFileName(d));
  ASSERT_TRUE(WriteLevelFile(path, d));
  LevelReader level;
  EXPECT_TRUE(level.LoadFromFile(path, false).Ok());
  EXPECT_EQ(level.Textiles16, d.pages16);
  EXPECT_EQ(level.LoadFromFile(dir.filePath("missing.tr2"), false).FailureKind(), LevelFailure::FileMissing);
  EXPECT_FALSE(level.LevelLoaded);  // the level held before has been released
  EXPECT_TRUE(level.Textiles16.isEmpty());
}

TEST(LevelReader, FreeLevelDataReturnsToTheEmptyState) {
  RecordingProgress progress;
  LevelReader level;
  level.ProgressGauge = &progress;
  ASSERT_TRUE(level.LoadFromMemory(WriteLevel(MakeSampleLevel(G::TR4, 1)), "a.tr4", false).Ok());
  level.FreeLevelData();
  EXPECT_FALSE(level.LevelLoaded);
  EXPECT_EQ(int(level.GameVersion), 0);
  EXPECT_EQ(level.FileVersion, 0u);
  EXPECT_EQ(level.TextileCount, 0);
  EXPECT_TRUE(level.Textiles32.isEmpty() && level.LevelData.isEmpty() && level.SoundData.isEmpty());
  EXPECT_TRUE(level.ObjectTextures.empty() && level.AnimatedTextures.empty());
  EXPECT_EQ(level.ProgressGauge, &progress);
  level.FreeLevelData();  // releasing an empty object does nothing
  EXPECT_FALSE(level.LevelLoaded);
}

std::vector<int> ProgressOf(const QByteArray& bytes, const QString& name, bool texturesOnly, LevelReader& level) {
  RecordingProgress progress;
  level.ProgressGauge = &progress;
  (void)level.LoadFromMemory(bytes, name, texturesOnly);  // the failures end the progress too
  level.ProgressGauge = nullptr;
  return progress.values;
}

TEST(LevelReader, ProgressValuesOfEachGeneration) {
  using V = std::vector<int>;
  auto withRooms = [](G g, int rooms) {
    LevelDescription d = MakeSampleLevel(g, 1);
    d.rooms.assign(size_t(rooms), RoomDescription{});
    return WriteLevel(d);
  };
  LevelReader level;
  EXPECT_EQ(ProgressOf(withRooms(G::TR1, 4), "a.phd", false, level),
            (V{0, 30, 50, 57, 65, 72, 80, 80, 85, 90, 100, 0}));
  // A level already held is released first: 10.
  EXPECT_EQ(ProgressOf(withRooms(G::TR2, 3), "a.tr2", false, level),
            (V{0, 10, 30, 50, 60, 70, 80, 80, 85, 90, 100, 0}));
  EXPECT_EQ(ProgressOf(withRooms(G::TR3, 0), "a.tr2", true, level), (V{0, 10, 30, 50, 0}));
  level.FreeLevelData();
  EXPECT_EQ(ProgressOf(withRooms(G::TR4, 1), "a.tr4", false, level), (V{0, 20, 30, 40, 50, 80, 80, 85, 90, 100, 0}));
  level.FreeLevelData();
  EXPECT_EQ(ProgressOf(withRooms(G::TR4, 7), "a.tr4", true, level), (V{0, 20, 30, 40, 50, 0}));
  level.FreeLevelData();
  EXPECT_EQ(ProgressOf(withRooms(G::TR5, 2), "a.trc", false, level), (V{0, 20, 30, 40, 65, 80, 80, 85, 90, 100, 0}));
  level.FreeLevelData();
  EXPECT_EQ(ProgressOf("nope", "a.tr4", false, level), (V{0, 0}));
}

TEST(LevelReader, AnimatedListIsKeptAsStored) {
  LevelDescription d = MakeSampleLevel(G::TR2, 1);
  d.animatedRanges = {{10, 11}, {7}};
  LevelReader level;
  ASSERT_TRUE(level.LoadFromMemory(WriteLevel(d), "a.tr2", false).Ok());
  EXPECT_EQ(level.AnimatedTextures, (std::vector<std::uint16_t>{2, 1, 10, 11, 0, 7}));
  // A list that disagrees with its own ranges is not checked; a count of 0 gives no list.
  d.animatedWords = std::vector<std::uint16_t>{5, 3};
  ASSERT_TRUE(level.LoadFromMemory(WriteLevel(d), "a.tr2", false).Ok());
  EXPECT_EQ(level.AnimatedTextures, (std::vector<std::uint16_t>{5, 3}));
  d.animatedWords = std::vector<std::uint16_t>{};
  ASSERT_TRUE(level.LoadFromMemory(WriteLevel(d), "a.tr2", false).Ok());
  EXPECT_TRUE(level.AnimatedTextures.empty());
  EXPECT_EQ(int(level.AnimatedTextures.size()), 0);
  EXPECT_FALSE(level.Truncated);
}

TEST(LevelReader, Tr5RoomsAreFoundByTheirDeclaredLength) {
  LevelDescription d = MakeSampleLevel(G::TR5, 1);
  d.rooms[0].tr5DataLength = 1000;
  d.rooms[0].tr5PartsLength = 10;
  d.rooms[1].tr5DataLength = 0;
  LevelReader level;
  ASSERT_TRUE(level.LoadFromMemory(WriteLevel(d), "a.trc", false).Ok());
  EXPECT_FALSE(level.Truncated);
  EXPECT_EQ(level.ObjectTextures, d.objectTextures);
  EXPECT_EQ(level.SoundData, d.soundData);
}

TEST(LevelReader, TextileCountOfCompressedLevelsComesFromThe16BitChunk) {
  LevelDescription d = MakeSampleLevel(G::TR4, 12);
  LevelReader level;
  ASSERT_TRUE(level.LoadFromMemory(WriteLevel(d), "a.tr4", true).Ok());
  EXPECT_EQ(level.Textiles16.size(), 1572864);
  EXPECT_EQ(level.TextileCount, 12);
  EXPECT_EQ(level.Textiles32.size(), 12 * 262144);
  EXPECT_FALSE(level.PagesShortened);
}

}  // namespace

}  // namespace mosaicor
