// The animated textures laid out range by range: slot placement, texture rectangles, stretching,
// the magenta background, and levels of every generation pixel for pixel.

#include "ExpectedPages.h"
#include "LevelWriter.h"
#include "RecordingHost.h"

#include "core/extraction/AnimatedLayout.h"
#include "core/extraction/LevelPages.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/level/LevelReader.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

using G = LevelGeneration;

ObjectTexture Texture(int tile, int x1, int y1, int x2, int y2) {
  ObjectTexture t;
  t.Tile = std::uint16_t(tile);
  t.Vertices[0] = {0, std::uint8_t(x1), 0, std::uint8_t(y1)};
  t.Vertices[1] = {0, std::uint8_t(x2), 0, std::uint8_t(y1)};
  t.Vertices[2] = {0, std::uint8_t(x2), 0, std::uint8_t(y2)};
  t.Vertices[3] = {0, std::uint8_t(x1), 0, std::uint8_t(y2)};
  return t;
}

std::vector<std::uint16_t> Words(const std::vector<std::vector<std::uint16_t>>& ranges) {
  std::vector<std::uint16_t> words{std::uint16_t(ranges.size())};
  for (const auto& r : ranges) {
    words.push_back(std::uint16_t(r.size() - 1));
    words.insert(words.end(), r.begin(), r.end());
  }
  return words;
}

std::vector<int> SlotNumbers(const std::vector<AnimSlot>& laid) {
  std::vector<int> numbers;
  for (const AnimSlot& s : laid) numbers.push_back(s.Slot);
  return numbers;
}

TEST(AnimatedLayout, RangesStartOnNewRows) {
  const std::vector<ObjectTexture> textures(20, Texture(0, 0, 0, 63, 63));
  const struct {
    std::vector<std::vector<std::uint16_t>> ranges;
    std::vector<int> slotNumbers;
  } cases[] = {
      {{{1, 2, 3}, {4, 5, 6, 7}, {8}}, {0, 1, 2, 4, 5, 6, 7, 12}},  // a full row leaves an empty one
      {{{1}, {2}}, {0, 4}},
      {{{1, 2, 3, 4, 5}, {6, 7}}, {0, 1, 2, 3, 4, 8, 9}},
  };
  for (const auto& c : cases) EXPECT_EQ(SlotNumbers(LayoutAnimSlots(Words(c.ranges), textures, 1)), c.slotNumbers);
}

TEST(AnimatedLayout, TextureRectangles) {
  ObjectTexture triangle = Texture(1, 10, 20, 41, 51);
  triangle.Vertices[2] = triangle.Vertices[0];  // (10, 20), (41, 20), (10, 20) + vertex 3 unused
  triangle.Vertices[1] = {0, 41, 0, 51};
  ObjectTexture flipped = Texture(0, 63, 63, 0, 0);
  ObjectTexture flagged = Texture(0x8001, 0, 0, 31, 31);  // TR4/TR5 triangle flag in bit 15
  const struct {
    ObjectTexture texture;
    QRect rect;
  } cases[] = {
      {Texture(0, 0, 0, 63, 63), QRect(0, 0, 64, 64)},
      {Texture(2, 128, 64, 255, 255), QRect(128, 512 + 64, 128, 192)},
      {triangle, QRect(QPoint(10, 276), QPoint(41, 307))},
      {flipped, QRect(0, 0, 64, 64)},
      {flagged, QRect(0, 256, 32, 32)},
      {Texture(3, 0, 0, 63, 63), QRect()},  // page 3 of 3 does not exist
      {Texture(0x7FFF, 0, 0, 63, 63), QRect()},
  };
  for (const auto& c : cases) EXPECT_EQ(ObjectTextureRect(c.texture, 3), c.rect);
}

TEST(AnimatedLayout, DamagedListsAreReadAsFarAsTheyHold) {
  const std::vector<ObjectTexture> textures(4, Texture(0, 0, 0, 63, 63));
  // An index past the object textures keeps its slot, without a rectangle.
  const auto missing = LayoutAnimSlots(Words({{1, 9, 2}}), textures, 1);
  ASSERT_EQ(missing.size(), 3u);
  EXPECT_TRUE(missing[1].Source.isNull());
  EXPECT_FALSE(missing[2].Source.isNull());
  // More ranges announced than written, and a range cut short: only whole ranges count.
  EXPECT_EQ(LayoutAnimSlots({5, 1, 1, 2}, textures, 1).size(), 2u);
  EXPECT_EQ(LayoutAnimSlots({2, 0, 1, 3, 1, 2}, textures, 1).size(), 1u);
  EXPECT_TRUE(LayoutAnimSlots({1, 0xFFFF}, textures, 1).empty());
  EXPECT_TRUE(LayoutAnimSlots({}, textures, 1).empty());
  EXPECT_TRUE(LayoutAnimSlots({0, 0, 1}, textures, 1).empty());
  // A huge list stops at the slot limit instead of growing a picture without bound.
  std::vector<std::uint16_t> huge{60000};
  for (int r = 0; r < 60000; ++r) huge.insert(huge.end(), {0, 1});
  const auto laid = LayoutAnimSlots(huge, textures, 1);
  ASSERT_FALSE(laid.empty());
  EXPECT_LT(laid.back().Slot, kMaxAnimSlots);
}

TEST(AnimatedLayout, SlotsStretchTheirRectangleAndKeepItsAlpha) {
  QImage pages(256, 256, QImage::Format_ARGB32);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) pages.setPixel(x, y, qRgba(x, y, 7, (x + y) % 256));
  const std::vector<ObjectTexture> textures = {Texture(0, 32, 64, 63, 95), Texture(0, 0, 0, 63, 63),
                                               Texture(0, 100, 10, 227, 137), Texture(5, 0, 0, 63, 63)};
  const QImage out = DrawAnimSlots(pages, LayoutAnimSlots(Words({{0, 1}, {2, 3}}), textures, 1));
  ASSERT_EQ(out.size(), QSize(256, 128));
  for (int dy = 0; dy < 64; ++dy)
    for (int dx = 0; dx < 64; ++dx) {
      // 32 x 32 enlarged: each texel covers 2 x 2 pixels.
      ASSERT_EQ(out.pixel(dx, dy), pages.pixel(32 + dx / 2, 64 + dy / 2));
      // 64 x 64 copied pixel for pixel.
      ASSERT_EQ(out.pixel(64 + dx, dy), pages.pixel(dx, dy));
      // 128 x 128 reduced: every second texel.
      ASSERT_EQ(out.pixel(dx, 64 + dy), pages.pixel(100 + dx * 2, 10 + dy * 2));
      // Outside the pages, and unused slots: transparent magenta.
      ASSERT_EQ(out.pixel(64 + dx, 64 + dy), qRgba(255, 0, 255, 0));
      ASSERT_EQ(out.pixel(128 + dx, dy), qRgba(255, 0, 255, 0));
    }
}

// A layout taller than twice the page picture grows the picture instead of losing textures.
TEST(AnimatedLayout, ALayoutTallerThanTwiceThePagesGrows) {
  QImage pages(256, 256, QImage::Format_ARGB32);
  pages.fill(qRgba(1, 2, 3, 255));
  std::vector<std::vector<std::uint16_t>> ranges(12, std::vector<std::uint16_t>{0});
  const QImage out = DrawAnimSlots(pages, LayoutAnimSlots(Words(ranges), {Texture(0, 0, 0, 63, 63)}, 1));
  ASSERT_EQ(out.size(), QSize(256, 12 * 64));
  EXPECT_EQ(out.pixel(10, 11 * 64 + 10), qRgba(1, 2, 3, 255));
}

// Whole extractions: every slot checked against the page bytes the writer was given.
TEST(AnimatedLayout, EveryGenerationInBothModesPixelForPixel) {
  QTemporaryDir dir;
  for (G generation : {G::TR1, G::TR1Gold, G::TR2, G::TR3, G::TR4, G::TR5}) {
    LevelDescription d = MakeSampleLevel(generation, 2);
    d.objectTextures.push_back(Texture(1, 0, 0, 31, 31));           // 6: enlarged, on page 1
    d.objectTextures.push_back(Texture(0x8000, 64, 64, 191, 191));  // 7: triangle flag, reduced
    d.objectTextures.push_back(Texture(4, 0, 0, 63, 63));           // 8: outside the pages
    d.objectTextures[5] = Texture(0, 64, 64, 127, 127);             // tile 5, with transparent texels
    d.animatedRanges = {{1, 2, 3}, {5, 6, 7, 8}, {40}, {0}};
    const QString path = dir.filePath(LevelFileName(d));
    ASSERT_TRUE(WriteLevelFile(path, d));
    RawPages raw;
    raw.gameVersion = int(generation);
    raw.pages8 = d.pages8;
    raw.pages16 = d.pages16;
    raw.pages32 = d.pages32;
    raw.palette = d.palette8.leftJustified(768, '\0', true);
    const std::vector<std::pair<int, int>> slotTexture = {{0, 1}, {1, 2}, {2, 3},   {4, 5}, {5, 6},
                                                          {6, 7}, {7, 8}, {12, 40}, {16, 0}};
    for (bool mask : {false, true}) {
      SCOPED_TRACE(path.toStdString() + (mask ? " AUTO" : " NONE"));
      RecordingHost host;
      TombRaiderFileModule module(host);
      QImage out;
      PixelFormatCode format = PixelFormatCode::Device;
      ASSERT_TRUE(module.Load(LevelExtract::Animated, out, path, format, mask));
      ASSERT_EQ(out.size(), QSize(256, 5 * 64));
      qint64 differing = 0;
      for (int slot = 0; slot < 20; ++slot) {
        const auto it = std::find_if(slotTexture.begin(), slotTexture.end(), [&](auto p) { return p.first == slot; });
        const QRect source = it == slotTexture.end() || it->second >= int(d.objectTextures.size())
                                 ? QRect()
                                 : ObjectTextureRect(d.objectTextures[size_t(it->second)], 2);
        for (int dy = 0; dy < 64; ++dy)
          for (int dx = 0; dx < 64; ++dx) {
            const QRgb expected =
                source.isNull() ? qRgba(255, 0, 255, 0) : ExpectedSlotPixel(raw, mask, source, dx, dy);
            differing += out.pixel(64 * (slot % 4) + dx, 64 * (slot / 4) + dy) != expected;
          }
      }
      EXPECT_EQ(differing, 0);
      // The transparent texels of tile 5 show as the page picture shows them.
      const QRgb corner = out.pixel(64 * 4 % 256, 64);
      EXPECT_EQ(corner, mask && generation <= G::TR1Gold ? qRgba(255, 0, 255, 0)
                        : mask                           ? qRgba(255, 0, 255, 255)
                                                         : ExpectedPagePixel(raw, false, 64, 64));
    }
  }
}

// Drawing from the level's own pages converts only what the slots show; it must give the picture
// that drawing from the whole 32-bit page picture gives, rows missing from the data included.
TEST(AnimatedLayout, DrawingFromThePageDataMatchesDrawingFromThePagePicture) {
  std::vector<ObjectTexture> textures = {Texture(0, 0, 0, 255, 255),  Texture(1, 200, 3, 255, 40),
                                         Texture(2, 7, 250, 30, 255), Texture(0x8002, 255, 255, 0, 0),
                                         Texture(1, 10, 10, 10, 10),  Texture(2, 100, 0, 131, 255),
                                         Texture(3, 0, 0, 63, 63)};
  std::vector<std::vector<std::uint16_t>> ranges = {{0, 1, 2}, {3, 4}, {5, 6, 0, 1, 2}};
  for (G generation : {G::TR1, G::TR2, G::TR3, G::TR4, G::TR5}) {
    LevelDescription d = MakeSampleLevel(generation, 3);
    for (bool shortData : {false, true}) {
      LevelReader level;
      ASSERT_TRUE(level.LoadFromMemory(WriteLevel(d), LevelFileName(d), false).Ok());
      if (shortData) {
        // The last page and a half missing: those rows read as the page picture shows them.
        for (QByteArray* data : {&level.Textiles8, &level.Textiles16, &level.Textiles32})
          if (!data->isEmpty()) data->truncate(data->size() / 2 - 1000);
      }
      const std::vector<AnimSlot> laid = LayoutAnimSlots(Words(ranges), textures, level.TextileCount);
      for (bool mask : {false, true}) {
        SCOPED_TRACE(LevelFileName(d).toStdString() + (shortData ? " short" : "") + (mask ? " AUTO" : " NONE"));
        const QImage expected = DrawAnimSlots(LevelPagesAs32Bits(level, mask), laid);
        const QImage drawn = DrawAnimSlots(PageRowConverter(level, mask), laid);
        ASSERT_EQ(drawn.size(), QSize(256, 4 * 64));
        EXPECT_TRUE(drawn == expected);
      }
    }
  }
}

}  // namespace

}  // namespace mosaicor
