// The TIFF decoder on files our own writer makes: every layout of the own row path in strips and
// tiles, each compression, both byte orders, the RGBA path for the rest, and damaged files.

#include "DecodedInto.h"
#include "core/imagedecoding/TiffReader.h"

#include "TestPictures.h"
#include "TiffWriter.h"

#include <gtest/gtest.h>

namespace mosaicor {

namespace {

struct Layout {
  const char* name;
  int photometric, bits, samples, extraSample;
  PixelFormatCode code;
};

// Samples of the F picture for a layout: colour channels as they are, grey and palette pictures
// from the green channel (masked to the bits); 16-bit samples repeat the byte (v * 257).
QByteArray SamplesOf(const QImage& f, const Layout& l, bool premultiply = false) {
  QByteArray out;
  for (int y = 0; y < f.height(); ++y) {
    QByteArray row;
    int bitBuffer = 0, bitCount = 0;
    for (int x = 0; x < f.width(); ++x) {
      const QRgb c = f.pixel(x, y);
      const int a = qAlpha(c);
      auto pm = [&](int v) { return premultiply ? (v * a + 127) / 255 : v; };
      QList<int> values;
      if (l.photometric == 2) values = {pm(qRed(c)), pm(qGreen(c)), pm(qBlue(c))};
      else if (l.bits >= 8) values = {pm(qGreen(c))};
      else values = {qGreen(c) & ((1 << l.bits) - 1)};
      if (l.samples > values.size()) values << a;
      for (int v : values) {
        if (l.bits == 16) {
          row.append(char(v)), row.append(char(v));
        } else if (l.bits == 8) {
          row.append(char(v));
        } else {
          bitBuffer = (bitBuffer << l.bits) | v, bitCount += l.bits;
          if (bitCount == 8) row.append(char(bitBuffer)), bitBuffer = bitCount = 0;
        }
      }
    }
    if (bitCount) row.append(char(bitBuffer << (8 - bitCount)));
    out += row;
  }
  return out;
}

// The colour map of palette pictures: index i is (i * 16, 255 - i, i * 3).
QList<uint16_t> ColourMap(int bits) {
  const int n = 1 << bits;
  QList<uint16_t> map(3 * n);
  for (int i = 0; i < n; ++i) map[i] = uint16_t(i * 16 % 256 * 257), map[n + i] = uint16_t((255 - i) * 257),
                                 map[2 * n + i] = uint16_t(i * 3 % 256 * 257);
  return map;
}

QRgb Expected(const QImage& f, int x, int y, const Layout& l) {
  const QRgb c = f.pixel(x, y);
  if (l.photometric == 2) return l.samples == 4 ? c : (c | 0xFF000000u);
  const int index = l.bits >= 8 ? qGreen(c) : qGreen(c) & ((1 << l.bits) - 1);
  if (l.photometric == 3) return qRgb(index * 16 % 256, 255 - index, index * 3 % 256);
  const int grey = l.bits >= 8 ? index : index * 255 / ((1 << l.bits) - 1);
  if (l.samples == 2) return qRgba(grey, grey, grey, qAlpha(c));
  return l.photometric == 0 ? qRgb(255 - grey, 255 - grey, 255 - grey) : qRgb(grey, grey, grey);
}

bool Decode(const QByteArray& bytes, DecodedPicture& picture, QString& error) {
  ByteSource source(bytes);
  return DecodedInto(ReadTiff(source), picture, error);
}

const Layout kLayouts[] = {
    {"white1", 0, 1, 1, -1, PixelFormatCode::OneBit},      {"black2", 1, 2, 1, -1, PixelFormatCode::FourBits},
    {"palette4", 3, 4, 1, -1, PixelFormatCode::FourBits},  {"palette8", 3, 8, 1, -1, PixelFormatCode::EightBits},
    {"grey8", 1, 8, 1, -1, PixelFormatCode::EightBits},     {"grey16", 1, 16, 1, -1, PixelFormatCode::EightBits},
    {"greyAlpha", 1, 8, 2, 2, PixelFormatCode::ThirtyTwoBits}, {"rgb8", 2, 8, 3, -1, PixelFormatCode::TwentyFourBits},
    {"rgb16", 2, 16, 3, -1, PixelFormatCode::TwentyFourBits}, {"rgba8", 2, 8, 4, 2, PixelFormatCode::ThirtyTwoBits},
    {"rgba16", 2, 16, 4, 2, PixelFormatCode::ThirtyTwoBits},
};

TEST(TiffReader, EveryLayoutCompressionAndChunkingReadsItsPixels) {
  const QImage f = MakeFPicture(37, 21);
  int checked = 0;
  for (const Layout& l : kLayouts)
    for (int compression : {1, 32773, 8})
      for (int chunking : {0, 1, 2})  // one strip, strips of 4 rows, 16 x 16 tiles
        for (bool bigEndian : {false, true}) {
          TiffSpec spec;
          spec.bigEndian = bigEndian;
          spec.width = f.width(), spec.height = f.height();
          spec.photometric = l.photometric, spec.bitsPerSample = l.bits, spec.samplesPerPixel = l.samples;
          spec.extraSample = l.extraSample, spec.compression = compression;
          if (chunking == 1) spec.rowsPerStrip = 4;
          if (chunking == 2) spec.tileWidth = spec.tileHeight = 16;
          if (l.photometric == 3) spec.colourMap = ColourMap(l.bits);
          spec.pixels = SamplesOf(f, l);
          SCOPED_TRACE(testing::Message() << l.name << " compression " << compression << " chunking " << chunking
                                          << (bigEndian ? " MM" : " II"));
          DecodedPicture picture;
          QString error;
          ASSERT_TRUE(Decode(WriteTiff(spec), picture, error)) << error.toStdString();
          EXPECT_EQ(picture.format, l.code);
          ASSERT_EQ(picture.image.size(), f.size());
          for (int y = 0; y < f.height(); ++y)
            for (int x = 0; x < f.width(); ++x)
              ASSERT_EQ(picture.image.pixel(x, y), Expected(f, x, y, l)) << x << "," << y;
          ++checked;
        }
  EXPECT_EQ(checked, 11 * 3 * 3 * 2);
}

TEST(TiffReader, IndexedPicturesKeepTheirIndices) {
  const QImage f = MakeFPicture(8, 8);
  TiffSpec spec;
  spec.width = spec.height = 8, spec.photometric = 3, spec.bitsPerSample = 4;
  spec.colourMap = ColourMap(4);
  spec.pixels = SamplesOf(f, kLayouts[2]);
  DecodedPicture picture;
  QString error;
  ASSERT_TRUE(Decode(WriteTiff(spec), picture, error));
  EXPECT_EQ(picture.image.format(), QImage::Format_Indexed8);
  EXPECT_EQ(picture.image.pixelIndex(0, 0), qGreen(f.pixel(0, 0)) & 15);
  spec.photometric = 0, spec.bitsPerSample = 1, spec.colourMap.clear();
  spec.pixels = SamplesOf(f, kLayouts[0]);
  ASSERT_TRUE(Decode(WriteTiff(spec), picture, error));
  EXPECT_EQ(picture.image.format(), QImage::Format_Mono);
}

TEST(TiffReader, AssociatedAlphaIsUndone) {
  const QImage f = MakeFPicture(9, 5);  // alpha 128 at the bottom-right pixel
  TiffSpec spec;
  spec.width = 9, spec.height = 5, spec.photometric = 2, spec.samplesPerPixel = 4, spec.extraSample = 1;
  spec.pixels = SamplesOf(f, kLayouts[9], true);
  DecodedPicture picture;
  QString error;
  ASSERT_TRUE(Decode(WriteTiff(spec), picture, error));
  const QRgb got = picture.image.pixel(8, 4), want = f.pixel(8, 4);
  EXPECT_EQ(qAlpha(got), 128);
  EXPECT_NEAR(qRed(got), qRed(want), 1);
  EXPECT_NEAR(qBlue(got), qBlue(want), 1);
}

TEST(TiffReader, OrientationTurnsThePicture) {
  const QImage f = MakeFPicture(12, 7);
  struct Case {
    int orientation;
    QImage expected;
  };
  const Case cases[] = {{2, f.mirrored(true, false)},
                        {3, f.mirrored(true, true)},
                        {4, f.mirrored(false, true)},
                        {6, f.transformed(QTransform().rotate(90))},
                        {8, f.transformed(QTransform().rotate(270))}};
  for (const Case& c : cases) {
    TiffSpec spec;
    spec.width = 12, spec.height = 7, spec.photometric = 2, spec.samplesPerPixel = 4, spec.extraSample = 2;
    spec.orientation = c.orientation;
    spec.pixels = SamplesOf(f, kLayouts[9]);
    DecodedPicture picture;
    QString error;
    ASSERT_TRUE(Decode(WriteTiff(spec), picture, error));
    EXPECT_EQ(picture.image.convertToFormat(QImage::Format_ARGB32), c.expected) << c.orientation;
  }
}

TEST(TiffReader, PlanarCmykAndPredictedFilesGoThroughTheRgbaPath) {
  const QImage f = MakeFPicture(10, 6);
  TiffSpec spec;
  spec.width = 10, spec.height = 6, spec.photometric = 2, spec.samplesPerPixel = 3, spec.planar = 2;
  for (int channel = 0; channel < 3; ++channel)
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 10; ++x) {
        const QRgb c = f.pixel(x, y);
        spec.pixels.append(char(channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c)));
      }
  DecodedPicture picture;
  QString error;
  ASSERT_TRUE(Decode(WriteTiff(spec), picture, error)) << error.toStdString();
  EXPECT_EQ(picture.format, PixelFormatCode::TwentyFourBits);
  EXPECT_EQ(picture.image.pixel(0, 0), f.pixel(0, 0) | 0xFF000000u);
  EXPECT_EQ(picture.image.pixel(9, 5), f.pixel(9, 5) | 0xFF000000u);

  TiffSpec cmyk;  // C, M, Y, K: pure red is 0, 255, 255, 0
  cmyk.width = 2, cmyk.height = 1, cmyk.photometric = 5, cmyk.samplesPerPixel = 4;
  cmyk.pixels = QByteArray("\x00\xff\xff\x00\x00\x00\x00\xff", 8);
  ASSERT_TRUE(Decode(WriteTiff(cmyk), picture, error)) << error.toStdString();
  EXPECT_EQ(picture.format, PixelFormatCode::TwentyFourBits);
  EXPECT_EQ(picture.image.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(picture.image.pixel(1, 0), qRgb(0, 0, 0));

  TiffSpec predicted;
  predicted.width = 10, predicted.height = 6, predicted.photometric = 2, predicted.samplesPerPixel = 3;
  predicted.compression = 8, predicted.predictor = 2;
  predicted.pixels = SamplesOf(f, kLayouts[7]);
  ASSERT_TRUE(Decode(WriteTiff(predicted), picture, error)) << error.toStdString();
  EXPECT_EQ(picture.image.pixel(5, 3), f.pixel(5, 3) | 0xFF000000u);
}

TEST(TiffReader, DamagedFilesAreRefusedWithAReason) {
  const QImage f = MakeFPicture(40, 30);
  TiffSpec spec;
  spec.width = 40, spec.height = 30, spec.photometric = 2, spec.samplesPerPixel = 3, spec.rowsPerStrip = 7;
  spec.pixels = SamplesOf(f, kLayouts[7]);
  const QByteArray good = WriteTiff(spec);

  TiffSpec huge = spec;  // a few bytes claiming 1 Gi pixels, or a picture its file cannot hold
  huge.claimedWidth = huge.claimedHeight = 32768;
  TiffSpec big = spec;
  big.claimedWidth = big.claimedHeight = 4000;
  TiffSpec overrun = spec;
  overrun.claimedStripBytes = 1 << 30;
  TiffSpec noPhotometric = spec;
  noPhotometric.omitPhotometric = true;
  TiffSpec unknownCompression = spec;
  unknownCompression.compression = 12345;
  const QByteArray damaged[] = {QByteArray(),          QByteArray("II*\0", 4), good.left(8),
                                good.left(200),        WriteTiff(huge),        WriteTiff(big),
                                WriteTiff(overrun),    WriteTiff(unknownCompression), QByteArray("MM\0*\0\0\0\x08", 8)};
  for (const QByteArray& bytes : damaged) {
    DecodedPicture picture;
    picture.format = PixelFormatCode::Custom;
    QString error;
    EXPECT_FALSE(Decode(bytes, picture, error)) << bytes.size();
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(picture.image.isNull());
    EXPECT_EQ(picture.format, PixelFormatCode::Custom);
  }
  // Without a photometric tag libtiff guesses; either way nothing breaks.
  DecodedPicture picture;
  QString error;
  EXPECT_TRUE(Decode(WriteTiff(noPhotometric), picture, error) || !error.isEmpty());
}

TEST(TiffReader, EveryPrefixOfAFileIsReadOrRefused) {
  const QImage f = MakeFPicture(20, 9);
  TiffSpec spec;
  spec.width = 20, spec.height = 9, spec.photometric = 3, spec.bitsPerSample = 8, spec.compression = 8;
  spec.colourMap = ColourMap(8), spec.tileWidth = spec.tileHeight = 16;
  spec.pixels = SamplesOf(f, kLayouts[3]);
  const QByteArray whole = WriteTiff(spec);
  for (qsizetype n = 0; n < whole.size(); ++n) {
    DecodedPicture picture;
    QString error;
    const bool read = Decode(whole.left(n), picture, error);
    EXPECT_TRUE(read || !error.isEmpty()) << n;
  }
}

}  // namespace

}  // namespace mosaicor
