// The Source's TRANSPARENCY > Alpha -> Magenta on a picture with alpha, and an animated GIF laid into
// consecutive cells that play at once.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

#include "GifWriter.h"
#include "PictureWriters.h"
#include "TestFiles.h"
#include "WorkbenchRig.h"
#include "app/workbench/SourceWorkflow.h"

namespace mosaicor {
namespace {

TEST(SourceKeying, OffAtFirstOnKeysOffRestoresThePictureAsItCame) {
  QTemporaryDir dir;
  QImage picture(64, 64, QImage::Format_ARGB32);
  picture.fill(qRgba(20, 120, 200, 255));
  for (int x = 0; x < 64; ++x) picture.setPixel(x, 0, qRgba(20, 120, 200, x < 32 ? 0 : 200));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("cut.tga"), WriteTga32(picture)));

  WorkbenchRig rig;
  QSignalSpy notes(&rig.bench.Sources(), &SourceWorkflow::Noted);
  ASSERT_TRUE(rig.bench.Sources().OpenFile(dir.filePath("cut.tga")));
  const QImage asCame = rig.source.Layers().L1_Image().PictureCopy();
  EXPECT_TRUE(rig.bench.View().SourceHasTransparency);
  EXPECT_EQ(asCame.pixel(0, 0), qRgba(20, 120, 200, 0));  // loaded as the design loads it
  ASSERT_EQ(notes.count(), 1);
  EXPECT_EQ(notes[0][0].toString(),
            "This picture has transparency: TRANSPARENCY \u25B8 Alpha \u2192 Magenta keys it for the level editor");

  rig.bench.Sources().SetAlphaToMagenta(true);
  const QImage keyed = rig.source.Layers().L1_Image().PictureCopy();
  EXPECT_EQ(keyed.pixel(0, 0), 0xFFFF00FFu);
  EXPECT_EQ(keyed.pixel(40, 0), qRgba(20, 120, 200, 255));
  rig.bench.Sources().SetAlphaThreshold(201);
  EXPECT_EQ(rig.source.Layers().L1_Image().PictureCopy().pixel(40, 0), 0xFFFF00FFu);
  rig.bench.Sources().SetAlphaToMagenta(false);
  EXPECT_EQ(rig.source.Layers().L1_Image().PictureCopy(), asCame);

  // A picture without alpha is not affected, whatever the option says.
  QImage opaque(64, 64, QImage::Format_ARGB32);
  opaque.fill(qRgba(1, 2, 3, 255));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("opaque.tga"), WriteTga32(opaque)));
  rig.bench.Sources().SetAlphaToMagenta(true);
  ASSERT_TRUE(rig.bench.Sources().OpenFile(dir.filePath("opaque.tga")));
  EXPECT_FALSE(rig.bench.View().SourceHasTransparency);
  EXPECT_EQ(rig.source.Layers().L1_Image().PictureCopy().pixel(5, 5), qRgba(1, 2, 3, 255));
}

TEST(SourceKeying, AGifLaysItsFramesIntoCellsThatPlay) {
  QTemporaryDir dir;
  const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200), qRgb(90, 90, 0),
                               qRgb(0, 90, 90)};
  GifSpec spec{64, 64, palette, {}};
  for (int i = 1; i <= 5; ++i) spec.frames << FlatGifFrame(64, 64, i, 10);
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("walk.gif"), WriteGif(spec)));

  WorkbenchRig rig;
  QSignalSpy notes(&rig.bench.Sources(), &SourceWorkflow::Noted);
  ASSERT_TRUE(rig.bench.Sources().OpenFile(dir.filePath("walk.gif")));
  const QImage sheet = rig.source.Layers().L1_Image().PictureCopy();
  ASSERT_EQ(sheet.size(), QSize(256, 128));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(sheet.pixel(i % 4 * 64 + 10, i / 4 * 64 + 10) & 0xFFFFFFu, palette[i + 1] & 0xFFFFFFu);
  EXPECT_EQ(rig.source.Animation().AnimFirst(), 0);
  EXPECT_EQ(rig.source.Animation().AnimLast(), 4);
  EXPECT_TRUE(rig.source.Animation().AnimRunning);
  EXPECT_EQ(rig.bench.View().SourcePage, SourceTab::Animation);
  ASSERT_FALSE(notes.isEmpty());
  EXPECT_EQ(notes.last()[0].toString(), "5 frames, delays in ms: 100, 100, 100, 100, 100");
}

TEST(SourceKeying, AGifsTransparentColourCanBeKeyed) {
  QTemporaryDir dir;
  GifSpec spec{64, 64, {qRgb(0, 0, 0), qRgb(200, 0, 0)}, {}};
  for (int i = 0; i < 2; ++i) {
    GifFrameSpec frame = FlatGifFrame(64, 64, 1, 10);
    frame.indices.fill('\0', 64 * 8);  // the top rows transparent
    frame.indices.resize(64 * 64, '\1');
    frame.transparentIndex = 0;
    frame.disposal = 2;
    spec.frames << frame;
  }
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("walk.gif"), WriteGif(spec)));
  WorkbenchRig rig;
  ASSERT_TRUE(rig.bench.Sources().OpenFile(dir.filePath("walk.gif")));
  EXPECT_TRUE(rig.bench.View().SourceHasTransparency);
  rig.bench.Sources().SetAlphaToMagenta(true);
  const QImage keyed = rig.source.Layers().L1_Image().PictureCopy();
  EXPECT_EQ(keyed.pixel(70, 2), 0xFFFF00FFu);  // the second frame's transparent top
  EXPECT_EQ(keyed.pixel(70, 40), qRgb(200, 0, 0));
}

}  // namespace
}  // namespace mosaicor
