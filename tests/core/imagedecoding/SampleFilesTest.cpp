// Pictures written by other programs (public conformance suites), compared with the decoded
// references those suites ship. Skipped where the shared test data is absent.

#include "SampleFiles.h"
#include "core/imagedecoding/PictureDecoder.h"
#include "core/imagefiles/PictureConversion.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mosaicor {

namespace {

const QString kRoot = QStringLiteral(MOSAICOR_SHARED_TESTDATA "/images");

TEST(SampleFiles, ReadLikeTheirReferences) {
  const auto references = ReadReferenceList(kRoot);
  if (references.isEmpty()) GTEST_SKIP() << "no shared test data";
  int compared = 0;
  for (const auto& [sample, referenceFile] : references) {
    const QStringList fields = {sample, referenceFile};
    // bmpsuite's bad (b) and questionable (q) files have no single right reading.
    if (fields[0].contains("/b/") || fields[0].contains("/q/")) continue;
    const QString extension = QFileInfo(fields[0]).suffix().toUpper();
    if (extension != "TGA" && extension != "BMP" && extension != "JPG") continue;
    DecodedPicture picture;
    QString error;
    SCOPED_TRACE(fields[0].toStdString());
    const bool read = DecodeSampleFile(kRoot + '/' + fields[0], picture, error);
    const QImage reference(kRoot + '/' + fields[1]);
    if (reference.isNull()) continue;
    // OS/2 bitmap arrays are not single pictures.
    // Neither are 2-bit Windows CE bitmaps one of the formats the program knows.
    if (!read && (fields[0].endsWith("ba-bm.bmp") || fields[0].contains("/pal2") || fields[0].contains("rle24")))
      continue;
    if (!read) {
      ADD_FAILURE() << error.toStdString();
      continue;
    }
    if (fields[1].contains("nonsquare-")) continue;  // the reference is stretched
    // RLE files with skipped pixels: those are undefined; we leave palette entry 0 there.
    if (fields[0].contains("rlecut") || fields[0].contains("rletrns")) continue;
    if (picture.image.size() != reference.size()) {
      ADD_FAILURE() << "size " << picture.image.width() << "x" << picture.image.height();
      continue;
    }
    // Our 16-bit pictures keep 5 bits a channel; references widen them in their own way.
    const QImage ours = (picture.format == PixelFormatCode::SixteenBits ||
                         picture.format == PixelFormatCode::FifteenBits || picture.format == PixelFormatCode::Custom)
                            ? ConvertTo32Bits(picture.image, picture.format)
                            : picture.image;
    // 5-bit colour map entries are widened by 8 here, by bit replication elsewhere.
    const bool fiveBits = picture.format == PixelFormatCode::SixteenBits ||
                          picture.format == PixelFormatCode::FifteenBits || fields[0].contains("/b5-");
    const int tolerance = picture.format == PixelFormatCode::Custom ? 20 : fiveBits ? 8 : 1;
    EXPECT_LE(LargestChannelDifference(ours, reference), tolerance) << "format " << int(picture.format);
    ++compared;
  }
  EXPECT_GT(compared, 50);
}

TEST(SampleFiles, BrokenFilesNeverCrash) {
  int seen = 0;
  for (const char* folder : {"bmp/bmpsuite-2.8/b", "bmp/bmpsuite-2.8/q", "bmp/image-rs/bad", "jpg/pillow/bad",
                             "tga/image-rs", "tga/pillow_misc", "jpg/pillow"}) {
    for (const QFileInfo& info : QDir(kRoot + "/" + folder).entryInfoList(QDir::Files)) {
      const QString extension = info.suffix().toUpper();
      if (extension != "TGA" && extension != "BMP" && extension != "JPG") continue;
      DecodedPicture picture;
      QString error;
      const bool ok = DecodeSampleFile(info.filePath(), picture, error);
      EXPECT_TRUE(ok || !error.isEmpty()) << info.filePath().toStdString();
      ++seen;
    }
  }
  if (!seen) GTEST_SKIP() << "no shared test data";
}

TEST(SampleFiles, TruevisionSuiteReportsItsFormats) {
  struct Case {
    const char* name;
    PixelFormatCode code;
  };
  const Case cases[] = {{"CBW8.TGA", PixelFormatCode::EightBits},
                        {"CCM8.TGA", PixelFormatCode::EightBits},
                        {"CTC16.TGA", PixelFormatCode::FifteenBits},
                        {"UTC24.TGA", PixelFormatCode::TwentyFourBits},
                        {"UTC32.TGA", PixelFormatCode::ThirtyTwoBits}};
  if (!QFileInfo::exists(kRoot + "/tga/truevision")) GTEST_SKIP() << "no shared test data";
  for (const Case& c : cases) {
    DecodedPicture picture;
    QString error;
    ASSERT_TRUE(DecodeSampleFile(kRoot + "/tga/truevision/" + c.name, picture, error)) << c.name;
    EXPECT_EQ(picture.format, c.code) << c.name;
  }
}

TEST(SampleFiles, JpegColourAndGreyReportTheirCodes) {
  if (!QFileInfo::exists(kRoot + "/jpg/pillow/hopper.jpg")) GTEST_SKIP() << "no shared test data";
  DecodedPicture picture;
  QString error;
  ASSERT_TRUE(DecodeSampleFile(kRoot + "/jpg/pillow/hopper.jpg", picture, error));
  EXPECT_EQ(picture.format, PixelFormatCode::TwentyFourBits);
  const QImage qt(kRoot + "/jpg/pillow/hopper.jpg");
  EXPECT_LE(LargestChannelDifference(picture.image, qt), 4);
  ASSERT_TRUE(DecodeSampleFile(kRoot + "/jpg/pillow/hopper_gray.jpg", picture, error));
  EXPECT_EQ(picture.format, PixelFormatCode::EightBits);
  ASSERT_TRUE(DecodeSampleFile(kRoot + "/jpg/pillow/pil_sample_cmyk.jpg", picture, error));
  EXPECT_LE(LargestChannelDifference(picture.image, QImage(kRoot + "/jpg/pillow/pil_sample_rgb.jpg")), 40);
}

}  // namespace

}  // namespace mosaicor
