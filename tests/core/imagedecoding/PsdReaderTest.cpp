#include "DecodedInto.h"
#include "core/imagedecoding/PsdReader.h"

#include "PsdWriter.h"
#include "TestPictures.h"

#include <gtest/gtest.h>
#include <functional>

namespace mosaicor {

namespace {

bool Read(const QByteArray& bytes, DecodedPicture& picture, QString* why = nullptr) {
  ByteSource source(bytes);
  QString error;
  const bool ok = DecodedInto(ReadPsd(source), picture, error);
  if (why) *why = error;
  EXPECT_TRUE(ok || !error.isEmpty());
  return ok;
}

int Worst(const QImage& decoded, const QImage& expected, bool alpha) {
  const QImage a = decoded.convertToFormat(QImage::Format_ARGB32);
  if (a.size() != expected.size()) return 999;
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = expected.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q)), alpha ? std::abs(qAlpha(p) - qAlpha(q)) : 0});
    }
  return worst;
}

QImage Opaque(const QImage& picture) {
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) out.setPixel(x, y, out.pixel(x, y) | 0xFF000000u);
  return out;
}

PsdSpec Rgb(const QImage& picture, int depth, int compression, bool alpha) {
  PsdSpec spec;
  spec.width = picture.width(), spec.height = picture.height();
  spec.depth = depth, spec.compression = compression;
  spec.planes = PsdRgbPlanes(picture, alpha, depth);
  spec.layerCount = alpha ? -1 : 0;
  if (alpha) spec.resources = PsdPhotoshopVersionInfo();  // flattened on white, as Photoshop writes it
  return spec;
}

TEST(PsdReader, RgbOfBothDepthsAndCompressions) {
  const QImage f = MakeFPicture(11, 7);
  for (int depth : {8, 16})
    for (int compression : {0, 1})
      for (bool alpha : {false, true}) {
        SCOPED_TRACE(testing::Message() << depth << " bits, compression " << compression << ", alpha " << alpha);
        DecodedPicture picture;
        ASSERT_TRUE(Read(WritePsd(Rgb(f, depth, compression, alpha)), picture));
        EXPECT_EQ(picture.format, alpha ? PixelFormatCode::ThirtyTwoBits : PixelFormatCode::TwentyFourBits);
        EXPECT_EQ(picture.image.format(), alpha ? QImage::Format_ARGB32 : QImage::Format_BGR888);
        EXPECT_EQ(Worst(picture.image, alpha ? f : Opaque(f), alpha), 0);
      }
}

TEST(PsdReader, SixteenBitChannelsAreRoundedToEightBits) {
  PsdSpec spec;
  spec.mode = 1, spec.depth = 16, spec.width = 4, spec.height = 1;
  spec.planes = {{0, 128, 32896, 65535}};  // 128 / 257 rounds down, 32896 = 128 * 257
  DecodedPicture picture;
  ASSERT_TRUE(Read(WritePsd(spec), picture));
  EXPECT_EQ(picture.format, PixelFormatCode::EightBits);
  EXPECT_EQ(qRed(picture.image.pixel(1, 0)), 0);
  EXPECT_EQ(qRed(picture.image.pixel(2, 0)), 128);
  EXPECT_EQ(qRed(picture.image.pixel(3, 0)), 255);
}

TEST(PsdReader, BitmapGreyDuotoneAndIndexedPictures) {
  const int w = 10, h = 3;
  QList<uint16_t> bits, levels;
  QImage bitmapExpected(w, h, QImage::Format_ARGB32), greyExpected(w, h, QImage::Format_ARGB32),
      indexedExpected(w, h, QImage::Format_ARGB32);
  QByteArray palette(768, '\0');
  for (int i = 0; i < 256; ++i) palette[i] = char(i), palette[256 + i] = char(255 - i), palette[512 + i] = char(i / 2);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool black = (x + y) % 3 == 0;
      const int level = (x * 25 + y * 7) % 256;
      bits << (black ? 1 : 0);
      levels << uint16_t(level);
      bitmapExpected.setPixel(x, y, black ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
      greyExpected.setPixel(x, y, qRgb(level, level, level));
      indexedExpected.setPixel(x, y, qRgb(level, 255 - level, level / 2));
    }
  struct Case {
    int mode, depth;
    QList<uint16_t> plane;
    QImage expected;
    PixelFormatCode code;
    QImage::Format format;
  };
  const Case cases[] = {
      {0, 1, bits, bitmapExpected, PixelFormatCode::OneBit, QImage::Format_Mono},
      {1, 8, levels, greyExpected, PixelFormatCode::EightBits, QImage::Format_Indexed8},
      {8, 8, levels, greyExpected, PixelFormatCode::EightBits, QImage::Format_Indexed8},
      {2, 8, levels, indexedExpected, PixelFormatCode::EightBits, QImage::Format_Indexed8},
  };
  for (const Case& c : cases)
    for (int compression : {0, 1}) {
      SCOPED_TRACE(testing::Message() << "mode " << c.mode << " compression " << compression);
      PsdSpec spec;
      spec.mode = c.mode, spec.depth = c.depth, spec.width = w, spec.height = h, spec.compression = compression;
      spec.planes = {c.plane};
      if (c.mode == 2) spec.colourModeData = palette;
      if (c.mode == 8) spec.colourModeData = QByteArray(40, '\x01');  // a duotone description, not a palette
      DecodedPicture picture;
      ASSERT_TRUE(Read(WritePsd(spec), picture));
      EXPECT_EQ(picture.format, c.code);
      EXPECT_EQ(picture.image.format(), c.format);
      EXPECT_EQ(Worst(picture.image, c.expected, false), 0);
    }
}

TEST(PsdReader, CmykIsConvertedToRgb) {
  // Stored values are inverted inks: 255 no ink, 0 full ink.
  PsdSpec spec;
  spec.mode = 4, spec.width = 3, spec.height = 1;
  spec.planes = {{255, 0, 255}, {255, 255, 128}, {255, 255, 255}, {255, 255, 128}};
  DecodedPicture picture;
  ASSERT_TRUE(Read(WritePsd(spec), picture));
  EXPECT_EQ(picture.format, PixelFormatCode::TwentyFourBits);
  EXPECT_EQ(picture.image.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(picture.image.pixel(1, 0), qRgb(0, 255, 255));   // full cyan
  EXPECT_EQ(picture.image.pixel(2, 0), qRgb(128, 64, 128));  // half black over half magenta

  spec.planes << QList<uint16_t>{255, 0, 255};  // a fifth channel: transparency
  spec.layerCount = -1;
  ASSERT_TRUE(Read(WritePsd(spec), picture));
  EXPECT_EQ(picture.format, PixelFormatCode::ThirtyTwoBits);
  EXPECT_EQ(picture.image.pixel(1, 0), qRgba(0, 255, 255, 0));
  EXPECT_EQ(picture.image.pixel(2, 0), qRgba(128, 64, 128, 255));
}

TEST(PsdReader, AnExtraChannelIsTransparencyOnlyWhereTheFileSaysSo) {
  const QImage f = MakeFPicture(6, 5);
  struct Case {
    const char* name;
    bool layerSection;
    int layerCount;
    bool alphaNames;
    bool transparency;
  };
  const Case cases[] = {{"negative layer count", true, -2, false, true},
                        {"layers of their own", true, 2, false, false},
                        {"no layers, a saved selection", true, 0, false, false},
                        {"no layer section", false, 0, false, true},
                        {"no layer section, named selection", false, 0, true, false}};
  for (const Case& c : cases) {
    PsdSpec spec = Rgb(f, 8, 1, true);
    spec.layerSection = c.layerSection, spec.layerCount = c.layerCount;
    if (c.alphaNames)
      spec.resources = PsdResource(0x03ED, "abc") + PsdResource(0x03EE, QByteArray("\x07"
                                                                                   "Alpha 1",
                                                                                   8));
    DecodedPicture picture;
    ASSERT_TRUE(Read(WritePsd(spec), picture)) << c.name;
    EXPECT_EQ(picture.format == PixelFormatCode::ThirtyTwoBits, c.transparency) << c.name;
  }
}

TEST(PsdReader, TransparentCompositesAreTakenOffTheirWhiteBackground) {
  // One colour over falling transparency, flattened on white as Photoshop stores it: 16 bits give
  // the colour back exactly, 8 bits within the rounding that flattening loses.
  QImage ramp(4, 1, QImage::Format_ARGB32);
  for (int x = 0; x < 4; ++x) ramp.setPixel(x, 0, qRgba(10, 200, 60, 255 - 64 * x));
  for (int depth : {8, 16})
    for (bool grey : {false, true}) {
      SCOPED_TRACE(testing::Message() << depth << " bits, grey " << grey);
      PsdSpec spec = Rgb(ramp, depth, 1, true);
      if (grey) spec.mode = 1, spec.planes = {spec.planes[1], spec.planes[3]};
      DecodedPicture picture;
      ASSERT_TRUE(Read(WritePsd(spec), picture));
      for (int x = 0; x < 4; ++x) {
        const QRgb p = picture.image.pixel(x, 0);
        const int meant[3] = {grey ? 200 : 10, 200, grey ? 200 : 60};
        EXPECT_EQ(qAlpha(p), 255 - 64 * x);
        EXPECT_NEAR(qRed(p), meant[0], depth == 16 ? 0 : 2) << x;
        EXPECT_NEAR(qGreen(p), meant[1], depth == 16 ? 0 : 2) << x;
        EXPECT_NEAR(qBlue(p), meant[2], depth == 16 ? 0 : 2) << x;
      }
    }
}

TEST(PsdReader, OnlyPhotoshopsCompositesAreTakenOffWhite) {
  // ImageMagick and others store a transparent composite's colours as they are.
  PsdSpec spec;
  spec.width = 1, spec.height = 1, spec.layerCount = -1;
  spec.planes = {{10}, {200}, {60}, {128}};
  DecodedPicture picture;
  ASSERT_TRUE(Read(WritePsd(spec), picture));
  EXPECT_EQ(picture.image.pixel(0, 0), qRgba(10, 200, 60, 128));
}

TEST(PsdReader, FloatingPointTransparencyIsTakenOffWhiteInLinearLight) {
  // Linear 0.2158 (sRGB's 128) at half cover on white: 0.2158 / 2 + 0.5.
  PsdSpec spec;
  spec.depth = 32, spec.width = 1, spec.height = 1, spec.layerCount = -1;
  spec.resources = PsdPhotoshopVersionInfo();
  spec.floatPlanes = {{0.6079f}, {0.6079f}, {0.6079f}, {0.5f}};
  DecodedPicture picture;
  ASSERT_TRUE(Read(WritePsd(spec), picture));
  EXPECT_EQ(picture.image.pixel(0, 0), qRgba(128, 128, 128, 128));
}

TEST(PsdReader, LabMultichannelAndFloatingPointAreShownInSrgb) {
  struct Case {
    const char* name;
    int mode, depth;
    QList<QList<uint16_t>> planes;
    QList<QList<float>> floats;
    QList<QRgb> expected;
    int tolerance;
  };
  const Case cases[] = {
      // White, black, mid grey (L* 50) and sRGB red (L* 54.29, a* 80.81, b* 69.89 under D50).
      {"Lab 8",
       9,
       8,
       {{255, 0, 128, 138}, {128, 128, 128, 209}, {128, 128, 128, 198}},
       {},
       {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(119, 119, 119), qRgb(255, 0, 0)},
       2},
      {"Lab 16",
       9,
       16,
       {{65535, 0, 32768, 35579}, {32768, 32768, 32768, 53455}, {32768, 32768, 32768, 50660}},
       {},
       {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(119, 119, 119), qRgb(255, 0, 0)},
       1},
      // Inks beyond the third are not shown.
      {"multichannel", 7, 8, {{10, 20}, {30, 40}, {50, 60}, {255, 255}}, {}, {qRgb(10, 30, 50), qRgb(20, 40, 60)}, 0},
      {"multichannel 16", 7, 16, {{2570, 65535}, {0, 32896}, {65535, 0}}, {}, {qRgb(10, 0, 255), qRgb(255, 128, 0)}, 0},
      {"one-channel multichannel", 7, 8, {{7, 200}}, {}, {qRgb(7, 7, 7), qRgb(200, 200, 200)}, 0},
      // Linear light: 0.2158 is sRGB's 128; beyond 0 and 1 is clipped.
      {"32-bit RGB",
       3,
       32,
       {},
       {{0, 1, 0.2158f, 4}, {1, 0.2158f, -1, 0}, {0.2158f, 0, 1, 0.5f}},
       {qRgb(0, 255, 128), qRgb(255, 128, 0), qRgb(128, 0, 255), qRgb(255, 0, 188)},
       0},
      {"32-bit grey", 1, 32, {}, {{0, 1, 0.2158f}}, {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(128, 128, 128)}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PsdSpec spec;
    spec.mode = c.mode, spec.depth = c.depth, spec.width = int(c.expected.size()), spec.height = 1;
    spec.planes = c.planes, spec.floatPlanes = c.floats, spec.compression = 1;
    DecodedPicture picture;
    QString why;
    ASSERT_TRUE(Read(WritePsd(spec), picture, &why)) << why.toStdString();
    EXPECT_EQ(picture.format,
              spec.mode == 1 || spec.planes.size() == 1 ? PixelFormatCode::EightBits : PixelFormatCode::TwentyFourBits);
    for (int x = 0; x < spec.width; ++x) {
      const QRgb p = picture.image.pixel(x, 0), q = c.expected[x];
      EXPECT_LE(std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))}),
                c.tolerance)
          << x << ": " << std::hex << p;
    }
  }
}

TEST(PsdReader, TheOrientationInTheResourcesIsApplied) {
  // Stored corners: top left red, top right green, bottom left blue; where each is shown.
  QImage stored(3, 2, QImage::Format_ARGB32);
  stored.fill(qRgb(255, 255, 255));
  stored.setPixel(0, 0, qRgb(255, 0, 0)), stored.setPixel(2, 0, qRgb(0, 255, 0)),
      stored.setPixel(0, 1, qRgb(0, 0, 255));
  const QPoint shown[9][3] = {{},
                              {{0, 0}, {2, 0}, {0, 1}},
                              {{2, 0}, {0, 0}, {2, 1}},
                              {{2, 1}, {0, 1}, {2, 0}},
                              {{0, 1}, {2, 1}, {0, 0}},
                              {{0, 0}, {0, 2}, {1, 0}},
                              {{1, 0}, {1, 2}, {0, 0}},
                              {{1, 2}, {1, 0}, {0, 2}},
                              {{0, 2}, {0, 0}, {1, 2}}};
  for (int orientation = 1; orientation <= 8; ++orientation)
    for (bool xmp : {false, true}) {
      SCOPED_TRACE(testing::Message() << "orientation " << orientation << (xmp ? " in XMP" : " in EXIF"));
      PsdSpec spec = Rgb(stored, 8, 0, false);
      spec.resources =
          xmp ? PsdResource(0x0424, QStringLiteral("<x:xmpmeta tiff:Orientation=\"%1\"/>").arg(orientation).toLatin1())
              : PsdExifOrientation(orientation, orientation % 2 == 0);
      DecodedPicture picture;
      ASSERT_TRUE(Read(WritePsd(spec), picture));
      EXPECT_EQ(picture.image.size(), orientation < 5 ? QSize(3, 2) : QSize(2, 3));
      EXPECT_EQ(picture.image.pixel(shown[orientation][0]), qRgb(255, 0, 0));
      EXPECT_EQ(picture.image.pixel(shown[orientation][1]), qRgb(0, 255, 0));
      EXPECT_EQ(picture.image.pixel(shown[orientation][2]), qRgb(0, 0, 255));
      spec.mode = 1, spec.planes.resize(1);  // a grey picture keeps its format when turned
      ASSERT_TRUE(Read(WritePsd(spec), picture));
      EXPECT_EQ(picture.image.format(), QImage::Format_Indexed8);
    }
}

// A file whose PackBits rows are given as they are, one channel.
QByteArray HandPacked(PsdSpec spec, const QList<QByteArray>& rows) {
  spec.channels = 1, spec.compression = 0, spec.planes.clear();
  QByteArray bytes = WritePsd(spec);
  bytes[bytes.size() - 1] = 1;  // compression: PackBits
  for (const QByteArray& row : rows) bytes += char(row.size() >> 8), bytes += char(row.size() & 255);
  for (const QByteArray& row : rows) bytes += row;
  return bytes;
}

TEST(PsdReader, PackBitsRunsNeverLeaveTheirRow) {
  // Hand-made rows: the first repeats 200 times over its 4 bytes, the second copies 6 bytes where 4
  // fit and then says nothing more; the third is cut short and ends zero-filled.
  PsdSpec spec;
  spec.mode = 1, spec.width = 4, spec.height = 3;
  const QByteArray bytes = HandPacked(spec, {QByteArray("\x81\x05\x81\x05", 4),
                                             QByteArray("\x05"
                                                        "abcdef",
                                                        7),
                                             QByteArray("\x01"
                                                        "z",
                                                        2)});
  DecodedPicture picture;
  ASSERT_TRUE(Read(bytes, picture));
  EXPECT_EQ(qRed(picture.image.pixel(3, 0)), 5);
  EXPECT_EQ(qRed(picture.image.pixel(3, 1)), 'd');
  EXPECT_EQ(qRed(picture.image.pixel(0, 2)), 'z');
  EXPECT_EQ(qRed(picture.image.pixel(1, 2)), 0);
}

TEST(PsdReader, UnsupportedAndDamagedFilesAreRefused) {
  const PsdSpec good = Rgb(MakeCoordinatePicture(20, 10), 8, 1, false);
  struct Case {
    const char* name;
    std::function<void(PsdSpec&)> change;
    std::function<void(QByteArray&)> damage;
    const char* message;
  };
  const Case cases[] = {
      {"signature", nullptr, [](QByteArray& b) { b[0] = '9'; }, "not a Photoshop file"},
      {"large document", [](PsdSpec& s) { s.version = 2; }, nullptr, "version 2"},
      {"32-bit CMYK", [](PsdSpec& s) { s.mode = 4, s.depth = 32; }, nullptr, "no CMYK pictures of 32 bits"},
      {"mode 6", [](PsdSpec& s) { s.mode = 6; }, nullptr, "colour mode 6"},
      {"zip", [](PsdSpec& s) { s.compression = 2; }, nullptr, "compression 2"},
      {"two channels", [](PsdSpec& s) { s.planes.removeLast(); }, nullptr, "needs 3"},
      {"no palette", [](PsdSpec& s) { s.mode = 2, s.planes.resize(1); }, nullptr, "no palette"},
      {"huge", [](PsdSpec& s) { s.width = 1 << 21; }, nullptr, "too large"},
      {"no pixels", [](PsdSpec& s) { s.height = 0; }, nullptr, "no pixels"},
      {"section length", nullptr, [](QByteArray& b) { b[26] = '\x7F'; }, "header sections"},
      {"raw data cut", [](PsdSpec& s) { s.compression = 0; }, [](QByteArray& b) { b.chop(1); }, "ends inside"},
      {"packed data cut", nullptr, [](QByteArray& b) { b.chop(1); }, "ends inside"},
  };
  for (const Case& c : cases) {
    PsdSpec spec = good;
    if (c.change) c.change(spec);
    QByteArray bytes = WritePsd(spec);
    if (c.damage) c.damage(bytes);
    DecodedPicture picture;
    QString why;
    EXPECT_FALSE(Read(bytes, picture, &why)) << c.name;
    EXPECT_TRUE(why.contains(c.message)) << c.name << ": " << why.toStdString();
    EXPECT_TRUE(picture.image.isNull()) << c.name;
  }
}

TEST(PsdReader, RowsTooShortForAnyPictureAreRefusedBeforeAllocating) {
  // Two bytes of PackBits make at most 128 pixels: 1000 rows of two bytes cannot fill 100000 columns.
  PsdSpec spec;
  spec.mode = 1, spec.width = 100000, spec.height = 1000;
  DecodedPicture picture;
  QString why;
  EXPECT_FALSE(Read(HandPacked(spec, QList<QByteArray>(1000, QByteArray("\x81\x00", 2))), picture, &why));
  EXPECT_TRUE(why.contains("too short")) << why.toStdString();
}

TEST(PsdReader, EveryTruncationIsRefusedSafely) {
  for (int compression : {0, 1}) {
    const QByteArray bytes = WritePsd(Rgb(MakeFPicture(7, 5), 16, compression, true));
    for (qsizetype length = 0; length < bytes.size(); ++length) {
      DecodedPicture picture;
      EXPECT_FALSE(Read(bytes.left(length), picture)) << length;
    }
  }
}

}  // namespace

}  // namespace mosaicor
