// An animated GIF laid into consecutive cells: frames in order with their delays, each resized as
// a cut; a GIF with more frames than 64 pages hold is refused with the count.

#include <gtest/gtest.h>

#include "GifWriter.h"
#include "TestFiles.h"
#include "core/imagefiles/FrameSheet.h"

#include <QTemporaryDir>

namespace mosaicor {

namespace {

const QList<QRgb> kPalette = {qRgb(0, 0, 0), qRgb(220, 30, 40), qRgb(30, 200, 60), qRgb(40, 50, 210), qRgb(250, 240, 20),
                              qRgb(90, 10, 160)};

TEST(FrameSheet, FramesInOrderWithTheirDelays) {
  QTemporaryDir dir;
  GifSpec spec{32, 32, kPalette, {}};
  for (int i = 1; i <= 5; ++i) spec.frames << FlatGifFrame(32, 32, i, i * 10);
  const QString path = dir.filePath("run.gif");
  ASSERT_TRUE(WriteBytesToFile(path, WriteGif(spec)));

  const Result<FrameSheet> sheet = LoadFrameSheet(path, CutSizeMode::Fixed64, 256);
  ASSERT_TRUE(sheet.Ok()) << sheet.Text().toStdString();
  EXPECT_EQ(sheet->Frames(), 5);
  EXPECT_EQ(sheet->delaysMs, QList<int>({100, 200, 300, 400, 500}));
  EXPECT_EQ(sheet->cell, QSize(64, 64));
  EXPECT_EQ(sheet->Columns(), 4);
  ASSERT_EQ(sheet->picture.size(), QSize(256, 128));
  for (int i = 0; i < 5; ++i) {
    // A flat frame stays flat through the resampler; the working picture has no alpha of a GIF.
    const QPoint cell(i % 4 * 64 + 31, i / 4 * 64 + 31);
    EXPECT_EQ(sheet->picture.pixel(cell), kPalette[i + 1] & 0xFFFFFFu) << i;
  }
  // Multi Tile keeps each frame's size.
  EXPECT_EQ(LoadFrameSheet(path, CutSizeMode::MultiTile, 256)->cell, QSize(32, 32));
}

TEST(FrameSheet, MoreFramesThan64PagesHoldAreRefusedWithTheCount) {
  QTemporaryDir dir;
  GifSpec spec{1, 1, kPalette, {}};
  for (int i = 0; i < 1025; ++i) spec.frames << FlatGifFrame(1, 1, 1 + i % 4, 0);
  const QString path = dir.filePath("long.gif");
  ASSERT_TRUE(WriteBytesToFile(path, WriteGif(spec)));
  const Result<FrameSheet> sheet = LoadFrameSheet(path, CutSizeMode::Fixed64, 256);
  ASSERT_FALSE(sheet.Ok());
  EXPECT_EQ(sheet.Text(), "the picture has 1025 frames; 64 pages hold at most 1024 frames of 64 x 64");
  // Two pages wide hold twice as many.
  EXPECT_TRUE(LoadFrameSheet(path, CutSizeMode::Fixed64, 512).Ok());
}

}  // namespace

}  // namespace mosaicor
