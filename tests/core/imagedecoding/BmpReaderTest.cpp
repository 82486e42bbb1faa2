#include "DecodedInto.h"
#include "core/imagedecoding/BmpReader.h"
#include "core/imagefiles/PictureConversion.h"

#include "PictureWriters.h"

#include <gtest/gtest.h>

namespace mosaicor {

namespace {

bool Read(const QByteArray& bytes, DecodedPicture& picture, QString* why = nullptr) {
  ByteSource source(bytes);
  QString error;
  const bool ok = DecodedInto(ReadBmp(source), picture, error);
  if (why) *why = error;
  return ok;
}

// A 5 x 3 picture of values v(x, y) = f(x + 5y), top row first.
QList<uint32_t> Values(uint32_t (*f)(int)) {
  QList<uint32_t> values;
  for (int i = 0; i < 15; ++i) values << f(i);
  return values;
}

QList<QRgb> Palette(int count) {
  QList<QRgb> palette;
  for (int i = 0; i < count; ++i) palette << qRgb(i * 7 % 256, i * 13 % 256, i * 29 % 256);
  return palette;
}

TEST(BmpReader, PaletteDepthsKeepTheirCodeAndColours) {
  struct Case {
    int bits, compression;
    PixelFormatCode code;
  };
  const Case cases[] = {{1, 0, PixelFormatCode::OneBit},
                        {4, 0, PixelFormatCode::FourBits},
                        {4, 2, PixelFormatCode::FourBits},
                        {8, 0, PixelFormatCode::EightBits},
                        {8, 1, PixelFormatCode::EightBits}};
  for (const Case& c : cases)
    for (bool topDown : {false, true})
      for (int headerSize : {12, 40, 124}) {
        if ((topDown || c.compression) && headerSize == 12) continue;
        if (topDown && c.compression) continue;
        BmpSpec spec;
        spec.bitCount = c.bits, spec.compression = c.compression, spec.topDown = topDown, spec.headerSize = headerSize;
        spec.width = 5, spec.height = 3;
        spec.palette = Palette(1 << c.bits);
        const uint32_t mask = (1u << c.bits) - 1;
        for (int i = 0; i < 15; ++i) spec.pixels << ((i * 37 + i / 5) & mask);
        if (c.compression) spec.pixels[0] = spec.pixels[1] = spec.pixels[2] = spec.pixels[3] = 1;  // a run
        DecodedPicture picture;
        QString why;
        SCOPED_TRACE(testing::Message() << c.bits << " bits, compression " << c.compression << ", top-down " << topDown
                                        << ", header " << headerSize);
        ASSERT_TRUE(Read(WriteBmp(spec), picture, &why)) << why.toStdString();
        EXPECT_EQ(picture.format, c.code);
        for (int y = 0; y < 3; ++y)
          for (int x = 0; x < 5; ++x)
            ASSERT_EQ(picture.image.pixel(x, y), spec.palette[spec.pixels[y * 5 + x]]) << x << "," << y;
      }
}

TEST(BmpReader, SixteenBitMasksPickTheirCodeAndBit15IsKept) {
  struct Case {
    int compression;
    uint32_t masks[4];
    PixelFormatCode code;
    QImage::Format format;
  };
  const Case cases[] = {
      {0, {}, PixelFormatCode::FifteenBits, QImage::Format_RGB555},
      {3, {0x7C00, 0x3E0, 0x1F, 0}, PixelFormatCode::FifteenBits, QImage::Format_RGB555},
      {3, {0xF800, 0x7E0, 0x1F, 0}, PixelFormatCode::SixteenBits, QImage::Format_RGB16},
  };
  for (const Case& c : cases) {
    BmpSpec spec;
    spec.bitCount = 16, spec.compression = c.compression, spec.width = 5, spec.height = 3;
    std::copy(std::begin(c.masks), std::end(c.masks), spec.masks);
    spec.pixels = Values([](int i) { return uint32_t(i * 4001) & 0xFFFF; });
    DecodedPicture picture;
    ASSERT_TRUE(Read(WriteBmp(spec), picture));
    EXPECT_EQ(picture.format, c.code);
    EXPECT_EQ(picture.image.format(), c.format);
    for (int i = 0; i < 15; ++i)
      ASSERT_EQ(reinterpret_cast<const uint16_t*>(picture.image.constScanLine(i / 5))[i % 5], spec.pixels[i]);
  }
}

// Each field widens straight to 8 bits as value x 255 / max, rounded: through 5 bits an 8-bit
// field would be off by up to 4, a 2- or 3-bit one by up to 3.
TEST(BmpReader, CustomSixteenBitMasksWidenEachFieldExactly) {
  struct Case {
    const char* name;
    uint32_t masks[4];
    uint32_t pixel;
    QRgb expected;
  };
  const Case cases[] = {
      {"8-8-0", {0xFF00, 0x00FF, 0, 0}, 0x8107, qRgba(129, 7, 0, 0)},
      {"2-3-1", {0x30, 0x0E, 0x01, 0}, 0x8017, qRgba(85, 109, 255, 255)},
      {"4-4-4-4", {0x0F00, 0x00F0, 0x000F, 0xF000}, 0x7A3F, qRgba(170, 51, 255, 119)},
      {"4-4-4-4 opaque", {0x0F00, 0x00F0, 0x000F, 0xF000}, 0xF1E0, qRgba(17, 238, 0, 255)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BmpSpec spec;
    spec.bitCount = 16, spec.compression = 3, spec.width = 1, spec.height = 1, spec.headerSize = 56;
    std::copy(std::begin(c.masks), std::end(c.masks), spec.masks);
    spec.pixels = {c.pixel};
    DecodedPicture picture;
    ASSERT_TRUE(Read(WriteBmp(spec), picture));
    EXPECT_EQ(picture.format, PixelFormatCode::Custom);
    EXPECT_EQ(ConvertTo32Bits(picture.image, picture.format).pixel(0, 0), c.expected);
  }
}

TEST(BmpReader, TwentyFourAndThirtyTwoBitsCopyBytesAndKeepTheFourthByte) {
  for (bool topDown : {false, true}) {
    BmpSpec spec;
    spec.bitCount = 24, spec.width = 5, spec.height = 3, spec.topDown = topDown;
    spec.pixels = Values([](int i) { return uint32_t(i * 0x0A0B0C); });
    DecodedPicture picture;
    ASSERT_TRUE(Read(WriteBmp(spec), picture));
    EXPECT_EQ(picture.format, PixelFormatCode::TwentyFourBits);
    EXPECT_EQ(picture.image.pixel(4, 2), 0xFF000000u | (14 * 0x0A0B0Cu));

    spec.bitCount = 32;
    spec.pixels = Values([](int i) { return uint32_t(i) * 0x11010203u; });  // unsigned: the products pass 2^31
    ASSERT_TRUE(Read(WriteBmp(spec), picture));
    EXPECT_EQ(picture.format, PixelFormatCode::ThirtyTwoBits);
    EXPECT_EQ(picture.image.pixel(3, 1), 8 * 0x11010203u);
  }
}

TEST(BmpReader, ThirtyTwoBitFieldsInOtherOrdersAreRearranged) {
  BmpSpec spec;
  spec.bitCount = 32, spec.compression = 3, spec.width = 1, spec.height = 1;
  const uint32_t rgba[4] = {0xFF000000, 0x00FF0000, 0x0000FF00, 0};
  std::copy(std::begin(rgba), std::end(rgba), spec.masks);
  spec.pixels = {0x11223344};
  DecodedPicture picture;
  ASSERT_TRUE(Read(WriteBmp(spec), picture));
  EXPECT_EQ(picture.image.pixel(0, 0), qRgba(0x11, 0x22, 0x33, 0x44));
}

// A bit field of any width, at any place, widens so that its full value is 255 and zero is 0,
// whether the picture is repacked as 15 bits (16-bit files) or as 32 bits.
TEST(BmpReader, BitFieldsOfAnyWidthWidenToTheFullRange) {
  for (int bitCount : {16, 32}) {
    for (int width = 1; width <= bitCount; ++width) {
      for (int shift = 0; shift + width <= bitCount; shift += std::max(1, (bitCount - width) / 3)) {
        const uint32_t field = uint32_t((uint64_t(1) << width) - 1) << shift;
        for (int channel = 0; channel < 3; ++channel) {
          BmpSpec spec;
          spec.bitCount = bitCount, spec.compression = 3, spec.width = 3, spec.height = 1;
          spec.masks[channel] = field;
          spec.pixels = {field, 0, field & ~(1u << (shift + width - 1))};
          DecodedPicture picture;
          SCOPED_TRACE(testing::Message()
                       << bitCount << " bits, field " << std::hex << field << ", channel " << channel);
          ASSERT_TRUE(Read(WriteBmp(spec), picture));
          const QImage argb = ConvertTo32Bits(picture.image, picture.format);
          const auto value = [&](int x) {
            const QRgb c = argb.pixel(x, 0);
            return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
          };
          EXPECT_EQ(value(0), 255);
          EXPECT_EQ(value(1), 0);
          if (width > 1) {
            EXPECT_LT(value(2), 255);
          }
        }
      }
    }
  }
}

TEST(BmpReader, RunLengthEscapesStayInsideThePicture) {
  BmpSpec spec;
  spec.bitCount = 8, spec.compression = 1, spec.width = 4, spec.height = 2, spec.palette = Palette(256);
  // A run longer than the row, a delta far outside, an absolute run past the data's end.
  spec.rleData = QByteArray::fromHex(
      "ff05"
      "0000"
      "0002"
      "ffff"
      "0004"
      "0102");
  DecodedPicture picture;
  ASSERT_TRUE(Read(WriteBmp(spec), picture));
  EXPECT_EQ(picture.image.pixelIndex(3, 1), 5);  // bottom row
  EXPECT_EQ(picture.image.pixelIndex(0, 0), 0);
}

TEST(BmpReader, DamagedFilesAreRefused) {
  BmpSpec good;
  good.bitCount = 24, good.width = 4, good.height = 4;
  good.pixels = QList<uint32_t>(16, 0x123456);
  QByteArray truncated = WriteBmp(good);
  truncated.chop(5);
  BmpSpec huge = good;
  huge.width = 100000, huge.height = 100000, huge.rleData = "too short";
  BmpSpec rleHuge = good;  // a few bytes of RLE claiming 128 Mi pixels
  rleHuge.bitCount = 8, rleHuge.compression = 1, rleHuge.width = 16384, rleHuge.height = 8192;
  rleHuge.rleData = QByteArray::fromHex("0001");
  BmpSpec depth = good;
  depth.bitCount = 7;
  BmpSpec rleTopDown = good;
  rleTopDown.bitCount = 8, rleTopDown.compression = 1, rleTopDown.topDown = true;
  BmpSpec wrongCompression = good;
  wrongCompression.compression = 1;
  QByteArray badOffset = WriteBmp(good);
  badOffset[10] = '\xff', badOffset[11] = '\xff';
  for (const QByteArray& bytes : {truncated, WriteBmp(huge), WriteBmp(rleHuge), WriteBmp(depth), WriteBmp(rleTopDown),
                                  WriteBmp(wrongCompression), badOffset, QByteArray("BM"), QByteArray("GIF89a")}) {
    DecodedPicture picture;
    QString why;
    EXPECT_FALSE(Read(bytes, picture, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(picture.image.isNull());
  }
}

}  // namespace

}  // namespace mosaicor
