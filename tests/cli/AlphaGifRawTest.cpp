// The companion on pictures as builders have them: alpha keyed to magenta on request, a GIF packed
// one tile per frame, and a level's font and sky pages written as the level editors' .pc and .raw.

#include "CliRunner.h"
#include "GifWriter.h"
#include "LevelWriter.h"
#include "PictureWriters.h"
#include "TestFiles.h"
#include "core/imagefiles/ImageFileModule.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace mosaicor {

namespace {

QImage Load(const QString& path) {
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  EXPECT_TRUE(ImageFileModule().LoadImageAs32BitsFile(picture, path, format).Ok()) << path.toStdString();
  return picture;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(AlphaGifRaw, AlphaToMagentaOnlyWhereAsked) {
  QTemporaryDir dir;
  QImage picture(64, 64, QImage::Format_ARGB32);
  picture.fill(qRgba(20, 120, 200, 255));
  for (int x = 0; x < 64; ++x) picture.setPixel(x, 0, qRgba(20, 120, 200, x < 32 ? 10 : 200));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("a.tga"), WriteTga32(picture)));

  ASSERT_EQ(RunCli({"convert", dir.filePath("a.tga"), "-o", dir.filePath("plain.tga")}).exitCode, 0);
  EXPECT_EQ(Load(dir.filePath("plain.tga")).pixel(0, 0), qRgba(20, 120, 200, 0));  // as the design saves it
  for (const QStringList& keying : {QStringList{"--alpha-to-magenta"}, QStringList{"--alpha-to-magenta", "10"},
                                    QStringList{"--alpha-to-magenta=201", "--clean-fringe"}}) {
    SCOPED_TRACE(keying.join(' ').toStdString());
    const CliResult keyed = RunCli(QStringList{"convert", dir.filePath("a.tga"), "-o", dir.filePath("k.tga")} + keying);
    ASSERT_EQ(keyed.exitCode, 0) << keyed.err.toStdString();
    const QImage out = Load(dir.filePath("k.tga"));
    const bool low = keying.size() == 2 && keying[1] == "10";
    EXPECT_EQ(out.pixel(0, 0) & 0xFFFFFFu, low ? 0x1478C8u : 0xFF00FFu);
    EXPECT_EQ(out.pixel(40, 0) & 0xFFFFFFu, keying.size() == 2 && !low ? 0xFF00FFu : 0x1478C8u);
    EXPECT_EQ(out.pixel(40, 1) & 0xFFFFFFu, 0x1478C8u);
  }
  for (const QStringList& wrong : {QStringList{"--alpha-to-magenta=0"}, QStringList{"--alpha-to-magenta=255"},
                                   QStringList{"--clean-fringe"}}) {
    const CliResult refused = RunCli(QStringList{"resize", dir.filePath("a.tga"), "-o", dir.filePath("r.tga"), "--size",
                                                 "32x32"} + wrong);
    EXPECT_EQ(refused.exitCode, 2) << wrong.join(' ').toStdString();
  }
}

TEST(AlphaGifRaw, PackPutsEveryGifFrameIntoTheNextCells) {
  QTemporaryDir dir;
  const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200)};
  GifSpec spec{16, 16, palette, {}};
  for (int i = 1; i <= 3; ++i) spec.frames << FlatGifFrame(16, 16, i, 5);
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("walk.gif"), WriteGif(spec)));
  QImage still(64, 64, QImage::Format_ARGB32);
  still.fill(qRgb(90, 90, 90));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("still.tga"), WriteTga32(still)));

  const CliResult packed =
      RunCli({"pack", dir.filePath("walk.gif"), dir.filePath("still.tga"), "-o", dir.filePath("set.tga")});
  ASSERT_EQ(packed.exitCode, 0) << packed.err.toStdString();
  const QImage set = Load(dir.filePath("set.tga"));
  for (int cell = 0; cell < 4; ++cell)
    EXPECT_EQ(set.pixel(cell * 64 + 32, 32) & 0xFFFFFFu, (cell < 3 ? palette[cell + 1] : still.pixel(0, 0)) & 0xFFFFFFu)
        << cell;
  // convert and info read the first frame.
  ASSERT_EQ(RunCli({"convert", dir.filePath("walk.gif"), "-o", dir.filePath("first.png")}).exitCode, 0);
  EXPECT_EQ(Load(dir.filePath("first.png")).pixel(8, 8) & 0xFFFFFFu, palette[1] & 0xFFFFFFu);
}

// No pixel the level editor would show pink: within 40 of magenta and not magenta itself.
int PinkishPixels(const QImage& picture) {
  int pinkish = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb p = picture.pixel(x, y);
      const int dr = 255 - qRed(p), dg = qGreen(p), db = 255 - qBlue(p);
      if ((p & 0xFFFFFFu) != 0xFF00FFu && dr * dr + dg * dg + db * db <= 40 * 40) ++pinkish;
    }
  return pinkish;
}

// A 128-pixel disc with a soft edge on transparent black, and the same drawn onto magenta.
QImage SoftDisc(bool ontoMagenta) {
  QImage disc(128, 128, QImage::Format_ARGB32);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double d = std::hypot(x - 63.5, y - 63.5);
      const int a = int(std::clamp((50 - d) / 6, 0.0, 1.0) * 255);
      const int r = 214, g = 22, b = 87;
      disc.setPixel(x, y, ontoMagenta ? qRgb((r * a + 255 * (255 - a)) / 255, g * a / 255, (b * a + 255 * (255 - a)) / 255)
                                      : qRgba(a ? r : 0, a ? g : 0, a ? b : 0, a));
    }
  return disc;
}

TEST(AlphaGifRaw, KeyingLeavesNoPinkAfterAResizeNorOnPicturesDrawnOntoMagenta) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("disc.tga"), WriteTga32(SoftDisc(false))));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("old.tga"), WriteTga24(SoftDisc(true))));
  const QStringList keying = {"--alpha-to-magenta", "--clean-fringe"};
  const QList<QStringList> runs = {
      QStringList{"resize", dir.filePath("disc.tga"), "--size", "64x64", "-o", dir.filePath("r.tga")},
      QStringList{"resize", dir.filePath("disc.tga"), "--scroll-tile", "-o", dir.filePath("s.tga")},
      QStringList{"pack", dir.filePath("disc.tga"), "-o", dir.filePath("p.tga")},
      QStringList{"convert", dir.filePath("old.tga"), "-o", dir.filePath("c.tga")},
      QStringList{"resize", dir.filePath("old.tga"), "--size", "64x64", "-o", dir.filePath("o.tga")}};
  for (const QStringList& run : runs) {
    SCOPED_TRACE(run.join(' ').toStdString());
    const CliResult result = RunCli(run + keying);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QImage out = Load(run[run.indexOf("-o") + 1]);
    EXPECT_EQ(PinkishPixels(out), 0);
    EXPECT_EQ(out.pixel(0, 0) & 0xFFFFFFu, 0xFF00FFu);
    const QPoint centre = run[0] == "convert" ? QPoint(64, 64) : run.contains("--scroll-tile") ? QPoint(32, 16) : QPoint(32, 32);
    EXPECT_EQ(out.pixel(centre) & 0xFFFFFFu, 0xD61657u);  // the shape keeps its colour
  }
}

TEST(AlphaGifRaw, AGifsTransparentColourIsItsAlpha) {
  QTemporaryDir dir;
  // Frames that each paint one half and leave the other transparent, the background restored
  // (disposal 2) after each.
  const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(255, 255, 255)};
  GifSpec spec{16, 16, palette, {}};
  for (int i = 0; i < 3; ++i) {
    QByteArray indices(256, '\0');
    for (int p = 0; p < 256; ++p) indices[p] = char((p % 16 < 8) == (i % 2 == 0) ? 1 + i % 2 : 0);
    spec.frames << GifFrameSpec{indices, 5, 2, 0};
  }
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("walk.gif"), WriteGif(spec)));
  const CliResult packed = RunCli({"pack", dir.filePath("walk.gif"), "-o", dir.filePath("set.tga"), "--size", "multi",
                                   "--alpha-to-magenta"});
  ASSERT_EQ(packed.exitCode, 0) << packed.err.toStdString();
  const QImage set = Load(dir.filePath("set.tga"));
  for (int frame = 0; frame < 3; ++frame) {
    SCOPED_TRACE(frame);
    const QRgb painted = palette[1 + frame % 2] & 0xFFFFFFu;
    EXPECT_EQ(set.pixel(frame * 64 + 2, 2) & 0xFFFFFFu, frame % 2 == 0 ? painted : 0xFF00FFu);
    EXPECT_EQ(set.pixel(frame * 64 + 13, 2) & 0xFFFFFFu, frame % 2 == 0 ? 0xFF00FFu : painted);
  }
  // A palette PNG's transparent entry likewise.
  QImage indexed(4, 1, QImage::Format_Indexed8);
  indexed.setColorTable({qRgba(0, 0, 0, 0), qRgb(10, 20, 30)});
  indexed.fill(1);
  indexed.setPixel(0, 0, 0);
  ASSERT_TRUE(indexed.save(dir.filePath("trns.png")));
  ASSERT_EQ(RunCli({"convert", dir.filePath("trns.png"), "-o", dir.filePath("trns.tga"), "--alpha-to-magenta"}).exitCode,
            0);
  EXPECT_EQ(Load(dir.filePath("trns.tga")).pixel(0, 0) & 0xFFFFFFu, 0xFF00FFu);
  EXPECT_EQ(Load(dir.filePath("trns.tga")).pixel(1, 0) & 0xFFFFFFu, 0x0A141Eu);
}

// The font and sky pages a TR4 level carries are the level editors' font.pc as it is and its sky
// with each pixel's red, green, blue turned to blue, green, red and an opaque alpha: the pages
// written back as .pc and .raw give those files again, byte for byte.
TEST(AlphaGifRaw, LevelMiscPagesConvertBackToFontAndSkyFiles) {
  QTemporaryDir dir;
  QByteArray font(262144, Qt::Uninitialized), sky(196608, Qt::Uninitialized);
  for (qsizetype i = 0; i < font.size(); ++i) font[i] = char((i * 5 + i / 1024) & 0xFF);
  for (qsizetype i = 0; i < sky.size(); ++i) sky[i] = char((i * 3 + i / 768 * 7) & 0xFF);
  QByteArray skyPage;
  for (qsizetype i = 0; i < sky.size(); i += 3) skyPage.append(sky[i + 2]).append(sky[i + 1]).append(sky[i]).append('\xFF');
  LevelDescription d = MakeSampleLevel(LevelGeneration::TR4, 1);
  d.miscPages32 = font + skyPage;
  ASSERT_TRUE(WriteLevelFile(dir.filePath("level.tr4"), d));
  ASSERT_EQ(RunCli({"pages", dir.filePath("level.tr4"), "-o", dir.filePath("p.tga"), "--alpha", "--split", "--misc"})
                .exitCode,
            0);
  ASSERT_EQ(RunCli({"convert", dir.filePath("p_001.tga"), "-o", dir.filePath("font.pc")}).exitCode, 0);
  ASSERT_EQ(RunCli({"convert", dir.filePath("p_002.tga"), "-o", dir.filePath("pcsky.raw")}).exitCode, 0);
  EXPECT_EQ(ReadAll(dir.filePath("font.pc")), font);
  EXPECT_EQ(ReadAll(dir.filePath("pcsky.raw")), sky);
  // The files read back as the pages.
  EXPECT_EQ(Load(dir.filePath("font.pc")), Load(dir.filePath("p_001.tga")));
  // Any other size is refused, and nothing is written.
  QImage tile(64, 64, QImage::Format_ARGB32);
  tile.fill(qRgb(1, 2, 3));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("small.tga"), WriteTga32(tile)));
  const CliResult small = RunCli({"convert", dir.filePath("small.tga"), "-o", dir.filePath("x.raw")});
  EXPECT_EQ(small.exitCode, 1);
  EXPECT_TRUE(small.err.contains("A sky (.RAW) file holds a picture of 256 x 256 pixels; this one is 64 x 64.")) << small.err.toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath("x.raw")));
}

}  // namespace

}  // namespace mosaicor
