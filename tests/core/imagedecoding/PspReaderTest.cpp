#include "DecodedInto.h"
#include "core/imagedecoding/PspReader.h"

#include "PspWriter.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

namespace mosaicor {

namespace {

bool Read(const QByteArray& bytes, DecodedPicture& picture, QString* why = nullptr) {
  ByteSource source(bytes);
  QString error;
  const bool ok = DecodedInto(ReadPsp(source), picture, error);
  if (why) *why = error;
  EXPECT_TRUE(ok || !error.isEmpty());
  return ok;
}

// Differences in colour (and alpha when asked) between a decoded picture and what was meant.
int Worst(const QImage& decoded, const QImage& expected, bool alpha) {
  const QImage a = decoded.convertToFormat(QImage::Format_ARGB32);
  int worst = a.size() == expected.size() ? 0 : 999;
  for (int y = 0; y < a.height() && worst < 999; ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = expected.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q)), alpha ? std::abs(qAlpha(p) - qAlpha(q)) : 0});
    }
  return worst;
}

PspBox Box(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

PspLayerSpec RgbLayer(const QImage& picture, PspBox imageRect, PspBox savedRect, bool mask = false) {
  PspLayerSpec layer;
  layer.imageRect = imageRect, layer.savedRect = savedRect;
  for (int c = 0; c < 3; ++c) layer.channels << PspChannelSpec{0, c + 1, PspPlaneOf(picture, c)};
  if (mask) layer.channels << PspChannelSpec{1, 0, PspPlaneOf(picture, 3)};
  return layer;
}

PspSpec RgbPicture(const QImage& picture, int version = 7, int compression = 2) {
  PspSpec spec;
  spec.majorVersion = version, spec.compression = compression;
  spec.width = picture.width(), spec.height = picture.height();
  const PspBox whole = Box(0, 0, picture.width(), picture.height());
  spec.layers << RgbLayer(picture, whole, whole);
  spec.layers.back().extensionBlock = version >= 10;
  return spec;
}

QImage Opaque(QImage picture) {
  picture.setPixel(picture.width() - 1, picture.height() - 1, picture.pixel(0, 0) | 0xFF000000u);
  return picture;
}

// A paletted picture of 13 x 5 (odd width, so that 1- and 4-bit rows need padding).
struct Paletted {
  QByteArray indices;
  QList<uint32_t> palette;
  QImage expected;
};
Paletted MakePaletted(int bits) {
  Paletted p;
  const int levels = 1 << bits;
  for (int i = 0; i < levels; ++i) p.palette << (uint32_t(i * 37 % 256) << 16 | uint32_t(i * 91 % 256) << 8 | 200);
  p.expected = QImage(13, 5, QImage::Format_ARGB32);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 13; ++x) {
      const int index = (x + 3 * y) % levels;
      p.indices.append(char(index));
      p.expected.setPixel(x, y, 0xFF000000u | p.palette[index]);
    }
  return p;
}

TEST(PspReader, OneFullLayerKeepsItsFormatInEveryVersionAndCompression) {
  struct Depth {
    int bits;
    PixelFormatCode code;
  };
  const Depth depths[] = {{1, PixelFormatCode::OneBit},
                          {4, PixelFormatCode::FourBits},
                          {8, PixelFormatCode::EightBits},
                          {24, PixelFormatCode::TwentyFourBits}};
  const QImage colour = MakeCoordinatePicture(13, 5);
  for (int version : {3, 4, 5, 6, 7, 8, 10, 12})
    for (int compression : {0, 1, 2})
      for (const Depth& depth : depths) {
        SCOPED_TRACE(testing::Message() << "version " << version << " compression " << compression << " bits "
                                        << depth.bits);
        PspSpec spec;
        QImage expected = colour;
        if (depth.bits == 24) {
          spec = RgbPicture(colour, version, compression);
        } else {
          const Paletted p = MakePaletted(depth.bits);
          spec.majorVersion = version, spec.compression = compression, spec.bitDepth = depth.bits;
          spec.width = 13, spec.height = 5, spec.palette = p.palette;
          PspLayerSpec layer;
          layer.imageRect = layer.savedRect = Box(0, 0, 13, 5);
          layer.extensionBlock = version >= 10;
          layer.channels << PspChannelSpec{0, 0, PspIndexRows(p.indices, 13, 5, depth.bits)};
          spec.layers << layer;
          expected = p.expected;
        }
        DecodedPicture picture;
        QString why;
        ASSERT_TRUE(Read(WritePsp(spec), picture, &why)) << why.toStdString();
        EXPECT_EQ(picture.format, depth.code);
        EXPECT_EQ(Worst(picture.image, expected, false), 0);
      }
}

TEST(PspReader, RowsOfEitherPaddingAreAccepted) {
  // 8-bit channels are stored unpadded and 1/4-bit ones padded to four bytes; the other form is
  // read too, and any other length is refused.
  const Paletted p = MakePaletted(8);
  PspSpec spec;
  spec.bitDepth = 8, spec.width = 13, spec.height = 5, spec.palette = p.palette;
  PspLayerSpec layer;
  layer.imageRect = layer.savedRect = Box(0, 0, 13, 5);
  QByteArray padded;
  for (int y = 0; y < 5; ++y) padded += p.indices.mid(y * 13, 13) + QByteArray(3, '\x7F');
  layer.channels << PspChannelSpec{0, 0, padded};
  spec.layers << layer;
  DecodedPicture picture;
  ASSERT_TRUE(Read(WritePsp(spec), picture));
  EXPECT_EQ(Worst(picture.image, p.expected, false), 0);

  spec.layers[0].channels[0].bytes = padded.left(padded.size() - 1);
  QString why;
  EXPECT_FALSE(Read(WritePsp(spec), picture, &why));
  EXPECT_TRUE(why.contains("unpacks to")) << why.toStdString();
}

TEST(PspReader, GreyscalePicturesGetAGreyRamp) {
  PspSpec spec;
  spec.bitDepth = 8, spec.greyscale = true, spec.width = 4, spec.height = 2;
  PspLayerSpec layer;
  layer.imageRect = layer.savedRect = Box(0, 0, 4, 2);
  layer.channels << PspChannelSpec{0, 0, QByteArray("\x00\x40\x80\xFF\x01\x02\x03\x04", 8)};
  spec.layers << layer;
  DecodedPicture picture;
  ASSERT_TRUE(Read(WritePsp(spec), picture));
  EXPECT_EQ(picture.format, PixelFormatCode::EightBits);
  EXPECT_EQ(picture.image.format(), QImage::Format_Indexed8);
  EXPECT_EQ(picture.image.pixel(1, 0), qRgb(0x40, 0x40, 0x40));
  EXPECT_EQ(picture.image.pixel(3, 1), qRgb(4, 4, 4));

  // Two grey layers merge into grey levels again.
  spec.layers << layer;
  spec.layers[1].savedRect = Box(0, 0, 1, 1);
  spec.layers[1].channels[0].bytes = QByteArray(1, '\x99');
  ASSERT_TRUE(Read(WritePsp(spec), picture));
  EXPECT_EQ(picture.format, PixelFormatCode::EightBits);
  EXPECT_EQ(picture.image.pixel(0, 0), qRgb(0x99, 0x99, 0x99));
  EXPECT_EQ(picture.image.pixel(2, 0), qRgb(0x80, 0x80, 0x80));
}

TEST(PspReader, TheCompositeImageStandsInForTheLayers) {
  const QImage layers = MakeFPicture(9, 6), composite = MakeCoordinatePicture(9, 6);
  PspSpec spec = RgbPicture(Opaque(layers));
  PspCompositeSpec thumbnail;
  thumbnail.width = 3, thumbnail.height = 2, thumbnail.compositeType = 1, thumbnail.jpeg = true;
  PspCompositeSpec full;
  full.width = 9, full.height = 6, full.compression = 1;
  for (int c = 0; c < 3; ++c) full.channels << PspChannelSpec{8, c + 1, PspPlaneOf(composite, c)};
  spec.composites << thumbnail << full;
  DecodedPicture picture;
  ASSERT_TRUE(Read(WritePsp(spec), picture));
  EXPECT_EQ(picture.format, PixelFormatCode::TwentyFourBits);
  EXPECT_EQ(Worst(picture.image, composite, false), 0);

  // A composite with its transparency mask keeps it.
  spec.composites[1].channels << PspChannelSpec{9, 0, PspPlaneOf(layers, 3)};
  ASSERT_TRUE(Read(WritePsp(spec), picture));
  EXPECT_EQ(picture.format, PixelFormatCode::ThirtyTwoBits);
  EXPECT_EQ(qAlpha(picture.image.pixel(8, 5)), 128);
  EXPECT_EQ(qRed(picture.image.pixel(0, 0)), 0);
}

TEST(PspReader, ThumbnailsAndJpegCompositesLeaveTheLayers) {
  const QImage layers = Opaque(MakeFPicture(9, 6));
  for (bool jpeg : {false, true}) {
    PspSpec spec = RgbPicture(layers);
    PspCompositeSpec composite;
    composite.width = 9, composite.height = 6, composite.jpeg = jpeg, composite.compositeType = jpeg ? 0 : 1;
    for (int c = 0; c < 3; ++c) composite.channels << PspChannelSpec{8, c + 1, QByteArray(54, '\x11')};
    spec.composites << composite;
    DecodedPicture picture;
    ASSERT_TRUE(Read(WritePsp(spec), picture)) << jpeg;
    EXPECT_EQ(Worst(picture.image, layers, false), 0) << jpeg;
  }
}

TEST(PspReader, LayersMergeWithPositionMaskOpacityAndVisibility) {
  const QRgb ground = qRgb(10, 20, 30);
  QImage background(8, 6, QImage::Format_ARGB32);
  background.fill(ground);
  QImage patch(3, 3, QImage::Format_ARGB32);
  patch.fill(qRgba(250, 150, 50, 255));
  patch.setPixel(1, 0, qRgba(250, 150, 50, 0));
  patch.setPixel(2, 0, qRgba(250, 150, 50, 128));
  PspSpec spec = RgbPicture(background);
  // Saved area (1, 1)-(4, 4) of a layer whose image lies at (2, 1): pixels land at (3, 2).
  spec.layers << RgbLayer(patch, Box(2, 1, 6, 5), Box(1, 1, 4, 4), true);
  PspLayerSpec hidden = RgbLayer(MakeCoordinatePicture(8, 6), Box(0, 0, 8, 6), Box(0, 0, 8, 6));
  hidden.visible = false;
  spec.layers << hidden;
  QImage half(1, 1, QImage::Format_ARGB32);
  half.fill(qRgb(210, 220, 230));
  spec.layers << RgbLayer(half, Box(-3, -3, 1, 1), Box(3, 3, 4, 4));  // at (0, 0), partly off the canvas
  spec.layers.back().opacity = 51;

  DecodedPicture picture;
  ASSERT_TRUE(Read(WritePsp(spec), picture));
  EXPECT_EQ(picture.format, PixelFormatCode::TwentyFourBits);
  EXPECT_EQ(picture.image.format(), QImage::Format_BGR888);
  const QImage& out = picture.image;
  EXPECT_EQ(out.pixel(3, 2), qRgb(250, 150, 50));
  EXPECT_EQ(out.pixel(4, 2), ground);             // masked out
  EXPECT_EQ(out.pixel(5, 2), qRgb(130, 85, 40));  // half way
  EXPECT_EQ(out.pixel(5, 4), qRgb(250, 150, 50));
  EXPECT_EQ(out.pixel(6, 4), ground);
  EXPECT_EQ(out.pixel(0, 0), qRgb(50, 60, 70));  // a fifth of the way
  EXPECT_EQ(out.pixel(7, 5), ground);            // the hidden layer shows nowhere
}

TEST(PspReader, WhatNoLayerCoversIsTransparent) {
  QImage patch(2, 2, QImage::Format_ARGB32);
  patch.fill(qRgb(1, 2, 3));
  PspSpec spec;
  spec.width = 5, spec.height = 4;
  spec.layers << RgbLayer(patch, Box(1, 1, 3, 3), Box(0, 0, 2, 2));
  DecodedPicture picture;
  ASSERT_TRUE(Read(WritePsp(spec), picture));
  EXPECT_EQ(picture.format, PixelFormatCode::ThirtyTwoBits);
  EXPECT_EQ(picture.image.pixel(1, 1), qRgba(1, 2, 3, 255));
  EXPECT_EQ(qAlpha(picture.image.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(picture.image.pixel(4, 3)), 0);
}

TEST(PspReader, DamagedOrUnsupportedFilesAreRefused) {
  const PspSpec good = RgbPicture(MakeCoordinatePicture(6, 4), 7, 1);
  struct Case {
    const char* name;
    std::function<void(PspSpec&)> change;
    std::function<void(QByteArray&)> damage;
    const char* message;
  };
  const Case cases[] = {
      {"signature", nullptr, [](QByteArray& b) { b[0] = 'p'; }, "not a Paint Shop Pro file"},
      {"version 2", [](PspSpec& s) { s.majorVersion = 2; }, nullptr, "format version 2"},
      {"48 bits", [](PspSpec& s) { s.bitDepth = 48; }, nullptr, "48 bits"},
      {"jpeg layers", [](PspSpec& s) { s.compression = 3; }, nullptr, "compression 3"},
      {"no palette", [](PspSpec& s) { s.bitDepth = 8; }, nullptr, "no palette"},
      {"huge", [](PspSpec& s) { s.width = 1 << 21; }, nullptr, "too large"},
      {"huge layer", [](PspSpec& s) { s.layers[0].savedRect = Box(0, 0, 10000, 10000); }, nullptr, "too few bytes"},
      {"short channel", [](PspSpec& s) { s.layers[0].channels[1].bytes.chop(2); }, nullptr, "unpacks to"},
      {"missing channel", [](PspSpec& s) { s.layers[0].channels.removeAt(2); }, nullptr, "lacks"},
      {"block length", nullptr, [](QByteArray& b) { b[b.indexOf("~BK\0\x05\0", 0) + 6] = '\x7F'; }, "damaged"},
  };
  for (const Case& c : cases) {
    PspSpec spec = good;
    if (c.change) c.change(spec);
    QByteArray bytes = WritePsp(spec);
    if (c.damage) c.damage(bytes);
    DecodedPicture picture;
    QString why;
    EXPECT_FALSE(Read(bytes, picture, &why)) << c.name;
    EXPECT_TRUE(why.contains(c.message)) << c.name << ": " << why.toStdString();
    EXPECT_TRUE(picture.image.isNull()) << c.name;
  }
}

TEST(PspReader, DamagedDeflateStreamIsRefused) {
  PspSpec spec = RgbPicture(MakeCoordinatePicture(40, 30), 7, 2);
  QByteArray bytes = WritePsp(spec);
  const qsizetype channel = bytes.indexOf(QByteArray("~BK\0\x05\0", 6));
  bytes[channel + 10 + 16 + 5] = char(bytes[channel + 10 + 16 + 5] ^ 0x5A);
  DecodedPicture picture;
  QString why;
  EXPECT_FALSE(Read(bytes, picture, &why));
  EXPECT_TRUE(why.contains("damaged")) << why.toStdString();
}

TEST(PspReader, EveryTruncationIsReadOrRefusedSafely) {
  // Every prefix of files of each layout: read (trailing blocks may be missing) or refused.
  PspSpec old = RgbPicture(MakeFPicture(5, 3), 3, 1);
  PspSpec recent = RgbPicture(MakeFPicture(5, 3), 10, 2);
  recent.layers << RgbLayer(MakeFPicture(2, 2), Box(1, 1, 3, 3), Box(0, 0, 2, 2), true);
  PspCompositeSpec composite;
  composite.width = 5, composite.height = 3;
  for (int c = 0; c < 3; ++c) composite.channels << PspChannelSpec{8, c + 1, QByteArray(15, '\x22')};
  recent.composites << composite;
  for (const PspSpec& spec : {old, recent}) {
    const QByteArray bytes = WritePsp(spec);
    for (qsizetype length = 0; length < bytes.size(); ++length) {
      DecodedPicture picture;
      Read(bytes.left(length), picture);
    }
  }
}

}  // namespace

}  // namespace mosaicor
