// Photoshop and Paint Shop Pro pictures written by those programs (public test suites), compared
// with the decoded references the suites ship. Skipped where the shared test data is absent.

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
  if (!file.open(QIODevice::ReadOnly)) return error = "cannot open", false;
  const QByteArray bytes = file.readAll();
  const PictureDecoder* decoder = FindPictureDecoder('.' + QFileInfo(path).suffix().toUpper());
  if (!decoder) return error = "no decoder", false;
  ByteSource source(bytes);
  return decoder->Read(source, picture, error);
}

// Largest difference of a colour channel where the reference is not transparent.
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

TEST(PsdPspSampleFiles, ReadLikeTheirReferences) {
  QFile list(kRoot + "/REFERENCES.tsv");
  if (!list.open(QIODevice::ReadOnly)) GTEST_SKIP() << "no shared test data";
  QTextStream in(&list);
  in.readLine();
  int compared = 0;
  while (!in.atEnd()) {
    const QStringList fields = in.readLine().split('\t');
    if (fields.size() < 2 || !(fields[0].startsWith("psd/") || fields[0].startsWith("psp/"))) continue;
    SCOPED_TRACE(fields[0].toStdString());
    DecodedPicture picture;
    QString error;
    ASSERT_TRUE(Decode(kRoot + '/' + fields[0], picture, error)) << error.toStdString();
    // Qt reads no run-length encoded TGA: the references go through our own decoder.
    DecodedPicture expected;
    QString referenceError;
    const QImage reference = fields[1].endsWith(".tga") && Decode(kRoot + '/' + fields[1], expected, referenceError)
                                 ? expected.image
                                 : QImage(kRoot + '/' + fields[1]);
    ASSERT_FALSE(reference.isNull());
    ASSERT_EQ(picture.image.size(), reference.size());
    EXPECT_LE(Difference(picture.image, reference), 1) << "format " << int(picture.format);
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
    EXPECT_TRUE(Decode(kRoot + '/' + c.path, picture, error)) << c.path << ": " << error.toStdString();
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
      const bool ok = Decode(info.filePath(), picture, error);
      EXPECT_TRUE(ok ? !picture.image.isNull() : !error.isEmpty()) << info.filePath().toStdString();
      ++seen;
    }
  }
  if (!seen) GTEST_SKIP() << "no shared test data";
}

}  // namespace
