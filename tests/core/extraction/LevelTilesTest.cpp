// A level's textures as tiles: each object texture's rectangle and triangle flag in every
// generation, identical tiles kept once with all their places, skipped records, animated ranges,
// and tiles shared by two levels.

#include "LevelWriter.h"

#include "core/extraction/LevelPages.h"
#include "core/extraction/LevelTiles.h"
#include "core/level/LevelReader.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <algorithm>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

using G = LevelGeneration;

struct Loaded {
  LevelReader level;
  QImage pages;
};

// The known-textures level of a generation, written and read back whole.
std::unique_ptr<Loaded> LoadKnownLevel(G generation, bool mask = false) {
  QTemporaryDir dir;
  const LevelDescription d = MakeKnownTexturesLevel(generation);
  const QString path = dir.filePath(LevelFileName(d));
  EXPECT_TRUE(WriteLevelFile(path, d));
  auto loaded = std::make_unique<Loaded>();
  EXPECT_TRUE(loaded->level.LoadFromFile(path, false).Ok());
  loaded->pages = LevelPagesAs32Bits(loaded->level, mask);
  return loaded;
}

struct ExpectedPlace {
  int page;
  QRect rect;
  std::vector<int> objectTextures;
  int attribute;
  bool triangle, animated;
};

// The places of MakeKnownTexturesLevel, tile by tile in the order of their first place.
const std::vector<std::vector<ExpectedPlace>>& KnownTiles() {
  static const std::vector<std::vector<ExpectedPlace>> tiles = {
      {{0, QRect(0, 0, 64, 64), {0, 1}, 1, false, false}},
      {{0, QRect(66, 66, 32, 32), {3}, 0, false, false}, {1, QRect(200, 200, 32, 32), {5}, 0, false, false}},
      {{0, QRect(128, 0, 64, 64), {2}, 0, true, false}},
      {{1, QRect(2, 66, 128, 64), {4}, 0, false, false}},
      {{2, QRect(16, 16, 16, 16), {7}, 0, false, true}},
      {{2, QRect(32, 16, 16, 16), {8}, 0, false, true}},
  };
  return tiles;
}

class EveryGeneration : public testing::TestWithParam<G> {};

TEST_P(EveryGeneration, EachObjectTextureIsCutAtItsCornersAndIdenticalOnesAreOneTile) {
  const auto loaded = LoadKnownLevel(GetParam());
  LevelTileSet tiles;
  ASSERT_TRUE(tiles.AddLevel("known", loaded->pages, loaded->level));
  EXPECT_EQ(tiles.ObjectTextures(), 9);
  EXPECT_EQ(tiles.Skipped(), 1);  // texture 6 names page 3 of three
  ASSERT_EQ(tiles.Tiles().size(), KnownTiles().size());
  for (size_t t = 0; t < KnownTiles().size(); ++t) {
    const LevelTile& tile = tiles.Tiles()[t];
    ASSERT_EQ(tile.Places.size(), KnownTiles()[t].size()) << "tile " << t;
    for (size_t p = 0; p < tile.Places.size(); ++p) {
      const TilePlace& got = tile.Places[p];
      const ExpectedPlace& want = KnownTiles()[t][p];
      EXPECT_EQ(got.Level, "known");
      EXPECT_EQ(got.Page, want.page) << "tile " << t;
      EXPECT_EQ(got.Rect, want.rect) << "tile " << t;
      EXPECT_EQ(got.ObjectTextures, want.objectTextures) << "tile " << t;
      EXPECT_EQ(got.Attribute, want.attribute) << "tile " << t;
      EXPECT_EQ(got.Triangle, want.triangle) << "tile " << t;
      EXPECT_EQ(got.Animated, want.animated) << "tile " << t;
      EXPECT_EQ(tile.Pixels, loaded->pages.copy(want.rect.translated(0, want.page * 256))) << "tile " << t;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(LevelTiles, EveryGeneration,
                         testing::Values(G::TR1, G::TR1Gold, G::TR2, G::TR3, G::TR4, G::TR5));

TEST(LevelTiles, TransparencyIsThePagesOwn) {
  const auto masked = LoadKnownLevel(G::TR4, true);
  LevelTileSet tiles;
  ASSERT_TRUE(tiles.AddLevel("known", masked->pages, masked->level));
  // Texture 3 at (66, 66) covers the page's transparent block (64..79, 64..79).
  EXPECT_EQ(tiles.Tiles()[1].Pixels.pixel(0, 0), 0xFFFF00FFu);
  EXPECT_EQ(tiles.Tiles()[1].Pixels.pixel(13, 13), 0xFFFF00FFu);
  EXPECT_NE(tiles.Tiles()[1].Pixels.pixel(14, 14), 0xFFFF00FFu);
}

TEST(LevelTiles, WithoutMergingEveryObjectTextureIsATile) {
  const auto loaded = LoadKnownLevel(G::TR2);
  LevelTileSet tiles(false);
  ASSERT_TRUE(tiles.AddLevel("known", loaded->pages, loaded->level));
  ASSERT_EQ(tiles.Tiles().size(), 8u);
  std::vector<int> indices;
  for (const LevelTile& tile : tiles.Tiles()) {
    ASSERT_EQ(tile.Places.size(), 1u);
    ASSERT_EQ(tile.Places[0].ObjectTextures.size(), 1u);
    indices.push_back(tile.Places[0].ObjectTextures[0]);
  }
  EXPECT_EQ(indices, (std::vector<int>{0, 1, 3, 2, 4, 5, 7, 8}));                       // by page, then position
  EXPECT_EQ(tiles.Tiles()[0].Pixels.constBits(), tiles.Tiles()[1].Pixels.constBits());  // stored once
}

TEST(LevelTiles, ALevelAddedTwiceAddsPlacesNotTiles) {
  const auto loaded = LoadKnownLevel(G::TR5);
  LevelTileSet tiles;
  ASSERT_TRUE(tiles.AddLevel("a.trc", loaded->pages, loaded->level));
  ASSERT_TRUE(tiles.AddLevel("b.trc", loaded->pages, loaded->level));
  EXPECT_EQ(tiles.Levels(), QStringList({"a.trc", "b.trc"}));
  EXPECT_EQ(tiles.ObjectTextures(), 18);
  EXPECT_EQ(tiles.Skipped(), 2);
  ASSERT_EQ(tiles.Tiles().size(), KnownTiles().size());
  ASSERT_EQ(tiles.Tiles()[0].Places.size(), 2u);
  EXPECT_EQ(tiles.Tiles()[0].Places[1].Level, "b.trc");
  EXPECT_EQ(tiles.Tiles()[1].Places.size(), 4u);
}

TEST(LevelTiles, AnimatedRangesThatRunPastTheListAreNotRead) {
  EXPECT_EQ(AnimatedObjectTextures({2, 1, 0, 3, 5, 9, 9}, 10),
            (std::vector<bool>{true, false, false, true, false, false, false, false, false, false}));
  EXPECT_EQ(AnimatedObjectTextures({1, 0, 12}, 4), std::vector<bool>(4, false));  // index past the list
  EXPECT_TRUE(AnimatedObjectTextures({}, 0).empty());
}


// The corners as levels really store them. A classic TR1 triangle leaves its fourth corner's
// fraction bytes 0 and its pixel bytes over; today's editors store the far edge as the next pixel
// or sub-pixel centres.
TEST(LevelTiles, CornersAreReadAsTheirLevelWritesThem) {
  const auto corner = [](int u, int uLow, int v, int vLow) {
    return ObjectTextureVertex{std::uint8_t(uLow), std::uint8_t(u), std::uint8_t(vLow), std::uint8_t(v)};
  };
  const auto texture = [](std::uint16_t tile, std::array<ObjectTextureVertex, 4> corners) {
    ObjectTexture t;
    t.Tile = tile;
    t.Vertices = corners;
    return t;
  };
  // Classic: (144,0), (207,0), (144,63) and a stray fourth corner (207,63) with zero fractions.
  const ObjectTexture stray = texture(2, {corner(144, 1, 0, 1), corner(207, 255, 0, 1), corner(144, 1, 63, 255),
                                          corner(207, 0, 63, 0)});
  ASSERT_EQ(CornerRuleOf({stray}), CornerRule::Inclusive);
  const auto classic = CutOfObjectTexture(stray, GameVersion(1), 3, CornerRule::Inclusive);
  ASSERT_TRUE(classic);
  EXPECT_TRUE(classic->Triangle);
  EXPECT_EQ(classic->Rect, QRect(144, 0, 64, 64));

  // Pixel edges (0.0 .. 64.0) and sub-pixel centres (0.5 .. 63.5) are both 64 wide.
  const ObjectTexture edges = texture(0, {corner(0, 0, 0, 0), corner(64, 0, 0, 0), corner(64, 0, 64, 0),
                                          corner(0, 0, 64, 0)});
  const ObjectTexture centres = texture(0, {corner(192, 127, 0, 127), corner(255, 127, 0, 127),
                                            corner(255, 127, 31, 127), corner(192, 127, 31, 127)});
  ASSERT_EQ(CornerRuleOf({edges}), CornerRule::FixedPoint);
  ASSERT_EQ(CornerRuleOf({edges, centres}), CornerRule::FixedPoint);
  EXPECT_EQ(CutOfObjectTexture(edges, GameVersion(6), 1, CornerRule::FixedPoint)->Rect, QRect(0, 0, 64, 64));
  EXPECT_EQ(CutOfObjectTexture(centres, GameVersion(7), 1, CornerRule::FixedPoint)->Rect, QRect(192, 0, 64, 32));
  // A TR3 triangle of such a level is told by an all-zero fourth corner only.
  EXPECT_FALSE(CutOfObjectTexture(edges, GameVersion(5), 1, CornerRule::FixedPoint)->Triangle);
}

TEST(LevelTiles, ARealTr1LevelGivesTheSizesItsBuildersDrew) {
  const QString path = QStringLiteral(MOSAICOR_SHARED_TESTDATA "/levels/altroom1-LEVEL1.PHD");
  if (!QFileInfo::exists(path)) GTEST_SKIP() << "no shared test data";
  LevelReader level;
  ASSERT_TRUE(level.LoadFromFile(path, false).Ok());
  LevelTileSet tiles;
  ASSERT_TRUE(tiles.AddLevel("altroom1", LevelPagesAs32Bits(level, false), level));
  bool found458 = false;
  for (const LevelTile& tile : tiles.Tiles()) {
    // Drawn in even sizes: a stray corner no longer gives 65 or 200 pixels.
    EXPECT_EQ(tile.Pixels.width() % 2 + tile.Pixels.height() % 2, 0) << tile.Pixels.width() << "x" << tile.Pixels.height();
    for (const TilePlace& place : tile.Places)
      if (std::count(place.ObjectTextures.begin(), place.ObjectTextures.end(), 458)) {
        found458 = true;
        EXPECT_EQ(place.Page, 2);
        EXPECT_EQ(place.Rect, QRect(144, 0, 64, 64));
        EXPECT_TRUE(place.Triangle);
      }
  }
  EXPECT_TRUE(found458);
}

}  // namespace

}  // namespace mosaicor
