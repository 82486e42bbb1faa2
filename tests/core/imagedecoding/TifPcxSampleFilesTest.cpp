// TIFF and PCX files written by other programs (public suites), against the decoded references
// those suites ship and the formats they hold. Skipped where the shared test data is absent.

#include "DecodedInto.h"
#include "SampleFiles.h"
#include "core/imagedecoding/PictureDecoder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mosaicor {

namespace {

const QString kRoot = QStringLiteral(MOSAICOR_SHARED_TESTDATA "/images");

TEST(TifPcxSampleFiles, ReadLikeTheirReferences) {
  const auto references = ReadReferenceList(kRoot);
  if (references.isEmpty()) GTEST_SKIP() << "no shared test data";
  int compared = 0;
  for (const auto& [sample, referenceFile] : references) {
    const QStringList fields = {sample, referenceFile};
    if (!(fields[0].startsWith("tif/") || fields[0].startsWith("pcx/"))) continue;
    SCOPED_TRACE(fields[0].toStdString());
    const QImage reference = LoadReferencePicture(kRoot + '/' + fields[1]);
    ASSERT_FALSE(reference.isNull()) << fields[1].toStdString();
    DecodedPicture picture;
    QString error;
    ASSERT_TRUE(DecodeSampleFile(kRoot + '/' + fields[0], picture, error)) << error.toStdString();
    ASSERT_EQ(picture.image.size(), reference.size());
    QImage ours = picture.image;
    // These hold associated (premultiplied) alpha, which their reference leaves as it is stored.
    if (fields[0].contains("hpredict")) {
      ours = ours.convertToFormat(QImage::Format_ARGB32_Premultiplied);
      ours.reinterpretAsFormat(QImage::Format_ARGB32);
    }
    EXPECT_LE(LargestChannelDifference(ours, reference), 1);
    ++compared;
  }
  EXPECT_GE(compared, 15);
}

TEST(TifPcxSampleFiles, ReportTheFormatsTheyHold) {
  struct Case {
    const char* path;
    PixelFormatCode code;
  };
  const Case cases[] = {
      {"tif/libtiff/miniswhite-1c-1b.tiff", PixelFormatCode::OneBit},
      {"tif/libtiff/palette-1c-4b.tiff", PixelFormatCode::FourBits},
      {"tif/libtiff/palette-1c-8b.tiff", PixelFormatCode::EightBits},
      {"tif/libtiff/minisblack-1c-16b.tiff", PixelFormatCode::EightBits},
      {"tif/libtiff/rgb-3c-16b.tiff", PixelFormatCode::TwentyFourBits},
      {"tif/libtiff/quad-tile.jpg.tiff", PixelFormatCode::TwentyFourBits},
      {"tif/libtiff/quad-lzw-compat.tiff", PixelFormatCode::TwentyFourBits},
      {"tif/libtiff/minisblack-2c-8b-alpha.tiff", PixelFormatCode::ThirtyTwoBits},
      {"tif/libtiff/logluv-3c-16b.tiff", PixelFormatCode::TwentyFourBits},
      {"tif/pillow/hopper_jpg.tif", PixelFormatCode::TwentyFourBits},
      {"tif/pillow/hopper_gray_4bpp.tif", PixelFormatCode::FourBits},
      {"tif/pillow/tiff_16bit_RGBa.tiff", PixelFormatCode::ThirtyTwoBits},
      {"tif/twelvemonkeys/depth/flower-separated-contig-08.tif", PixelFormatCode::TwentyFourBits},
      {"tif/twelvemonkeys/depth/flower-rgb-planar-16.tif", PixelFormatCode::TwentyFourBits},
      {"tif/twelvemonkeys/lzw-rgba-4444.tif", PixelFormatCode::ThirtyTwoBits},
      {"tif/image-rs/fax4.tiff", PixelFormatCode::OneBit},
      {"pcx/pictus/b01.pcx", PixelFormatCode::OneBit},
      {"pcx/pictus/b04.pcx", PixelFormatCode::FourBits},
      {"pcx/pictus/b08.pcx", PixelFormatCode::EightBits},
      {"pcx/pictus/b24.pcx", PixelFormatCode::TwentyFourBits},
      {"pcx/twelvemonkeys/CGA_FSD.PCX", PixelFormatCode::FourBits},
      {"pcx/pillow/odd_stride.pcx", PixelFormatCode::EightBits},
  };
  if (!QFileInfo::exists(kRoot + "/tif")) GTEST_SKIP() << "no shared test data";
  for (const Case& c : cases) {
    DecodedPicture picture;
    QString error;
    EXPECT_TRUE(DecodeSampleFile(kRoot + '/' + c.path, picture, error)) << c.path << ": " << error.toStdString();
    EXPECT_EQ(picture.format, c.code) << c.path;
  }
}

TEST(TifPcxSampleFiles, SixteenBitSamplesMatchTheirEightBitTwins) {
  const QString depth = kRoot + "/tif/twelvemonkeys/depth/";
  if (!QFileInfo::exists(depth)) GTEST_SKIP() << "no shared test data";
  DecodedPicture eight, sixteen, planar;
  QString error;
  ASSERT_TRUE(DecodeSampleFile(depth + "flower-rgb-contig-08.tif", eight, error));
  ASSERT_TRUE(DecodeSampleFile(depth + "flower-rgb-contig-16.tif", sixteen, error));
  ASSERT_TRUE(DecodeSampleFile(depth + "flower-rgb-planar-08.tif", planar, error));
  EXPECT_LE(LargestChannelDifference(sixteen.image, eight.image), 1);
  EXPECT_LE(LargestChannelDifference(planar.image, eight.image), 0);
}

TEST(TifPcxSampleFiles, EveryFileIsReadOrRefusedWithAReason) {
  int seen = 0;
  for (const char* folder : {"tif/libtiff", "tif/pillow", "tif/image-rs", "tif/twelvemonkeys",
                             "tif/twelvemonkeys/depth", "pcx/pictus", "pcx/pillow", "pcx/pillow/bad",
                             "pcx/twelvemonkeys"}) {
    for (const QFileInfo& info : QDir(kRoot + "/" + folder).entryInfoList(QDir::Files)) {
      const QString extension = info.suffix().toUpper();
      if (extension != "TIF" && extension != "TIFF" && extension != "PCX" && extension != "BIN") continue;
      QFile file(info.filePath());
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      const QByteArray bytes = file.readAll();
      const PictureDecoder* decoder = FindPictureDecoder(extension.startsWith("TIF") ? ".TIF" : ".PCX");
      ByteSource source(bytes);
      DecodedPicture picture;
      QString error;
      const bool ok = DecodedInto(decoder->Read(source), picture, error);
      EXPECT_TRUE(ok || !error.isEmpty()) << info.filePath().toStdString();
      EXPECT_TRUE(!ok || !picture.image.isNull()) << info.filePath().toStdString();
      ++seen;
    }
  }
  if (!seen) GTEST_SKIP() << "no shared test data";
}

}  // namespace

}  // namespace mosaicor
