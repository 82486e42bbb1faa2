// Memory follows what an input really holds, not what its header claims: the companion runs here
// under an address-space limit of 1 GiB (or 3 x input + output where that is larger), and every
// command must either do its work or refuse with its own reason, never run out of memory. Large
// inputs are sparse files, so the tests cost little disk and time.

#include "CliRunner.h"

#include "HostileJpeg.h"
#include "LevelWriter.h"
#include "PictureWriters.h"
#include "TestPictures.h"
#include "core/imagefiles/PngWriter.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#if defined(Q_OS_UNIX)
#include <sys/resource.h>
#endif

namespace mosaicor {

namespace {

#if defined(Q_OS_UNIX) && !defined(__SANITIZE_ADDRESS__)

constexpr qint64 kMiB = qint64(1) << 20;
constexpr qint64 kGiB = qint64(1) << 30;

// The goal for one command: 1 GiB, or three times its input and its output where that is more.
qint64 Budget(qint64 inputBytes, qint64 outputBytes) { return std::max(kGiB, 3 * inputBytes + outputBytes); }

CliResult RunCliWithin(qint64 addressSpace, const QStringList& args) {
  QProcess process;
  process.setChildProcessModifier([addressSpace] {
    const rlimit limit{rlim_t(addressSpace), rlim_t(addressSpace)};
    ::setrlimit(RLIMIT_AS, &limit);
  });
  process.start(QStringLiteral(MOSAICOR_CLI_PATH), args);
  process.waitForFinished(300000);
  CliResult result;
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.err = QString::fromLocal8Bit(process.readAllStandardError());
  return result;
}

// A file of `size` bytes that begins with `head`; the rest reads as zeros and takes no disk space.
QString WriteSparse(const QString& path, const QByteArray& head, qint64 size) {
  EXPECT_TRUE(WriteBytesToFile(path, head));
  EXPECT_TRUE(QFile::resize(path, size));
  return path;
}

QByteArray Le32(quint32 v) {
  const char bytes[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
  return QByteArray(bytes, 4);
}

QByteArray Be32(quint32 v) {
  const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
  return QByteArray(bytes, 4);
}

class MemoryBounds : public testing::Test {
 protected:
  QString Path(const QString& name) const { return dir.filePath(name); }
  QTemporaryDir dir;
};

TEST_F(MemoryBounds, LevelsClaimingMoreThanAnyLevelHoldsAreRefusedByTheirReason) {
  // TR1 with 2,000 pages that are really there (125 MiB of them).
  const QString tr1 = WriteSparse(Path("many.phd"), Le32(0x20) + Le32(2000), 8 + 2000 * 65536 + 4096);
  CliResult result = RunCliWithin(kGiB, {"pages", tr1, "-o", Path("out.tga")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, tr1 + ": the level claims 2000 texture pages (at most 512)\n");
  // 1.5 GiB claiming 20,000 pages, and a damaged TR4 of the same size: not even read.
  const QString phd = WriteSparse(Path("huge.phd"), Le32(0x20) + Le32(20000), 1536 * kMiB);
  const QString tr4 = WriteSparse(Path("huge.tr4"), QByteArray("TR4\0\1\0\2\0\3\0", 10) + Le32(99), 1536 * kMiB);
  for (const QString& level : {phd, tr4}) {
    for (const char* command : {"pages", "animated"}) {
      result = RunCliWithin(kGiB, {command, level, "-o", Path("out.tga")});
      EXPECT_EQ(result.exitCode, 1);
      EXPECT_EQ(result.err, level + ": the file is too large for a level (1536 MiB; levels are read up to 256 MiB)\n");
    }
    result = RunCliWithin(kGiB, {"info", level});
    EXPECT_EQ(result.err, level + ": the file is too large for a level (1536 MiB; levels are read up to 256 MiB)\n");
  }
  EXPECT_FALSE(QFile::exists(Path("out.tga")));
}

TEST_F(MemoryBounds, ALevelOfThe512PagesAllowedIsExtracted) {
  LevelDescription d;
  d.generation = LevelGeneration::TR1;
  d.pages8 = QByteArray(512 * 65536, '\x07');
  d.palette8 = MakePalette8();
  const QString level = Path("full.phd");
  ASSERT_TRUE(WriteLevelFile(level, d));
  // 131,072 rows: more than a TGA holds, so a BMP.
  const qint64 output = 54 + 256LL * 512 * 256 * 3;
  const CliResult result =
      RunCliWithin(Budget(QFileInfo(level).size(), output), {"pages", level, "-o", Path("out.bmp")});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_EQ(QFileInfo(Path("out.bmp")).size(), output);
}

TEST_F(MemoryBounds, ResizeStopsAtTheLargestCanvasPicture) {
  TgaSpec spec;
  spec.pixelDepth = 32, spec.descriptor = 0x28, spec.width = 2048, spec.height = 2048;
  const QString input = WriteSparse(Path("in.tga"), WriteTga(spec), 18 + 2048LL * 2048 * 4);
  CliResult result = RunCliWithin(kGiB, {"resize", input, "--size", "16384x16384", "-o", Path("out.tga")});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_TRUE(result.err.contains("bad --size '16384x16384': the largest picture is 512 x 16384 pixels"))
      << result.err.toStdString();
  EXPECT_EQ(RunCliWithin(kGiB, {"resize", input, "--size", "513x64", "-o", Path("out.tga")}).exitCode, 2);
  EXPECT_FALSE(QFile::exists(Path("out.tga")));
  result = RunCliWithin(kGiB, {"resize", input, "--size", "512x16384", "-o", Path("out.tga")});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_EQ(QFileInfo(Path("out.tga")).size(), 18 + 512LL * 16384 * 3);
}

TEST_F(MemoryBounds, LargePicturesConvertWithinTheirBudget) {
  // 256 MiB of 32-bit pixels (8192 x 8192), all zero.
  TgaSpec spec;
  spec.pixelDepth = 32, spec.descriptor = 0x28, spec.width = 8192, spec.height = 8192;
  const qint64 inputBytes = 18 + 8192LL * 8192 * 4, outputBytes = 18 + 8192LL * 8192 * 3;
  const QString tga = WriteSparse(Path("big.tga"), WriteTga(spec), inputBytes);
  CliResult result = RunCliWithin(Budget(inputBytes, outputBytes), {"convert", tga, "-o", Path("out.tga")});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_EQ(QFileInfo(Path("out.tga")).size(), outputBytes);
  // A PNG beyond Qt's own 128 MB limit, within ours.
  QImage picture(6000, 6000, QImage::Format_RGB32);
  picture.fill(qRgb(10, 20, 30));
  const Result<QByteArray> png = EncodePng(picture);
  ASSERT_TRUE(png.Ok()) << png.Text().toStdString();
  ASSERT_TRUE(WriteBytesToFile(Path("big.png"), png.Value()));
  result = RunCliWithin(kGiB, {"convert", Path("big.png"), "-o", Path("png.bmp")});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  // A header claiming the largest TGA over a file that holds a little of it.
  spec.width = 65535, spec.height = 65535;
  const QString huge = WriteSparse(Path("huge.tga"), WriteTga(spec), 64 * kMiB);
  result = RunCliWithin(kGiB, {"convert", huge, "-o", Path("huge-out.tga")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.err.contains(": the picture is too large (65535 x 65535 pixels)")) << result.err.toStdString();
}

// A picture file is judged by its header before it is read: a refusal, or a small picture at the
// head of a long file, takes a fraction of the file's size. The limit is the program's own address
// space plus far less than any of these files.
TEST_F(MemoryBounds, PictureHeadersAreJudgedBeforeTheFileIsRead) {
  const qint64 limit = 512 * kMiB, size = 1000 * kMiB;
  TgaSpec tga;
  tga.width = tga.height = 65535;
  const QString huge = WriteSparse(Path("huge.tga"), WriteTga(tga), size);
  const QString zeros = WriteSparse(Path("zeros.tga"), QByteArray(18, '\0'), size);
  QByteArray pcx(128, '\0');  // 8 bits in one plane, 40000 x 40000
  pcx[0] = 0x0A, pcx[1] = 5, pcx[2] = 1, pcx[3] = 8, pcx[65] = 1;
  pcx[8] = pcx[10] = char(39999 & 0xFF), pcx[9] = pcx[11] = char(39999 >> 8), pcx[66] = pcx[67] = char(0xFF);
  tga.width = tga.height = 64, tga.pixels = QByteArray(64 * 64 * 3, '\x20');
  BmpSpec bmp;
  bmp.width = bmp.height = 64, bmp.pixels = QList<uint32_t>(64 * 64, 0x203040);
  QImage one(1, 1, QImage::Format_RGB32);
  one.fill(Qt::white);
  // The signature and header chunk, then a text chunk claiming 2 GB: 41 bytes.
  ASSERT_TRUE(WriteBytesToFile(Path("claim.png"), EncodePng(one).Value().left(33) + Be32(0x7FFFFFF0) + "tEXt"));
  const struct {
    QString path, reason;
  } refused[] = {
      {huge, "the picture is too large (65535 x 65535 pixels)"},
      {zeros, "the picture has a pixel depth of 0"},
      {WriteSparse(Path("huge.pcx"), pcx, size), "the picture is too large (40000 x 40000 pixels)"},
      {Path("claim.png"), "the PNG chunk \"tEXt\" at offset 33 claims 2147483632 bytes, but only 0 are left"}};
  for (const auto& file : refused) {
    const CliResult result = RunCliWithin(limit, {"info", file.path});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains(file.reason)) << result.err.toStdString();
  }
  for (const QString& tailed :
       {WriteSparse(Path("tail.tga"), WriteTga(tga), size), WriteSparse(Path("tail.bmp"), WriteBmp(bmp), size)}) {
    const CliResult result = RunCliWithin(limit, {"info", tailed});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  }
}

TEST_F(MemoryBounds, ProgressiveJpegHeadersCannotAskForGigabytes) {
  const QByteArray full = ProgressiveJpegClaiming(16384, 8192, false, 64 * 1024);
  if (full.isEmpty()) GTEST_SKIP() << "Qt cannot write JPEG files here";
  ASSERT_TRUE(WriteBytesToFile(Path("full.jpg"), full));
  CliResult result = RunCliWithin(kGiB, {"convert", Path("full.jpg"), "-o", Path("out.tga")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.err.endsWith("(the picture is too large to decode progressively (16384 x 8192 pixels))\n"))
      << result.err.toStdString();
  // The usual 4:2:0 sampling, 96 Mi pixels: decoded within the budget. (At the full 128 Mi pixels
  // it needs about 1000 MiB of address space with the program's libraries, too close to the limit
  // for a test that must not depend on the machine.)
  ASSERT_TRUE(WriteBytesToFile(Path("usual.jpg"), ProgressiveJpegClaiming(16384, 6144, true, 64 * 1024)));
  result = RunCliWithin(kGiB, {"convert", Path("usual.jpg"), "-o", Path("usual.tga")});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
}

TEST_F(MemoryBounds, ADeviceBehindAPictureNameIsNotRead) {
  if (!QFileInfo::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero on this platform";
  ASSERT_TRUE(QFile::link("/dev/zero", Path("z.png")));
  const CliResult result = RunCliWithin(kGiB, {"convert", Path("z.png"), "-o", Path("out.tga")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, Path("z.png") + ": not a regular file\n");
}

#else

TEST(MemoryBounds, NeedsAnAddressSpaceLimit) {
  GTEST_SKIP() << "address-space limits need a Unix build without the address sanitizer";
}

#endif

}  // namespace

}  // namespace mosaicor
