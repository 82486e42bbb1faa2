// TIFF and PCX files written by other programs (public suites), against the decoded references
// those suites ship and the formats they hold. Skipped where the shared test data is absent.

#include "imagedecoding/PictureDecoder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

const QString kRoot = QStringLiteral(MOSAICOR_SHARED_TESTDATA "/images");

bool Decode(const QString& path, DecodedPicture& picture, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  // .tiff names are not picture names of the program; their bytes go to the .TIF decoder here.
  QString extension = '.' + QFileInfo(path).suffix().toUpper();
  if (extension == ".TIFF") extension = ".TIF";
  const PictureDecoder* decoder = FindPictureDecoder(extension);
  if (!decoder) return false;
  ByteSource source(bytes);
  return decoder->Read(source, picture, error);
}

int Difference(const QImage& ours, const QImage& reference) {
  const QImage a = ours.convertToFormat(QImage::Format_ARGB32);
  const QImage b = reference.convertToFormat(QImage::Format_ARGB32);
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (qAlpha(q) == 0) continue;
      worst = std::max(
          {worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
    }
  return worst;
}

TEST(TifPcxSampleFiles, ReadLikeTheirReferences) {
  QFile list(kRoot + "/REFERENCES.tsv");
  if (!list.open(QIODevice::ReadOnly)) GTEST_SKIP() << "no shared test data";
  QTextStream in(&list);
  in.readLine();
  int compared = 0;
  while (!in.atEnd()) {
    const QStringList fields = in.readLine().split('\t');
    if (fields.size() < 2 || !(fields[0].startsWith("tif/") || fields[0].startsWith("pcx/"))) continue;
    SCOPED_TRACE(fields[0].toStdString());
    // The run-length TGA references are read by our own TGA decoder (Qt's reads no RLE).
    DecodedPicture decodedReference;
    QString error;
    const QImage reference = fields[1].endsWith(".tga") && Decode(kRoot + '/' + fields[1], decodedReference, error)
                                 ? decodedReference.image
                                 : QImage(kRoot + '/' + fields[1]);
    ASSERT_FALSE(reference.isNull()) << fields[1].toStdString();
    DecodedPicture picture;
    ASSERT_TRUE(Decode(kRoot + '/' + fields[0], picture, error)) << error.toStdString();
    ASSERT_EQ(picture.image.size(), reference.size());
    QImage ours = picture.image;
    // These hold associated (premultiplied) alpha, which their reference leaves as it is stored.
    if (fields[0].contains("hpredict")) {
      ours = ours.convertToFormat(QImage::Format_ARGB32_Premultiplied);
      ours.reinterpretAsFormat(QImage::Format_ARGB32);
    }
    EXPECT_LE(Difference(ours, reference), 1);
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
    EXPECT_TRUE(Decode(kRoot + '/' + c.path, picture, error)) << c.path << ": " << error.toStdString();
    EXPECT_EQ(picture.format, c.code) << c.path;
  }
}

TEST(TifPcxSampleFiles, SixteenBitSamplesMatchTheirEightBitTwins) {
  const QString depth = kRoot + "/tif/twelvemonkeys/depth/";
  if (!QFileInfo::exists(depth)) GTEST_SKIP() << "no shared test data";
  DecodedPicture eight, sixteen, planar;
  QString error;
  ASSERT_TRUE(Decode(depth + "flower-rgb-contig-08.tif", eight, error));
  ASSERT_TRUE(Decode(depth + "flower-rgb-contig-16.tif", sixteen, error));
  ASSERT_TRUE(Decode(depth + "flower-rgb-planar-08.tif", planar, error));
  EXPECT_LE(Difference(sixteen.image, eight.image), 1);
  EXPECT_LE(Difference(planar.image, eight.image), 0);
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
      const bool ok = decoder->Read(source, picture, error);
      EXPECT_TRUE(ok || !error.isEmpty()) << info.filePath().toStdString();
      EXPECT_TRUE(!ok || !picture.image.isNull()) << info.filePath().toStdString();
      ++seen;
    }
  }
  if (!seen) GTEST_SKIP() << "no shared test data";
}

}  // namespace
