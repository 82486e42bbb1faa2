// Files are found by any name a user's system gives them: spaces, letters beyond ASCII and, on
// Windows, backslashes. Every reader and writer opens them through Qt (wide-character names on
// Windows), never through a narrow C file name. Saving over a texture set replaces it.

#include "LevelWriter.h"
#include "RecordedFiles.h"
#include "TestFiles.h"
#include "TestPictures.h"
#include "TiffWriter.h"
#include "core/extraction/HeadlessExtraction.h"
#include "core/imagefiles/ImageFileModule.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

class FilePaths : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir(dir.path()).mkpath(folderName)); }
  QString Path(const QString& name) const { return dir.filePath(folderName + "/" + name); }

  const QString folderName = QString::fromUtf8("Texturen f\u00fcr Level \u2014 \u65e5\u672c");
  QTemporaryDir dir;
  RecordedFailures messages;
  RecordingFileModule module{messages};
};

TEST_F(FilePaths, PicturesAndLevelsGoThroughNamesBeyondAscii) {
  const QImage picture = MakeFPicture(16, 8);
  for (const char* extension : {"tga", "bmp", "jpg", "png"}) {
    const QString path = Path(QString::fromUtf8("s\u00e4tze %1.").arg(extension) + extension);
    SCOPED_TRACE(path.toStdString());
    ASSERT_TRUE(module.SaveImageFile(picture, path));
    QImage back;
    ASSERT_TRUE(module.LoadImageFile(back, path)) << messages.last.toStdString();
    EXPECT_EQ(back.size(), picture.size());
  }

  TiffSpec tiff;
  tiff.width = 2, tiff.height = 1, tiff.pixels = QByteArray("\x10\x20", 2);
  const QString tiffPath = Path(QString::fromUtf8("\u00e9t\u00e9.tif"));
  ASSERT_TRUE(WriteBytesToFile(tiffPath, WriteTiff(tiff)));
  QImage back;
  EXPECT_TRUE(module.LoadImageFile(back, tiffPath)) << messages.last.toStdString();

  const QString level = Path(QString::fromUtf8("\u00dcberfall.tr4"));
  ASSERT_TRUE(WriteLevelFile(level, MakeSampleLevel(LevelGeneration::TR4, 2)));
  const Result<QImage> pages = ExtractLevelPicture(LevelExtract::Pages, level, false);
  ASSERT_TRUE(pages) << pages.Text().toStdString();
  EXPECT_EQ(pages->width(), 256);
}

TEST_F(FilePaths, SavingOverATextureSetReplacesIt) {
  const QString path = Path("set.tga");
  ASSERT_TRUE(module.SaveImageAs24BitsFile(MakeFPicture(64, 64), 64, 64, path));
  ASSERT_TRUE(module.SaveImageAs24BitsFile(MakeFPicture(128, 64), 128, 64, path)) << messages.last.toStdString();
  QImage back;
  ASSERT_TRUE(module.LoadImageFile(back, path));
  EXPECT_EQ(back.size(), QSize(128, 64));
  EXPECT_EQ(QDir(Path("")).entryList(QDir::Files), QStringList{"set.tga"}) << "no temporary file is left behind";
}

#if defined(_WIN32)
TEST_F(FilePaths, BackslashesAndDeviceNames) {
  const QString path = QDir::toNativeSeparators(Path("set.bmp"));
  ASSERT_TRUE(module.SaveImageFile(MakeFPicture(4, 4), path));
  QImage back;
  EXPECT_TRUE(module.LoadImageFile(back, path));
  // Devices are never read: some would answer for ever, others wait for input.
  for (const QString& device : {QStringLiteral("NUL.tga"), QStringLiteral("CON.bmp"), QStringLiteral("\\\\.\\NUL.tga"),
                                Path("COM1.tga"), Path("nul.png")}) {
    SCOPED_TRACE(device.toStdString());
    EXPECT_FALSE(module.LoadImageFile(back, device));
    EXPECT_FALSE(ExtractLevelPicture(LevelExtract::Pages, device, false));
  }
}
#endif

}  // namespace

}  // namespace mosaicor
