// Damaged and hostile levels: each keeps what it really holds, or is refused, without reading
// past its data or allocating more than its bytes can fill.

#include "LevelWriter.h"
#include "RecordingProgress.h"
#include "core/level/LevelReader.h"
#include "core/level/MemoryFile.h"

#include <gtest/gtest.h>
#include <QtEndian>

namespace mosaicor {

namespace {

using G = LevelGeneration;

constexpr G kAll[] = {G::TR1, G::TR1Gold, G::TR2, G::TR3, G::TR4, G::TR5};

QString NameOf(G g) {
  LevelDescription d;
  d.generation = g;
  return LevelFileName(d);
}

TEST(LevelReaderDamage, EveryCutShortLevelLoadsWhatItHoldsAndSaysSo) {
  for (G g : kAll) {
    const LevelDescription d = MakeSampleLevel(g, 1);
    LevelLayout layout;
    const QByteArray whole = WriteLevel(d, &layout);
    // TR4 and TR5 end in sound data of any length; a cut there cannot be told.
    const qint64 end = g == G::TR4 ? whole.size() - d.soundData.size() : g == G::TR5 ? layout.soundData : whole.size();
    // Every length from the first byte after the version to the last, in steps that land in
    // every section and room list at least once for the uncompressed generations.
    const qint64 step = int(g) >= 6 ? 97 : 7;
    int loaded = 0;
    for (qint64 length = 4; length < end; length += step) {
      LevelReader level;
      const LevelOutcome result = level.LoadFromMemory(whole.left(length), NameOf(g), false);
      if (result.FailureKind() == LevelFailure::Damaged) continue;  // a chunk cut inside its compressed bytes
      ASSERT_TRUE(result.Ok()) << int(g) << " " << length << " " << result.Text().toStdString();
      EXPECT_TRUE(level.Truncated) << int(g) << " " << length;
      EXPECT_LE(qint64(level.TextileCount) * 65536, level.Textiles8.size() + (int(g) >= 3 ? 1 << 30 : 0));
      ++loaded;
    }
    EXPECT_GT(loaded, 0);
  }
}

// A count read just before the data ends must not drive the walk on: the walk stops in the first
// room, keeps its place there, and reaches none of the sections after the rooms.
TEST(LevelReaderDamage, AHugeRoomCountBeforeTheEndStopsTheWalkInTheFirstRoom) {
  for (G g : {G::TR1, G::TR2, G::TR3}) {
    LevelLayout layout;
    QByteArray bytes = WriteLevel(MakeSampleLevel(g, 1), &layout);
    bytes[layout.roomCount] = char(0xFF);
    bytes[layout.roomCount + 1] = char(0xFF);
    RecordingProgress progress;
    LevelReader level;
    level.ProgressGauge = &progress;
    ASSERT_TRUE(level.LoadFromMemory(bytes.left(layout.roomCount + 2 + 30), NameOf(g), false).Ok());
    EXPECT_TRUE(level.Truncated);
    EXPECT_EQ(level.RoomCount, 0xFFFF);
    EXPECT_STREQ(level.Place.Section, "rooms");
    EXPECT_EQ(level.Place.Room, 0);
    EXPECT_FALSE(level.TablesComplete);
    EXPECT_TRUE(level.ObjectTextures.empty());
    // No room was passed (their gauge steps start above 50) and no later section began (80).
    for (int value : progress.values) EXPECT_LE(value, 50) << int(g);
  }
}

TEST(LevelReaderDamage, PageSetsCutShortKeepOnlyTheirWholePages) {
  LevelDescription d = MakeSampleLevel(G::TR2, 3);
  LevelLayout layout;
  const QByteArray whole = WriteLevel(d, &layout);
  // Cut inside the third 16-bit page: two whole pages remain in every set.
  const qint64 pages16 = layout.textileCount + 4 + 3 * 65536;
  LevelReader level;
  ASSERT_TRUE(level.LoadFromMemory(whole.left(pages16 + 2 * 131072 + 1000), "a.tr2", false).Ok());
  EXPECT_TRUE(level.Truncated);
  EXPECT_EQ(level.TextileCount, 2);
  EXPECT_EQ(level.Textiles8, d.pages8);
  EXPECT_EQ(level.Textiles16, d.pages16.left(2 * 131072 + 1000));
  // Cut inside the 8-bit set: no 16-bit page at all.
  ASSERT_TRUE(level.LoadFromMemory(whole.left(pages16 - 10), "a.tr2", false).Ok());
  EXPECT_EQ(level.TextileCount, 0);
  EXPECT_EQ(level.Textiles8.size(), 3 * 65536 - 10);
}

TEST(LevelReaderDamage, PageCountsBeyondTheCapAreRefusedBeforeAnyPageIsKept) {
  for (G g : {G::TR1, G::TR1Gold, G::TR2, G::TR3}) {
    for (std::uint32_t count : {513u, 2000u, 0xFFFFFFFFu}) {
      LevelLayout layout;
      QByteArray bytes = WriteLevel(MakeSampleLevel(g, 1), &layout);
      PatchU32(bytes, layout.textileCount, count);
      LevelReader level;
      const LevelOutcome result = level.LoadFromMemory(bytes, NameOf(g), false);
      EXPECT_EQ(result.FailureKind(), LevelFailure::BeyondLimits) << "a level of " << count << " pages was read";
      EXPECT_EQ(result.Text(), QStringLiteral("the level claims %1 texture pages (at most 512)").arg(count));
      EXPECT_TRUE(level.Textiles8.isEmpty());
    }
  }
}

TEST(LevelReaderDamage, SixteenBitChunksBeyondTheCapAreRefused) {
  for (G g : {G::TR4, G::TR5}) {
    LevelDescription d = MakeSampleLevel(g, 1);
    d.compressionLevel = 1;
    d.pages16 = QByteArray(513 * 131072, '\0');  // one page more than any level may have
    const LevelOutcome refused = LevelReader().LoadFromMemory(WriteLevel(d), NameOf(g), true);
    EXPECT_EQ(refused.FailureKind(), LevelFailure::InflatesTooFar);
    EXPECT_EQ(refused.Text(), "compressed data unpacks to more than 64 MiB, more than any level holds");
    d.pages16.truncate(512 * 131072);
    LevelReader level;
    EXPECT_TRUE(level.LoadFromMemory(WriteLevel(d), NameOf(g), true).Ok());
    EXPECT_EQ(level.TextileCount, 1);  // the one 32-bit page the level holds
  }
}

TEST(LevelReaderDamage, HugeCountsCostNothing) {
  for (G g : {G::TR1, G::TR2, G::TR3}) {
    LevelLayout layout;
    QByteArray bytes = WriteLevel(MakeSampleLevel(g, 1), &layout);
    PatchU32(bytes, layout.textileCount, 512);  // the most a level may have, far more than the file holds
    LevelReader level;
    ASSERT_TRUE(level.LoadFromMemory(bytes, NameOf(g), false).Ok());
    EXPECT_TRUE(level.Truncated);
    EXPECT_LE(level.Textiles8.size() + level.Textiles16.size(), bytes.size());
    EXPECT_EQ(level.TextileCount, int(g) >= 3 ? 0 : bytes.size() / 65536);
  }
  for (G g : kAll) {
    for (bool objectTextures : {true, false}) {
      LevelDescription d = MakeSampleLevel(g, 1);
      d.compressionLevel = 1;
      LevelLayout layout;
      QByteArray bytes = WriteLevel(d, &layout);
      if (g == G::TR4) continue;  // the counts lie inside the compressed level data; see below
      PatchU32(bytes, objectTextures ? layout.objectTextureCount : layout.animatedTextureCount, 0xFFFFFFFF);
      LevelReader level;
      ASSERT_TRUE(level.LoadFromMemory(bytes, NameOf(g), false).Ok());
      EXPECT_TRUE(level.Truncated);
      EXPECT_LE(level.ObjectTextures.size() * 20, size_t(bytes.size()));
      EXPECT_LE(level.AnimatedTextures.size() * 2, size_t(bytes.size()));
    }
  }
}

TEST(LevelReaderDamage, HugeCountsInsideTr4LevelData) {
  // The writer's level data, patched and compressed again as the level-data chunk.
  LevelDescription d = MakeSampleLevel(G::TR4, 1);
  LevelLayout layout;
  const QByteArray whole = WriteLevel(d, &layout);
  LevelReader reference;
  ASSERT_TRUE(reference.LoadFromMemory(whole, "a.tr4", false).Ok());
  QByteArray levelData = reference.LevelData;
  PatchU32(levelData, layout.objectTextureCount, 0xFFFFFFFF);
  QByteArray bytes = whole.left(layout.chunkLevelData);
  const QByteArray packed = Deflate(levelData);
  bytes += QByteArray(8, '\0');
  PatchU32(bytes, layout.chunkLevelData, std::uint32_t(levelData.size()));
  PatchU32(bytes, layout.chunkLevelData + 4, std::uint32_t(packed.size()));
  bytes += packed;
  LevelReader level;
  ASSERT_TRUE(level.LoadFromMemory(bytes, "a.tr4", false).Ok());
  EXPECT_TRUE(level.Truncated);
  EXPECT_EQ(level.AnimatedTextures, reference.AnimatedTextures);
  EXPECT_LE(level.ObjectTextures.size() * 38, size_t(levelData.size()));
  // The place counts in the inflated level data.
  EXPECT_STREQ(level.Place.Section, "object textures");
  EXPECT_EQ(level.Place.Offset, layout.objectTextureCount);
  EXPECT_TRUE(level.Place.InLevelData);
}

TEST(LevelReaderDamage, CompressedLengthPastTheEndIsAFileCutShort) {
  for (G g : {G::TR4, G::TR5}) {
    LevelLayout layout;
    const QByteArray bytes = WriteLevel(MakeSampleLevel(g, 2), &layout);
    for (qint64 chunk : {layout.chunk32, layout.chunk16, layout.chunkMisc, layout.chunkLevelData}) {
      if (chunk < 0) continue;
      QByteArray damaged = bytes;
      PatchU32(damaged, chunk + 4, std::uint32_t(bytes.size()));
      LevelReader level;
      EXPECT_TRUE(level.LoadFromMemory(damaged, NameOf(g), true).Ok()) << chunk;
      EXPECT_TRUE(level.Truncated) << chunk;
      // Cut inside the chunk's bytes: the same.
      EXPECT_TRUE(level.LoadFromMemory(bytes.left(chunk + 20), NameOf(g), true).Ok());
      EXPECT_TRUE(level.Truncated) << chunk;
    }
  }
}

TEST(LevelReaderDamage, DeclaredChunkLengthsNeitherBoundNorSizeTheResult) {
  const LevelDescription d = MakeSampleLevel(G::TR5, 2);
  LevelLayout layout;
  const QByteArray bytes = WriteLevel(d, &layout);
  for (std::uint32_t declared : {0u, 1u, 300000u, 0xFFFFFFFFu}) {
    QByteArray lying = bytes;
    PatchU32(lying, layout.chunk32, declared);
    PatchU32(lying, layout.chunk16, declared);
    LevelReader level;
    ASSERT_TRUE(level.LoadFromMemory(lying, "a.trc", false).Ok());
    EXPECT_EQ(level.Textiles32, d.pages32) << declared;
    EXPECT_EQ(level.Textiles16.size(), 2 * 131072) << declared;
    EXPECT_EQ(level.TextileCount, 2);
    EXPECT_FALSE(level.Truncated);
  }
}

TEST(LevelReaderDamage, CorruptedChunkCheckIsRejected) {
  LevelLayout layout;
  QByteArray bytes = WriteLevel(MakeSampleLevel(G::TR4, 1), &layout);
  // The last byte of the 16-bit chunk is the end of its Adler-32 check.
  bytes[layout.chunkMisc - 1] = char(bytes[layout.chunkMisc - 1] ^ 0x10);
  LevelReader level;
  const LevelOutcome result = level.LoadFromMemory(bytes, "a.tr4", true);
  ASSERT_EQ(result.FailureKind(), LevelFailure::Damaged) << "accepted a damaged chunk";
  EXPECT_TRUE(result.Text().startsWith("damaged compressed data in the 16-bit page chunk at offset "))
      << result.Text().toStdString();
  EXPECT_TRUE(level.LevelLoaded);  // what was read is released with the next load or the object
  EXPECT_EQ(level.Textiles32.size(), 262144);
}

// A textures-only load of TR4 and TR5 still inflates and keeps all three page chunks, so damage in
// the two that nothing reads is found whichever way the level is read.
TEST(LevelReaderDamage, TexturesOnlyStillInflatesEveryPageChunk) {
  for (G g : {G::TR4, G::TR5}) {
    const LevelDescription d = MakeSampleLevel(g, 2);
    LevelLayout layout;
    const QByteArray bytes = WriteLevel(d, &layout);
    LevelReader level;
    ASSERT_TRUE(level.LoadFromMemory(bytes, NameOf(g), true).Ok());
    EXPECT_EQ(level.Textiles32, d.pages32);
    EXPECT_EQ(level.TextileCount, 2);
    EXPECT_EQ(level.Textiles16, d.pages16);
    EXPECT_EQ(level.MiscTextiles32, d.miscPages32);
    EXPECT_EQ(level.Textiles16.size(), d.pages16.size());
    EXPECT_EQ(level.MiscTextiles32.size(), d.miscPages32.size());
    const qint64 miscEnd = layout.chunkMisc + 8 + qFromLittleEndian<quint32>(bytes.constData() + layout.chunkMisc + 4);
    for (qint64 end : {layout.chunkMisc, miscEnd}) {
      QByteArray damaged = bytes;
      damaged[end - 1] = char(damaged[end - 1] ^ 0x10);  // the chunk's Adler-32 check
      for (bool texturesOnly : {true, false})
        EXPECT_EQ(level.LoadFromMemory(damaged, NameOf(g), texturesOnly).FailureKind(), LevelFailure::Damaged) << end;
    }
  }
}

TEST(LevelReaderDamage, ShortThirtyTwoBitChunkLowersThePageCount) {
  LevelDescription d = MakeSampleLevel(G::TR4, 5);
  d.pages32 = MakePages32(3);
  d.pages32.append(1000, '\0');  // and a piece of a fourth
  LevelReader level;
  ASSERT_TRUE(level.LoadFromMemory(WriteLevel(d), "a.tr4", true).Ok());
  EXPECT_EQ(level.Textiles16.size(), 5 * 131072);
  EXPECT_EQ(level.Textiles32.size(), 3 * 262144 + 1000);
  EXPECT_EQ(level.TextileCount, 3);
  EXPECT_TRUE(level.PagesShortened);
  EXPECT_GE(level.Textiles32.size(), qint64(level.TextileCount) * 262144);
}

TEST(LevelReaderDamage, Tr5SoundStartBeyondTheFileIsAShortFile) {
  LevelLayout layout;
  QByteArray bytes = WriteLevel(MakeSampleLevel(G::TR5, 1), &layout);
  const qint64 lengthAt = layout.roomCount - 12;
  PatchU32(bytes, lengthAt, 0x7FFFFFFF);
  LevelReader level;
  ASSERT_TRUE(level.LoadFromMemory(bytes, "a.trc", false).Ok());
  EXPECT_TRUE(level.Truncated);
  EXPECT_EQ(int(level.ObjectTextures.size()), 6);  // everything before the sound was read
}

TEST(LevelReaderDamage, HugeRoomCountEndsWithTheData) {
  for (G g : kAll) {
    LevelDescription d = MakeSampleLevel(g, 0);
    d.compressionLevel = 1;
    LevelLayout layout;
    QByteArray bytes = WriteLevel(d, &layout);
    if (g == G::TR4) continue;  // inside the compressed level data
    if (g == G::TR5)
      PatchU32(bytes, layout.roomCount, 0xFFFF);
    else
      PatchU16(bytes, layout.roomCount, 0xFFFF);
    LevelReader level;
    ASSERT_TRUE(level.LoadFromMemory(bytes, NameOf(g), false).Ok());
    EXPECT_TRUE(level.Truncated);
    EXPECT_EQ(level.RoomCount, 0xFFFF);
  }
}

}  // namespace

}  // namespace mosaicor
