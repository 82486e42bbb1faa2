// All texture pages of a level as one 32-bit picture, in both transparency modes, checked pixel
// for pixel against the page bytes the level writer was given.

#include "ExpectedPages.h"
#include "LevelWriter.h"
#include "RecordingHost.h"

#include "core/extraction/LevelPages.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/level/LevelReader.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace mosaicor {

namespace {

using G = LevelGeneration;

RawPages RawOf(const LevelDescription& d) {
  RawPages raw;
  raw.gameVersion = int(d.generation);
  raw.pages8 = d.pages8;
  raw.pages16 = d.pages16;
  raw.pages32 = d.pages32;
  raw.palette = d.palette8.leftJustified(768, '\0', true);
  return raw;
}

// A sample level with the corner cases of every page format written in: palette entries stored
// as full 8-bit values, indices 0 and 255, words 0x7FFF and 0x8000, alpha 254.
LevelDescription PagesLevel(G generation, int pages) {
  LevelDescription d = MakeSampleLevel(generation, pages);
  if (!d.palette8.isEmpty()) {
    for (int i = 5; i < 256; i += 10) d.palette8[i * 3] = char(100 + i % 150);
    d.palette8[255 * 3] = 17;
  }
  if (!d.pages8.isEmpty()) {
    d.pages8[100] = char(255);
    d.pages8[101] = 0;
  }
  if (!d.pages16.isEmpty()) {
    PatchU16(d.pages16, 2 * 300, 0x7FFF);
    PatchU16(d.pages16, 2 * 301, 0x8000);
  }
  if (!d.pages32.isEmpty()) d.pages32[4 * 500 + 3] = char(254);
  return d;
}

struct Extracted {
  bool ok = false;
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  RecordingHost host;
};

void ExtractPages(const QString& path, bool mask, Extracted& out) {
  TombRaiderFileModule module(out.host);
  out.ok = module.Load(LevelExtract::Pages, out.picture, path, out.format, mask).Ok();
}

TEST(LevelPalette, MultipliesByFourAndClampsAt255) {
  std::array<std::uint8_t, 768> stored{};
  const std::uint8_t entries[][3] = {{63, 0, 63}, {255, 0, 255}, {64, 63, 1}, {0, 0, 0}};
  for (int i = 0; i < 4; ++i) std::copy(entries[i], entries[i] + 3, stored.begin() + i * 3);
  const QList<QRgb> palette = BuildLevelPalette(stored);
  ASSERT_EQ(palette.size(), 256);
  EXPECT_EQ(palette[0], qRgb(252, 0, 252));
  EXPECT_EQ(palette[1], qRgb(255, 0, 255));
  EXPECT_EQ(palette[2], qRgb(255, 252, 4));
  EXPECT_EQ(palette[3], qRgb(0, 0, 0));
  EXPECT_EQ(palette[255], qRgb(0, 0, 0));
}

TEST(LevelPages, EveryGenerationInBothModesPixelForPixel) {
  QTemporaryDir dir;
  const struct {
    G generation;
    std::uint32_t fileVersion;
    bool container;
    const char* name;
    PixelFormatCode format;
  } cases[] = {
      {G::TR1, 0, false, "a.phd", PixelFormatCode::EightBits},
      {G::TR1Gold, 0, false, "b.TUB", PixelFormatCode::EightBits},
      {G::TR2, 0, false, "c.tr2", PixelFormatCode::FifteenBits},
      {G::TR3, 0, false, "d.TR2", PixelFormatCode::FifteenBits},
      {G::TR3, 0xFF180038, false, "e.tr2", PixelFormatCode::FifteenBits},
      {G::TR4, 0, false, "f.tr4", PixelFormatCode::ThirtyTwoBits},
      {G::TR4, 0xFFFFFFF0, true, "g.Tr4", PixelFormatCode::ThirtyTwoBits},
      {G::TR5, 0, false, "h.trc", PixelFormatCode::ThirtyTwoBits},
  };
  for (const auto& c : cases) {
    LevelDescription d = PagesLevel(c.generation, 3);
    d.fileVersion = c.fileVersion;
    d.zlibContainer = c.container;
    const QString path = dir.filePath(c.name);
    ASSERT_TRUE(WriteLevelFile(path, d));
    for (bool mask : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (mask ? " AUTO" : " NONE"));
      Extracted e;
      ExtractPages(path, mask, e);
      ASSERT_TRUE(e.ok);
      EXPECT_EQ(e.format, c.format);
      EXPECT_EQ(e.picture.format(), QImage::Format_ARGB32);
      ASSERT_EQ(e.picture.size(), QSize(256, 768));
      QPoint first;
      EXPECT_EQ(PagePixelsDiffering(e.picture, RawOf(d), mask, &first), 0)
          << "first at " << first.x() << "," << first.y();
      EXPECT_FALSE(e.host.Beeped());
    }
  }
}

// The corner cases spelled out, so a reference that shared a fault with the code would show.
TEST(LevelPages, TransparentPixelsOfEachFormat) {
  QTemporaryDir dir;
  const auto pixel = [&](G generation, bool mask, int at) {
    const LevelDescription d = PagesLevel(generation, 1);
    const QString path = dir.filePath(LevelFileName(d));
    EXPECT_TRUE(WriteLevelFile(path, d));
    Extracted e;
    ExtractPages(path, mask, e);
    EXPECT_TRUE(e.ok);
    return e.ok ? e.picture.pixel(at % 256, at / 256) : QRgb(0x12345678);
  };
  // TR1: index 0 has alpha 0 and keeps its colour in NONE, is exact magenta in AUTO; entry 255
  // keeps the level's own colour in AUTO.
  EXPECT_EQ(pixel(G::TR1, false, 101), qRgba(252, 0, 252, 0));
  EXPECT_EQ(pixel(G::TR1, true, 101), qRgba(255, 0, 255, 0));
  EXPECT_EQ(qRed(pixel(G::TR1, true, 100)), 68);
  EXPECT_EQ(qAlpha(pixel(G::TR1, true, 100)), 255);
  // TR2: 0x7FFF is white and transparent, 0x8000 black and opaque; AUTO makes the first magenta.
  EXPECT_EQ(pixel(G::TR2, false, 300), qRgba(255, 255, 255, 0));
  EXPECT_EQ(pixel(G::TR2, false, 301), qRgba(0, 0, 0, 255));
  EXPECT_EQ(pixel(G::TR2, true, 300), qRgba(255, 0, 255, 255));
  EXPECT_EQ(pixel(G::TR3, true, 301), qRgba(0, 0, 0, 255));
  // TR4: alpha 254 counts as transparent.
  EXPECT_EQ(qAlpha(pixel(G::TR4, false, 500)), 254);
  EXPECT_EQ(pixel(G::TR4, true, 500), qRgba(255, 0, 255, 255));
}

TEST(LevelPages, TenPagesMakeA2560RowPicture) {
  QTemporaryDir dir;
  const LevelDescription d = MakeSampleLevel(G::TR4, 10);
  const QString path = dir.filePath("ten.tr4");
  ASSERT_TRUE(WriteLevelFile(path, d));
  Extracted e;
  ExtractPages(path, false, e);
  ASSERT_TRUE(e.ok);
  EXPECT_EQ(e.picture.size(), QSize(256, 2560));
}

// Page data shorter than the pages counted (a level loaded by hand, or cut): the rows it holds
// convert as usual, the others come out as index 0 on 8-bit pages and as 0 on the others.
TEST(LevelPages, RowsTheDataDoesNotHold) {
  for (G generation : {G::TR1, G::TR2, G::TR4}) {
    const LevelDescription d = PagesLevel(generation, 2);
    LevelReader level;
    ASSERT_TRUE(level.LoadFromMemory(WriteLevel(d), LevelFileName(d), true).Ok());
    QByteArray& data = generation == G::TR1   ? level.Textiles8
                       : generation == G::TR2 ? level.Textiles16
                                              : level.Textiles32;
    data.truncate(data.size() / 512 * 259 - 1);  // 258 whole rows and a part of one
    RawPages raw = RawOf(d);
    raw.pages8.fill('\0', 256 * 256 * 2);
    raw.pages8.replace(0, 258 * 256, d.pages8.left(258 * 256));
    for (bool mask : {false, true}) {
      SCOPED_TRACE(LevelFileName(d).toStdString() + (mask ? " AUTO" : " NONE"));
      const QImage picture = LevelPagesAs32Bits(level, mask);
      ASSERT_EQ(picture.size(), QSize(256, 512));
      EXPECT_EQ(PagePixelsDiffering(picture.copy(0, 0, 256, 258), raw, mask), 0);
      qint64 differing = 0;
      for (int y = 258; y < 512; ++y)
        for (int x = 0; x < 256; ++x)
          differing += picture.pixel(x, y) != (generation == G::TR1 ? ExpectedPagePixel(raw, mask, x, y) : 0u);
      EXPECT_EQ(differing, 0);
    }
  }
}

// Taking the 32-bit pages over gives the picture the copy gives, for every kind of page data,
// and a picture that lives on by itself once the level is gone.
TEST(LevelPages, TakingThePagesOverGivesThePictureACopyGives) {
  for (G generation : {G::TR1, G::TR3, G::TR4, G::TR5}) {
    const LevelDescription d = PagesLevel(generation, 2);
    const QByteArray file = WriteLevel(d);
    const bool thirtyTwo = generation >= G::TR4;
    enum Data { AsRead, LongerThanThePages, Misaligned };
    for (Data data : {AsRead, LongerThanThePages, Misaligned}) {
      for (bool mask : {false, true}) {
        SCOPED_TRACE(LevelFileName(d).toStdString() + " case " + std::to_string(data) + (mask ? " AUTO" : " NONE"));
        LevelReader reference;
        ASSERT_TRUE(reference.LoadFromMemory(file, LevelFileName(d), true).Ok());
        const QImage expected = LevelPagesAs32Bits(reference, mask);
        QImage picture;
        {
          auto level = std::make_unique<LevelReader>();
          ASSERT_TRUE(level->LoadFromMemory(file, LevelFileName(d), true).Ok());
          if (data == LongerThanThePages) level->Textiles32.append(1000, '\x7F');
          if (data == Misaligned && thirtyTwo) {
            QByteArray shifted = "x" + level->Textiles32;
            shifted.remove(0, 1);  // the bytes now start one past an aligned address
            ASSERT_NE(quintptr(shifted.constData()) % 4, 0u);
            level->Textiles32 = shifted;
          }
          picture = TakeLevelPagesAs32Bits(*level, mask);
          // Taken over only when the bytes can serve as the picture as they lie (and kept whole
          // otherwise).
          if (thirtyTwo) {
            EXPECT_EQ(level->Textiles32.isEmpty(), data != Misaligned);
            if (data == Misaligned) {
              EXPECT_EQ(level->Textiles32, reference.Textiles32);
            }
          } else {
            EXPECT_EQ(level->Textiles16, reference.Textiles16);
            EXPECT_EQ(level->Textiles8, reference.Textiles8);
          }
        }
        ASSERT_EQ(picture.format(), QImage::Format_ARGB32);
        EXPECT_TRUE(picture == expected);
        // A copy changed later leaves the picture alone.
        QImage copy = picture;
        copy.setPixel(0, 0, 0x12345678);
        EXPECT_EQ(picture.pixel(0, 0), expected.pixel(0, 0));
      }
    }
  }
}

// Both real levels, pixel for pixel against the pages their reader found.
TEST(LevelPages, RealLevelsPixelForPixel) {
  const QString folder = QStringLiteral(MOSAICOR_SHARED_TESTDATA "/levels/");
  for (const char* name : {"altroom1-LEVEL1.PHD", "lake.trc"}) {
    const QString path = folder + name;
    if (!QFileInfo::exists(path)) GTEST_SKIP() << "no shared test data";
    LevelReader level;
    ASSERT_TRUE(level.LoadFromFile(path, true).Ok());
    RawPages raw;
    raw.gameVersion = int(level.GameVersion);
    raw.pages8 = level.Textiles8;
    raw.pages16 = level.Textiles16;
    raw.pages32 = level.Textiles32;
    raw.palette = QByteArray(reinterpret_cast<const char*>(level.Palette8.data()), 768);
    for (bool mask : {false, true}) {
      SCOPED_TRACE(std::string(name) + (mask ? " AUTO" : " NONE"));
      Extracted e;
      ExtractPages(path, mask, e);
      ASSERT_TRUE(e.ok);
      ASSERT_EQ(e.picture.size(), QSize(256, 256 * level.TextileCount));
      EXPECT_EQ(PagePixelsDiffering(e.picture, raw, mask), 0);
    }
  }
  // The TR1 level stores its palette entry 0 as full 8-bit magenta: it stays magenta.
  Extracted tr1;
  ExtractPages(folder + "altroom1-LEVEL1.PHD", false, tr1);
  LevelReader level;
  ASSERT_TRUE(level.LoadFromFile(folder + "altroom1-LEVEL1.PHD", true).Ok());
  const int index0 = int(level.Textiles8.indexOf('\0'));
  ASSERT_GE(index0, 0);
  EXPECT_EQ(tr1.picture.pixel(index0 % 256, index0 / 256), qRgba(255, 0, 255, 0));
}

}  // namespace

}  // namespace mosaicor
