// Levels written by other people's tools (see the shared test data's README): the walk must
// reach the end of each with every section where the format puts it.

#include "core/level/LevelReader.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>

namespace mosaicor {

namespace {

QString RealLevel(const char* name) { return QStringLiteral(MOSAICOR_SHARED_TESTDATA "/levels/") + name; }

// The animated-texture list holds its ranges whole, each index inside the object textures (real
// levels may pad the list with zero words after the ranges).
bool AnimatedListIsWhole(const LevelReader& level) {
  const auto& words = level.AnimatedTextures;
  if (words.empty()) return true;
  size_t at = 1;
  for (int range = 0; range < words[0]; ++range) {
    if (at >= words.size()) return false;
    const size_t entries = size_t(words[at++]) + 1;
    for (size_t i = 0; i < entries; ++i, ++at)
      if (at >= words.size() || words[at] >= level.ObjectTextures.size()) return false;
  }
  return at <= words.size();
}

TEST(RealLevels, Tr1LevelIsWalkedToItsEnd) {
  const QString path = RealLevel("altroom1-LEVEL1.PHD");
  if (!QFileInfo::exists(path)) GTEST_SKIP() << "no shared test data";
  LevelReader level;
  ASSERT_TRUE(level.LoadFromFile(path, false).Ok());
  EXPECT_FALSE(level.Truncated);
  EXPECT_EQ(int(level.GameVersion), 1);
  EXPECT_FALSE(level.LayoutFromContent);
  EXPECT_FALSE(level.PaletteAfterSprites);
  EXPECT_GT(level.TextileCount, 0);
  EXPECT_EQ(level.Textiles8.size(), qint64(level.TextileCount) * 65536);
  EXPECT_GT(level.RoomCount, 0);
  EXPECT_GT(int(level.ObjectTextures.size()), 0);
  EXPECT_TRUE(AnimatedListIsWhole(level));
  // Its palette, found after the light map, starts with the entry the README describes.
  EXPECT_EQ(level.Palette8[0], 255);
  EXPECT_EQ(level.Palette8[1], 0);
  EXPECT_EQ(level.Palette8[2], 255);
  for (const ObjectTexture& t : level.ObjectTextures) EXPECT_LT(t.Tile & 0x7FFF, level.TextileCount);
}

TEST(RealLevels, Tr5LevelIsWalkedToItsEnd) {
  const QString path = RealLevel("lake.trc");
  if (!QFileInfo::exists(path)) GTEST_SKIP() << "no shared test data";
  LevelReader level;
  ASSERT_TRUE(level.LoadFromFile(path, false).Ok());
  EXPECT_FALSE(level.Truncated);
  EXPECT_EQ(int(level.GameVersion), 7);
  EXPECT_FALSE(level.LayoutFromContent);
  EXPECT_EQ(level.TextileCount, 9);
  EXPECT_FALSE(level.PagesShortened);
  EXPECT_GT(level.RoomCount, 0);
  EXPECT_GT(int(level.ObjectTextures.size()), 0);
  EXPECT_TRUE(AnimatedListIsWhole(level));
  for (const ObjectTexture& t : level.ObjectTextures) EXPECT_LT(t.Tile & 0x7FFF, level.TextileCount);
}

// Real files under misleading names: the content decides.
TEST(RealLevels, MisnamedLevelsAreReadByTheirContent) {
  const struct {
    const char* file;
    const char* misnamed;
    int gameVersion;
  } cases[] = {{"lake.trc", "/x/lake.tr4", 7}, {"altroom1-LEVEL1.PHD", "/x/LEVEL1.TUB", 2}};
  for (const auto& c : cases) {
    QFile file(RealLevel(c.file));
    if (!file.open(QIODevice::ReadOnly)) GTEST_SKIP() << "no shared test data";
    const QByteArray bytes = file.readAll();
    LevelReader named, misnamed;
    ASSERT_TRUE(named.LoadFromMemory(bytes, RealLevel(c.file), false).Ok());
    ASSERT_TRUE(misnamed.LoadFromMemory(bytes, c.misnamed, false).Ok()) << c.misnamed;
    EXPECT_FALSE(misnamed.Truncated) << c.misnamed;
    EXPECT_TRUE(misnamed.LayoutFromContent) << c.misnamed;
    EXPECT_EQ(int(misnamed.GameVersion), c.gameVersion) << c.misnamed;
    EXPECT_EQ(misnamed.Palette8, named.Palette8) << c.misnamed;
    EXPECT_EQ(misnamed.ObjectTextures, named.ObjectTextures) << c.misnamed;
    EXPECT_EQ(misnamed.AnimatedTextures, named.AnimatedTextures) << c.misnamed;
  }
}

}  // namespace

}  // namespace mosaicor
