#include "core/recovery/RecoveryFile.h"

#include "TestFiles.h"
#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

RecoveryState Sample() {
  RecoveryState state;
  state.target = MakeCoordinatePicture(512, 768);
  state.target.setPixel(3, 3, qRgba(1, 2, 3, 4));  // alpha is kept
  state.widthPages = 1, state.heightPages = 3;
  state.fill = 0xFF800000u;
  state.savedAt = QDateTime::fromMSecsSinceEpoch(1700000000123, Qt::UTC);
  state.paths = {{"SavePath", "/home/lara/sets/tomb.tga"}, {"LevelPath", QString::fromUtf8("/ñ/level.tr4")}};
  return state;
}

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Result<RecoveryState> ReadBytes(QByteArray bytes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  return ReadRecovery(buffer);
}

TEST(RecoveryFile, ReadsBackWhatWasWritten) {
  QTemporaryDir dir;
  const QString path = dir.filePath("recovery.bin");
  const RecoveryState state = Sample();
  ASSERT_TRUE(WriteRecoveryFile(state, path).Ok());
  const Result<RecoveryState> read = ReadRecoveryFile(path);
  ASSERT_TRUE(read.Ok()) << read.Text().toStdString();
  EXPECT_EQ(read->target, state.target.convertToFormat(QImage::Format_ARGB32));
  EXPECT_EQ(read->widthPages, 1);
  EXPECT_EQ(read->heightPages, 3);
  EXPECT_EQ(read->fill, 0xFF800000u);
  EXPECT_EQ(read->savedAt, state.savedAt);
  EXPECT_EQ(read->paths, state.paths);
}

TEST(RecoveryFile, RefusesWhatItCouldNotReadBackAndLeavesTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("recovery.bin");
  ASSERT_TRUE(WriteRecoveryFile(Sample(), path).Ok());
  const QByteArray before = Read(path);
  RecoveryState bad = Sample();
  bad.heightPages = 4;  // the picture holds three pages only
  EXPECT_FALSE(WriteRecoveryFile(bad, path).Ok());
  EXPECT_EQ(Read(path), before);
}

TEST(RecoveryFile, DamagedCountsAndLengthsFailWithoutReadingOn) {
  QTemporaryDir dir;
  const QString path = dir.filePath("recovery.bin");
  ASSERT_TRUE(WriteRecoveryFile(Sample(), path).Ok());
  const QByteArray good = Read(path);
  ASSERT_TRUE(ReadBytes(good).Ok());
  // Each header field (and the first path's length) set to values that must be refused.
  for (int offset : {8, 12, 16, 20, 24, 40, 44})
    for (quint32 value : {0u, 3u, 65u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
      QByteArray damaged = good;
      for (int i = 0; i < 4; ++i) damaged[offset + i] = char(value >> (8 * i));
      const Result<RecoveryState> read = ReadBytes(damaged);
      if (read.Ok()) {
        EXPECT_EQ(read->target.size(), QSize(512, 768)) << offset << " " << value;
      }
    }
  EXPECT_FALSE(ReadBytes(good.left(good.size() - 1)).Ok());
  EXPECT_FALSE(ReadBytes(good + "x").Ok());
  EXPECT_FALSE(ReadBytes(good.left(30)).Ok());
  QByteArray notOurs = good;
  notOurs[0] = 'X';
  EXPECT_EQ(ReadBytes(notOurs).Text(), "not a recovery file");
}

}  // namespace

}  // namespace mosaicor
