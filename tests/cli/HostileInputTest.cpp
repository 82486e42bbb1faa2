// Inputs that are not files to read (devices, pipes) and failures whose true reason must reach
// the user: each input gets one line on stderr naming what is wrong, and nothing else is printed.

#include "CliRunner.h"

#include "LevelWriter.h"
#include "PictureWriters.h"
#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace mosaicor {

namespace {

const QString kSentence = QStringLiteral("This file has a non supported compression scheme.");

// Runs the companion (or `program`) and gives it `seconds` to finish; a run that is still going is
// killed and reported as exit code -2, one that cannot start as -1.
CliResult RunCliWithin(int seconds, const QStringList& args, const QString& program = MOSAICOR_CLI_PATH) {
  QProcess process;
  process.start(program, args);
  CliResult result;
  if (!process.waitForStarted(30000)) {
    result.err = QStringLiteral("cannot start %1").arg(program);
    return result;  // exit code -1
  }
  if (!process.waitForFinished(seconds * 1000)) {
    process.kill();
    process.waitForFinished();
    result.exitCode = -2;
  } else {
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }
  result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  result.err = QString::fromLocal8Bit(process.readAllStandardError());
  return result;
}

class HostileInput : public testing::Test {
 protected:
  QString Path(const QString& name) const { return dir.filePath(name); }
  QTemporaryDir dir;
};

TEST_F(HostileInput, DevicesAreNotReadAsPicturesOrLevels) {
  if (!QFileInfo::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero on this platform";
  for (const char* name : {"z.png", "z.tga", "z.tr4", "z.phd"}) ASSERT_TRUE(QFile::link("/dev/zero", Path(name)));
  const QList<QStringList> runs = {
      {"convert", Path("z.png"), "-o", Path("out.tga")},
      {"resize", Path("z.tga"), "--size", "64x64", "-o", Path("out.tga")},
      {"info", Path("z.png")},
      {"pages", Path("z.tr4"), "-o", Path("out.tga")},
      {"animated", Path("z.phd"), "-o", Path("out.tga")},
  };
  for (const QStringList& args : runs) {
    const CliResult result = RunCliWithin(60, args);
    EXPECT_EQ(result.exitCode, 1) << args.join(' ').toStdString();
    EXPECT_EQ(result.err, args[1] + ": not a regular file\n") << args.join(' ').toStdString();
  }
  EXPECT_FALSE(QFile::exists(Path("out.tga")));
}

#if defined(Q_OS_UNIX)
TEST_F(HostileInput, PipesWithoutWriterAreRefusedAtOnce) {
  for (const char* name : {"f.tga", "f.tr2"}) ASSERT_EQ(::mkfifo(QFile::encodeName(Path(name)).constData(), 0600), 0);
  const QList<QStringList> runs = {
      {"convert", Path("f.tga"), "-o", Path("out.bmp")},
      {"info", Path("f.tga")},
      {"pages", Path("f.tr2"), "-o", Path("out.bmp")},
      {"info", Path("f.tr2")},
  };
  for (const QStringList& args : runs) {
    const CliResult result = RunCliWithin(30, args);
    ASSERT_NE(result.exitCode, -2) << "still waiting for a writer: " << args.join(' ').toStdString();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, args[1] + ": not a regular file\n");
  }
}
#endif

TEST_F(HostileInput, EveryFailureLineSaysWhatIsWrong) {
  ASSERT_TRUE(WriteBytesToFile(Path("empty.tga"), QByteArray()));
  TgaSpec huge;
  huge.width = 65535, huge.height = 65535;
  ASSERT_TRUE(WriteBytesToFile(Path("huge.tga"), WriteTga(huge)));
  // info has no --verbose: the reason must be in the line itself.
  const CliResult info = RunCli({"info", Path("empty.tga"), Path("huge.tga")});
  EXPECT_EQ(info.exitCode, 1);
  // A file without a picture in it is no compression problem.
  EXPECT_EQ(info.err, Path("empty.tga") + ": the file is empty\n" + Path("huge.tga") +
                          ": the picture is too large (65535 x 65535 pixels)\n");
  const CliResult convert = RunCli({"convert", Path("huge.tga"), "-o", Path("out.tga")});
  EXPECT_EQ(convert.err, Path("huge.tga") + ": the picture is too large (65535 x 65535 pixels)\n");
  // A level: the empty file and a page count no level has.
  ASSERT_TRUE(WriteBytesToFile(
      Path("pages.tr2"), QByteArray::fromHex("2d000000") + QByteArray(1792, '\0') + QByteArray::fromHex("d0070000")));
  const CliResult level = RunCli({"pages", Path("pages.tr2"), "-o", Path("out.tga")});
  EXPECT_EQ(level.exitCode, 1);
  EXPECT_EQ(level.err, Path("pages.tr2") + ": the level claims 2000 texture pages (at most 512)\n");
  LevelDescription tr4 = MakeSampleLevel(LevelGeneration::TR4, 1);
  tr4.compressionLevel = 1;
  tr4.pages16 = QByteArray(513 * 131072, '\0');  // a chunk of 513 pages of 16 bits: sound, but too large
  ASSERT_TRUE(WriteLevelFile(Path("large.tr4"), tr4));
  const CliResult chunk = RunCli({"pages", Path("large.tr4"), "-o", Path("out.tga")});
  EXPECT_EQ(chunk.err,
            Path("large.tr4") + ": compressed data unpacks to more than 64 MiB, more than any level holds\n");
}

TEST_F(HostileInput, QtsOwnLogLinesNeverReachTheUser) {
  QImage picture(64, 64, QImage::Format_RGB32);
  picture.fill(qRgb(1, 2, 3));
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "PNG"));
  }
  // A comment whose checksum is wrong: Qt logs "qt.gui.imageio: libpng warning: tEXt: CRC error"
  // and reads the picture all the same.
  QByteArray warned = png;
  warned.insert(warned.indexOf("IEND") - 4, QByteArray::fromHex("0000000a74455874") + QByteArray("Comment\0hi", 10) +
                                                QByteArray::fromHex("12345678"));
  ASSERT_TRUE(WriteBytesToFile(Path("warned.png"), warned));
  const CliResult read = RunCli({"convert", Path("warned.png"), "-o", Path("warned.tga")});
  EXPECT_EQ(read.exitCode, 0);
  EXPECT_EQ(read.err, "");
  EXPECT_EQ(RunCli({"info", Path("warned.png")}).err, "");

  const int data = png.indexOf("IDAT");
  ASSERT_GT(data, 0);
  for (int i = data + 8; i < data + 20; ++i) png[i] = char(png[i] ^ 0x5A);
  ASSERT_TRUE(WriteBytesToFile(Path("bad.png"), png));
  // Damaged pixel data: libpng itself prints its error, under Qt's PNG support.
  for (const QStringList& args :
       {QStringList{"convert", Path("bad.png"), "-o", Path("out.tga")}, QStringList{"info", Path("bad.png")}}) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.startsWith(Path("bad.png") + ": " + kSentence + " (")) << result.err.toStdString();
    EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains("qt.gui")) << result.err.toStdString();
  }
}

#if defined(Q_OS_LINUX)
TEST_F(HostileInput, AFullDiskIsNamedAsSuch) {
  // A 64 KiB file system of its own, in a user and mount namespace, for a 196 KiB output.
  TgaSpec spec;
  spec.pixelDepth = 32, spec.descriptor = 0x28, spec.width = 256, spec.height = 256;
  spec.pixels = TgaPixelsOf(MakeFPicture(256, 256), 32);
  ASSERT_TRUE(WriteBytesToFile(Path("in.tga"), WriteTga(spec)));
  ASSERT_TRUE(QDir(dir.path()).mkdir("small"));
  const QString small = Path("small");
  for (const QString out : {"out.tga", "out.bmp"}) {
    const QString script =
        QStringLiteral("mount -t tmpfs -o size=64k tmpfs '%1' || exit 77; exec '%2' convert '%3' -o '%1/%4'")
            .arg(small, QStringLiteral(MOSAICOR_CLI_PATH), Path("in.tga"), out);
    const CliResult result = RunCliWithin(60, {"-Urm", "sh", "-c", script}, QStringLiteral("unshare"));
    if (result.exitCode == 77 || result.exitCode == -1 || result.err.contains("unshare"))
      GTEST_SKIP() << "cannot mount a small file system here: " << result.err.toStdString();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.startsWith(Path("in.tga") + ": ")) << result.err.toStdString();
    EXPECT_TRUE(result.err.endsWith(": No space left on device\n")) << result.err.toStdString();
  }
}
#endif

}  // namespace

}  // namespace mosaicor
