#include "LevelWriter.h"
#include "core/level/InflateChunk.h"
#include "core/level/MemoryFile.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

TEST(MemoryFile, ReadCopiesWhatIsLeftAndLeavesTheRestOfTheDestination) {
  MemoryFile file;
  file.Assign(QByteArray("abcdef"));
  char buffer[8] = {'-', '-', '-', '-', '-', '-', '-', '-'};
  EXPECT_EQ(file.Read(buffer, 4), 4);
  EXPECT_EQ(file.Position(), 4);
  EXPECT_EQ(file.Read(buffer, 8), 2);
  EXPECT_EQ(QByteArray(buffer, 8), QByteArray("efcd----"));
  EXPECT_EQ(file.Position(), 6);
  EXPECT_EQ(file.Read(buffer, 8), 0);
  file.Seek(100);
  EXPECT_EQ(file.Position(), 6);
  file.Seek(-5);
  EXPECT_EQ(file.Position(), 0);
}

TEST(MemoryFile, TakeRangeHandsOverTheBytesAndCloses) {
  MemoryFile file;
  file.Assign(QByteArray("0123456789"));
  EXPECT_EQ(file.TakeRange(2, 7), QByteArray("2345678"));
  EXPECT_EQ(file.Size(), 0);
  file.Assign(QByteArray("0123456789"));
  EXPECT_EQ(file.TakeRange(8, 100), QByteArray("89"));
  file.Assign(QByteArray("0123456789"));
  EXPECT_EQ(file.TakeRange(12, 5), QByteArray());
}

TEST(MemoryFile, OpenTellsMissingFilesFromUnreadableOnes) {
  QTemporaryDir dir;
  MemoryFile file;
  EXPECT_EQ(file.Open(dir.filePath("nothing.tr4")).FailureKind(), LevelFailure::FileMissing);
  EXPECT_EQ(file.Open(QString()).FailureKind(), LevelFailure::FileMissing);
  const LevelOutcome folder = file.Open(dir.path());
  EXPECT_EQ(folder.FailureKind(), LevelFailure::Unreadable);
  EXPECT_EQ(folder.Text(), "is a folder, not a file");
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("a.bin"), "hello"));
  ASSERT_TRUE(file.Open(dir.filePath("a.bin")).Ok());
  EXPECT_EQ(file.Size(), 5);
  EXPECT_EQ(file.Position(), 0);
}

TEST(MemoryFile, OnlyPlainFilesOfAtMostTheLevelSizeAreRead) {
  QTemporaryDir dir;
  MemoryFile file;
  // A sparse file: its size is only claimed, so the test costs no disk space.
  const QString big = dir.filePath("big.tr4");
  ASSERT_TRUE(WriteBytesToFile(big, "TR4"));
  ASSERT_TRUE(QFile::resize(big, kMaxLevelFileBytes + 1));
  const LevelOutcome tooLarge = file.Open(big);
  EXPECT_EQ(tooLarge.FailureKind(), LevelFailure::BeyondLimits) << "a file larger than any level was read";
  EXPECT_EQ(tooLarge.Text(), "the file is too large for a level (257 MiB; levels are read up to 256 MiB)");
  EXPECT_EQ(file.Size(), 0);
  ASSERT_TRUE(QFile::resize(big, kMaxLevelFileBytes));
  ASSERT_TRUE(file.Open(big).Ok());
  EXPECT_EQ(file.Size(), kMaxLevelFileBytes);
  file.Close();
  // Devices and pipes have no end to read up to: refused without opening them.
  if (QFileInfo::exists("/dev/zero")) {
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero.tr4")));
    EXPECT_EQ(file.Open(dir.filePath("zero.tr4")).FailureKind(), LevelFailure::Unreadable);
  }
}

QByteArray Container(const QByteArray& inner, qint64 compressedLengthDelta = 0) {
  const QByteArray packed = Deflate(inner);
  QByteArray out("ZLIB");
  out.append(QByteArray(8, '\0'));
  PatchU32(out, 4, std::uint32_t(packed.size() + compressedLengthDelta));
  PatchU32(out, 8, std::uint32_t(inner.size()));
  return out + packed;
}

TEST(MemoryFile, UnpacksTheZlibContainer) {
  const QByteArray inner = QByteArray(1000, 'q') + "tail";
  MemoryFile file;
  ASSERT_TRUE(file.Open(Container(inner)).Ok());
  EXPECT_EQ(file.Size(), inner.size());
  char last[4];
  file.Seek(1000);
  file.Read(last, 4);
  EXPECT_EQ(QByteArray(last, 4), QByteArray("tail"));
  // Inflated level data is read as it is, even when it starts like a container.
  file.Assign(Container(inner));
  EXPECT_EQ(file.Size(), Container(inner).size());
}

TEST(MemoryFile, ShortOrDamagedContainers) {
  MemoryFile file;
  ASSERT_TRUE(file.Open(QByteArray("ZLIB\1\0\0\0\1\0\0\0", 12)).Ok());  // 12 bytes: not a container, read as is
  EXPECT_EQ(file.Size(), 12);
  EXPECT_EQ(file.Open(Container("level bytes", 1)).FailureKind(), LevelFailure::Damaged);  // runs past the end
  QByteArray damaged = Container(QByteArray(5000, 'z'));
  damaged[damaged.size() - 2] = char(damaged[damaged.size() - 2] ^ 0x40);
  const LevelOutcome damage = file.Open(damaged);
  EXPECT_EQ(damage.FailureKind(), LevelFailure::Damaged);
  EXPECT_EQ(damage.Text(), "damaged compressed data in the ZLIB container at offset 0 (0x0)");
}

}  // namespace

}  // namespace mosaicor
