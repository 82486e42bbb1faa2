// The PCX decoder on files our own writer makes: every layout, run-length and stored, runs over
// row ends, both palettes, and damaged files.

#include "DecodedInto.h"
#include "core/imagedecoding/PcxReader.h"

#include "PcxWriter.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

namespace mosaicor {

namespace {

bool Decode(const QByteArray& bytes, DecodedPicture& picture, QString& error) {
  ByteSource source(bytes);
  return DecodedInto(ReadPcx(source), picture, error);
}

QList<QRgb> Palette(int count) {
  QList<QRgb> palette;
  for (int i = 0; i < count; ++i) palette << qRgb(i * 16 % 256, 255 - i, i * 7 % 256);
  return palette;
}

PcxSpec SpecOf(const QImage& f, int bits, int planes) {
  PcxSpec spec;
  spec.bitsPerPixel = bits, spec.planes = planes, spec.width = f.width(), spec.height = f.height();
  spec.planeRows = PcxRowsOf(f, bits, planes, PcxLineBytes(f.width(), bits));
  spec.headerPalette = Palette(16);
  if (bits == 8 && planes == 1) spec.endPalette = Palette(256);
  return spec;
}

TEST(PcxReader, EveryLayoutReadsItsPixels) {
  struct Case {
    int bits, planes;
    PixelFormatCode code;
  };
  const Case cases[] = {{1, 1, PixelFormatCode::OneBit},      {1, 2, PixelFormatCode::FourBits},
                        {1, 3, PixelFormatCode::FourBits},    {1, 4, PixelFormatCode::FourBits},
                        {2, 1, PixelFormatCode::FourBits},    {4, 1, PixelFormatCode::FourBits},
                        {8, 1, PixelFormatCode::EightBits},   {8, 3, PixelFormatCode::TwentyFourBits},
                        {8, 4, PixelFormatCode::ThirtyTwoBits}};
  const QImage f = MakeFPicture(45, 13);  // odd width: padded rows, partial bytes
  for (const Case& c : cases)
    for (int encoding : {1, 0})
      for (bool cross : {false, true}) {
        PcxSpec spec = SpecOf(f, c.bits, c.planes);
        spec.encoding = encoding, spec.runsCrossRows = cross;
        SCOPED_TRACE(testing::Message() << c.bits << " bits x " << c.planes << " encoding " << encoding << cross);
        DecodedPicture picture;
        QString error;
        ASSERT_TRUE(Decode(WritePcx(spec), picture, error)) << error.toStdString();
        EXPECT_EQ(picture.format, c.code);
        ASSERT_EQ(picture.image.size(), f.size());
        for (int y = 0; y < f.height(); ++y)
          for (int x = 0; x < f.width(); ++x) {
            const QRgb source = f.pixel(x, y);
            const int index = qGreen(source) & ((1 << (c.bits * c.planes)) - 1);
            QRgb want = c.bits == 8 && c.planes >= 3 ? source : Palette(256)[index];
            if (c.bits == 8 && c.planes == 3) want |= 0xFF000000u;
            if (c.bits == 1 && c.planes == 1) want = index ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            ASSERT_EQ(picture.image.pixel(x, y), want) << x << "," << y;
          }
      }
}

TEST(PcxReader, PaletteChoices) {
  const QImage f = MakeFPicture(6, 4);
  PcxSpec grey = SpecOf(f, 8, 1);
  grey.endPalette.clear();  // no palette at the end: a grey ramp
  DecodedPicture picture;
  QString error;
  ASSERT_TRUE(Decode(WritePcx(grey), picture, error));
  EXPECT_EQ(picture.image.pixel(0, 0), qRgb(qGreen(f.pixel(0, 0)), qGreen(f.pixel(0, 0)), qGreen(f.pixel(0, 0))));
  PcxSpec ega = SpecOf(f, 4, 1);
  ega.version = 3;  // "no palette information": the standard EGA colours
  ASSERT_TRUE(Decode(WritePcx(ega), picture, error));
  EXPECT_EQ(picture.image.pixel(0, 0), qRgb(0xAA, 0x00, 0x00));  // index 20 & 15 = 4, red
  EXPECT_EQ(picture.image.format(), QImage::Format_Indexed8);
}

TEST(PcxReader, DamagedFilesAreRefusedWithAReason) {
  const QImage f = MakeFPicture(30, 20);
  const QByteArray good = WritePcx(SpecOf(f, 8, 3));
  PcxSpec truncated = SpecOf(f, 8, 3);
  truncated.truncateDataBy = 40;
  PcxSpec shortRows = SpecOf(f, 8, 1);
  shortRows.lineBytes = 10;  // fewer bytes than the 30 pixels need
  PcxSpec planes = SpecOf(f, 4, 2);
  PcxSpec stored = SpecOf(f, 8, 1);
  stored.encoding = 0, stored.truncateDataBy = 1;
  QByteArray huge = good.left(128);
  huge[8] = huge[9] = huge[10] = huge[11] = char(0xFF);  // 65536 x 65536 from a few bytes
  QByteArray inverted = good;
  inverted[4] = 100;  // xMin beyond xMax
  QByteArray badEncoding = good;
  badEncoding[2] = 7;
  const QByteArray damaged[] = {QByteArray(),        good.left(127),     good.left(200), WritePcx(truncated),
                                WritePcx(shortRows), WritePcx(planes),   WritePcx(stored), huge,
                                inverted,            badEncoding,        QByteArray(128, '\x0A')};
  for (const QByteArray& bytes : damaged) {
    DecodedPicture picture;
    QString error;
    EXPECT_FALSE(Decode(bytes, picture, error)) << bytes.size();
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(picture.image.isNull());
  }
}

TEST(PcxReader, EveryPrefixOfAFileIsReadOrRefused) {
  const QByteArray whole = WritePcx(SpecOf(MakeFPicture(17, 9), 8, 1));
  for (qsizetype n = 0; n <= whole.size(); ++n) {
    DecodedPicture picture;
    QString error;
    const bool read = Decode(whole.left(n), picture, error);
    EXPECT_TRUE(read || !error.isEmpty()) << n;
  }
}

}  // namespace

}  // namespace mosaicor
