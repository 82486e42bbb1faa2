// Picture paths that are not pictures: devices, pipes, folders, empty and oversized files. Each is
// refused at once with what is really wrong, beside the program's own sentence.

#include "core/imagefiles/ImageFileModule.h"
#include "core/imagefiles/PngWriter.h"

#include "ImageFileTestFixture.h"
#include "PictureWriters.h"
#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <future>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#endif

namespace mosaicor {

namespace {

const QString kSentence = QStringLiteral("This file has a non supported compression scheme.");

class HostileFiles : public ImageFileTest {
 protected:
  // Loads the file and expects a failure shown as `text` with `reason`, the picture untouched.
  void ExpectRefused(const QString& path, const QString& text, const QString& reason) {
    QImage image = MakeFPicture(2, 2);
    const QImage before = image;
    PixelFormatCode format = PixelFormatCode::Custom;
    EXPECT_FALSE(module.LoadImageAs32BitsFile(image, path, format)) << path.toStdString();
    EXPECT_EQ(messages.last, text) << path.toStdString();
    EXPECT_EQ(messages.lastReason, reason) << path.toStdString();
    EXPECT_EQ(format, PixelFormatCode::Device);
    EXPECT_EQ(image, before);
  }
};

TEST_F(HostileFiles, FoldersAndDevicesAreNotPictures) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.tga"));
  ExpectRefused(dir.filePath("folder.tga"), "is a folder, not a file", "");
  if (!QFileInfo::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero on this platform";
  // Read as a file, /dev/zero never ends: the program used to read it until memory ran out.
  ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("z.png")));
  ExpectRefused(dir.filePath("z.png"), "not a regular file", "");
}

#if defined(Q_OS_UNIX)
TEST_F(HostileFiles, APipeWithoutWriterIsRefusedWithoutWaiting) {
  const QString fifo = dir.filePath("f.tga");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  auto load = std::async(std::launch::async, [this, fifo] {
    QImage image;
    return module.LoadImageFile(image, fifo);
  });
  if (load.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    // Let the blocked reader go: a writer that closes at once gives it the end of the data.
    const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
    load.wait();
    FAIL() << "loading a pipe waited for a writer";
  }
  EXPECT_FALSE(load.get());
  EXPECT_EQ(messages.last, "not a regular file");
}
#endif

TEST_F(HostileFiles, EmptyFilesSayTheyAreEmpty) {
  for (const QString name : {"e.tga", "e.bmp", "e.png", "e.jpg", "e.pcx", "e.psd", "e.psp", "e.tif"})
    ExpectRefused(Write(name, QByteArray()), "the file is empty", "");
}

TEST_F(HostileFiles, FilesLargerThanAnyPictureAreNotRead) {
  // Sparse: the size is claimed, not written.
  const QString path = Write("big.tga", QByteArray(18, '\0'));
  ASSERT_TRUE(QFile::resize(path, (qint64(1) << 30) + 1));
  ExpectRefused(path, "the file is too large (1025 MiB; pictures are read up to 1024 MiB)", "");
}

TEST_F(HostileFiles, DecodersSayWhatIsWrong) {
  TgaSpec huge;
  huge.width = 65535, huge.height = 65535;
  ExpectRefused(Write("huge.tga", WriteTga(huge)), "the picture is too large (65535 x 65535 pixels)", "");
  ExpectRefused(Write("short.pcx", QByteArray("\x0A\x05\x01", 3)), kSentence, "not a PCX file");
  EXPECT_EQ(messages.LastLine(), kSentence + " (not a PCX file)");
}

// A PNG header claiming a picture; the pixel data does not matter for what is refused before it.
QByteArray PngHeader(quint32 width, quint32 height, int bitDepth, int colourType) {
  QByteArray bytes = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452");
  for (quint32 v : {width, height}) {
    const char big[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    bytes.append(big, 4);
  }
  bytes.append(char(bitDepth)).append(char(colourType)).append(QByteArray(3, '\0'));
  return bytes + QByteArray(4 + 4096, '\0');
}

TEST_F(HostileFiles, PngsHaveTheSameLimitAsEveryOtherFormat) {
  // Larger than Qt's own 128 MB default for a reader (144 MB as 32 bits), far below ours.
  QImage wide(6000, 6000, QImage::Format_RGB32);
  wide.fill(qRgb(10, 200, 30));
  const Result<QByteArray> encoded = EncodePng(wide);
  ASSERT_TRUE(encoded.Ok()) << encoded.Text().toStdString();
  const QByteArray& png = encoded.Value();
  QImage image;
  PixelFormatCode format;
  ASSERT_TRUE(module.LoadImageAs32BitsFile(image, Write("wide.png", png), format)) << messages.LastLine().toStdString();
  EXPECT_EQ(image.size(), QSize(6000, 6000));
  EXPECT_EQ(image.pixel(5999, 5999) & 0xFFFFFF, qRgb(10, 200, 30) & 0xFFFFFF);
  // Colour of 16 bits a sample takes 8 bytes a pixel as Qt decodes it: 128 Mi pixels would be 1 GiB.
  ExpectRefused(Write("deep.png", PngHeader(16384, 8192, 16, 6)), "the picture is too large (16384 x 8192 pixels)", "");
  ExpectRefused(Write("huge.png", PngHeader(65535, 65535, 8, 2)), "the picture is too large (65535 x 65535 pixels)",
                "");
}

}  // namespace

}  // namespace mosaicor
