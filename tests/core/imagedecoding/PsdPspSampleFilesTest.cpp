// Photoshop and Paint Shop Pro pictures written by those programs (public test suites), compared
// with the decoded references the suites ship. Skipped where the shared test data is absent.

#include "SampleFiles.h"
#include "core/imagedecoding/PictureDecoder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mosaicor {

namespace {

const QString kRoot = QStringLiteral(MOSAICOR_SHARED_TESTDATA "/images");

TEST(PsdPspSampleFiles, ReadLikeTheirReferences) {
  const auto references = ReadReferenceList(kRoot);
  if (references.isEmpty()) GTEST_SKIP() << "no shared test data";
  int compared = 0;
  for (const auto& [sample, referenceFile] : references) {
    const QStringList fields = {sample, referenceFile};
    if (!(fields[0].startsWith("psd/") || fields[0].startsWith("psp/"))) continue;
    SCOPED_TRACE(fields[0].toStdString());
    DecodedPicture picture;
    QString error;
    ASSERT_TRUE(DecodeSampleFile(kRoot + '/' + fields[0], picture, error)) << error.toStdString();
    const QImage reference = LoadReferencePicture(kRoot + '/' + fields[1]);
    ASSERT_FALSE(reference.isNull());
    ASSERT_EQ(picture.image.size(), reference.size());
    EXPECT_LE(LargestChannelDifference(picture.image, reference), 1) << "format " << int(picture.format);
    ++compared;
  }
  EXPECT_GE(compared, 30);
}

TEST(PsdPspSampleFiles, ReportTheFormatsTheFilesHad) {
  struct Case {
    const char* path;
    PixelFormatCode code;
  };
  const Case cases[] = {
      {"psd/pictus/bitmap.psd", PixelFormatCode::OneBit},
      {"psd/pictus/grayscale.psd", PixelFormatCode::EightBits},
      {"psd/pictus/indexed.psd", PixelFormatCode::EightBits},
      {"psd/pictus/test2.psd", PixelFormatCode::TwentyFourBits},
      {"psd/pillow/rgba.psd", PixelFormatCode::ThirtyTwoBits},
      {"psd/twelvemonkeys/rgb-multichannel-no-transparency.psd", PixelFormatCode::TwentyFourBits},
      {"psd/twelvemonkeys/32bit5x5.psd", PixelFormatCode::TwentyFourBits},
      {"psp/pictus/01g124.pspimage", PixelFormatCode::OneBit},
      {"psp/pictus/04w125_rle.pspimage", PixelFormatCode::FourBits},
      {"psp/pictus/08g124.pspimage", PixelFormatCode::EightBits},
      {"psp/pictus/24w126_rle.pspimage", PixelFormatCode::TwentyFourBits},
      {"psp/pdn-pspformat/th_goldhill.pspimage", PixelFormatCode::EightBits},
      {"psp/pdn-pspformat/Sunset_X6.pspimage", PixelFormatCode::TwentyFourBits},
  };
  if (!QFileInfo::exists(kRoot + "/psd")) GTEST_SKIP() << "no shared test data";
  for (const Case& c : cases) {
    DecodedPicture picture;
    QString error;
    EXPECT_TRUE(DecodeSampleFile(kRoot + '/' + c.path, picture, error)) << c.path << ": " << error.toStdString();
    EXPECT_EQ(picture.format, c.code) << c.path;
  }
}

TEST(PsdPspSampleFiles, EveryFileReadsOrIsRefusedWithAReason) {
  int seen = 0;
  for (const char* folder : {"psd/pictus", "psd/pillow", "psd/pillow/bad", "psd/twelvemonkeys", "psp/pictus",
                             "psp/pictus_res", "psp/pdn-pspformat"}) {
    for (const QFileInfo& info : QDir(kRoot + "/" + folder).entryInfoList(QDir::Files)) {
      const QString extension = info.suffix().toUpper();
      if (extension != "PSD" && extension != "PSP" && extension != "PSPIMAGE") continue;
      DecodedPicture picture;
      QString error;
      const bool ok = DecodeSampleFile(info.filePath(), picture, error);
      EXPECT_TRUE(ok ? !picture.image.isNull() : !error.isEmpty()) << info.filePath().toStdString();
      ++seen;
    }
  }
  if (!seen) GTEST_SKIP() << "no shared test data";
}

}  // namespace

}  // namespace mosaicor
