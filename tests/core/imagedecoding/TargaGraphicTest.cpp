#include "core/imagedecoding/TargaGraphic.h"
#include "core/imagedecoding/TargaRLEDecoder.h"
#include "core/imagefiles/PictureConversion.h"

#include "PictureWriters.h"
#include "TestFiles.h"
#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

// Success, or a failure that carries the reader's reason.
testing::AssertionResult Load(const QByteArray& bytes, TTargaGraphic& tga) {
  ByteSource source(bytes);
  const Outcome<> loaded = tga.LoadFromStream(source);
  if (loaded) return testing::AssertionSuccess();
  return testing::AssertionFailure() << loaded.Text().toStdString();
}

// Rows of a decoded bitmap, without Qt's row padding.
QByteArray Rows(const QImage& image, int bytesPerPixel) {
  QByteArray out;
  for (int y = 0; y < image.height(); ++y)
    out.append(reinterpret_cast<const char*>(image.constScanLine(y)), qsizetype(image.width()) * bytesPerPixel);
  return out;
}

struct DepthCase {
  int depth, bytesPerPixel;
  QImage::Format format;
  PixelFormatCode code;
};

TEST(TargaGraphic, EveryTypeDepthAndRowOrderReadsThePictureItMeans) {
  const QImage f = MakeFPicture(37, 21);  // odd sizes show row padding and row order
  const DepthCase depths[] = {
      {8, 1, QImage::Format_Indexed8, PixelFormatCode::EightBits},
      {15, 2, QImage::Format_RGB555, PixelFormatCode::FifteenBits},
      {16, 2, QImage::Format_RGB555, PixelFormatCode::FifteenBits},
      {24, 3, QImage::Format_BGR888, PixelFormatCode::TwentyFourBits},
      {32, 4, QImage::Format_ARGB32, PixelFormatCode::ThirtyTwoBits},
  };
  for (const DepthCase& d : depths)
    for (int type : {2, 10, 3, 11})
      for (int descriptor : {0x00, 0x20, 0x10, 0x30, 0x28}) {
        if ((type == 3 || type == 11) != (d.depth == 8)) continue;
        TgaSpec spec;
        spec.imageType = type, spec.pixelDepth = d.depth, spec.descriptor = descriptor;
        spec.width = f.width(), spec.height = f.height();
        spec.pixels = TgaPixelsOf(f, d.depth);
        TTargaGraphic tga;
        SCOPED_TRACE(testing::Message() << "depth " << d.depth << " type " << type << " descriptor " << descriptor);
        ASSERT_TRUE(Load(WriteTga(spec), tga));
        EXPECT_EQ(tga.Bitmap().format(), d.format);
        EXPECT_EQ(tga.PixelFormat(), d.code);
        EXPECT_EQ(Rows(tga.Bitmap(), d.bytesPerPixel), spec.pixels);
      }
}

TEST(TargaGraphic, OwnTextureSetOutputReadsBackBottomRowFirst) {
  // Type 2, 24 bits, descriptor 0: the first pixel in the file is the bottom-left one.
  QByteArray file = QByteArray::fromHex("000002000000000000000000020002001800");
  file += QByteArray::fromHex(
      "010203"
      "040506"
      "0a0b0c"
      "0d0e0f");
  TTargaGraphic tga;
  ASSERT_TRUE(Load(file, tga));
  EXPECT_EQ(tga.Bitmap().pixel(0, 1), qRgb(3, 2, 1));
  EXPECT_EQ(tga.Bitmap().pixel(1, 0), qRgb(0x0f, 0x0e, 0x0d));
}

TEST(TargaGraphic, SixteenBitPixelsKeepBit15) {
  TgaSpec spec;
  spec.pixelDepth = 16, spec.width = 2, spec.height = 1, spec.descriptor = 0x20;
  spec.pixels = QByteArray::fromHex(
      "1f80"
      "e003");  // blue with bit 15, green without
  TTargaGraphic tga;
  ASSERT_TRUE(Load(WriteTga(spec), tga));
  const auto* words = reinterpret_cast<const uint16_t*>(tga.Bitmap().constScanLine(0));
  EXPECT_EQ(words[0], 0x801F);
  EXPECT_EQ(words[1], 0x03E0);
}

TEST(TargaGraphic, ColourMapsGiveThePaletteBlueFirstAndAreReadPast) {
  struct MapCase {
    int entrySize;
    QByteArray entry;  // one entry's bytes
    QRgb colour;
  };
  const MapCase cases[] = {
      {24, QByteArray::fromHex("102030"), qRgb(0x30, 0x20, 0x10)},
      {32, QByteArray::fromHex("10203099"), qRgb(0x30, 0x20, 0x10)},
      {16, QByteArray::fromHex("1f7c"), qRgb(255, 0, 255)},  // 0x7C1F: magenta, 5 bits widened by replication
      {15, QByteArray::fromHex("e003"), qRgb(0, 255, 0)},
      {16, QByteArray::fromHex("1f88"), qRgb(2 << 3 | 2 >> 2, 0, 255)},  // 0x881F: red 2, blue 31, bit 15 unused
  };
  for (const MapCase& c : cases)
    for (int type : {1, 9}) {
      TgaSpec spec;
      spec.imageType = type, spec.pixelDepth = 8, spec.width = 3, spec.height = 1, spec.descriptor = 0x20;
      spec.colourMapType = 1, spec.mapEntrySize = c.entrySize;
      // 300 entries: entry 7 is the one used, the palette stops at 256, the pixels follow entry 299.
      for (int i = 0; i < 300; ++i) spec.colourMap += i == 7 ? c.entry : QByteArray(c.entry.size(), '\0');
      spec.pixels = QByteArray::fromHex("070007");
      spec.idField = "an image id";
      TTargaGraphic tga;
      SCOPED_TRACE(testing::Message() << "entry size " << c.entrySize << " type " << type);
      ASSERT_TRUE(Load(WriteTga(spec), tga));
      EXPECT_EQ(tga.Bitmap().colorTable().size(), 256);
      EXPECT_EQ(tga.Bitmap().pixel(0, 0), c.colour);
      EXPECT_EQ(tga.Bitmap().pixel(1, 0), qRgb(0, 0, 0));
      EXPECT_EQ(tga.Bitmap().pixelIndex(2, 0), 7);
    }
}

// A 16-bit colour-map entry and the same 16-bit pixel come out as the same colour, and the masked
// magenta 0xFC1F as the exact transparency key (255, 0, 255), not (248, 0, 248).
TEST(TargaGraphic, SixteenBitColourMapEntriesWidenLikePixels) {
  TgaSpec mapped;
  mapped.imageType = 1, mapped.pixelDepth = 8, mapped.width = 32, mapped.height = 1, mapped.descriptor = 0x20;
  mapped.colourMapType = 1, mapped.mapEntrySize = 16;
  TgaSpec direct;
  direct.imageType = 2, direct.pixelDepth = 16, direct.width = 32, direct.height = 1, direct.descriptor = 0x20;
  // Entry i: every 5-bit level once in each channel (red i, green 31 - i, blue i ^ 21), bit 15 set.
  for (int i = 0; i < 32; ++i) {
    const std::uint16_t word = std::uint16_t(0x8000 | i << 10 | (31 - i) << 5 | (i ^ 21));
    const char bytes[2] = {char(word & 0xFF), char(word >> 8)};
    mapped.colourMap += QByteArray(bytes, 2);
    direct.pixels += QByteArray(bytes, 2);
    mapped.pixels += char(i);
  }
  const char magenta[2] = {char(0x1F), char(0xFC)};
  mapped.colourMap += QByteArray(magenta, 2);  // entry 32
  mapped.pixels[0] = char(32);
  TTargaGraphic fromMap, fromPixels;
  ASSERT_TRUE(Load(WriteTga(mapped), fromMap));
  ASSERT_TRUE(Load(WriteTga(direct), fromPixels));
  EXPECT_EQ(fromMap.Bitmap().pixel(0, 0), qRgb(255, 0, 255));
  const QImage pixels = ConvertTo32Bits(fromPixels.Bitmap(), fromPixels.PixelFormat());
  for (int x = 1; x < 32; ++x) EXPECT_EQ(fromMap.Bitmap().pixel(x, 0), pixels.pixel(x, 0) | 0xFF000000u) << x;
}

TEST(TargaGraphic, GreyscaleGetsTheRampAndIgnoresAColourMap) {
  TgaSpec spec;
  spec.imageType = 3, spec.pixelDepth = 8, spec.width = 2, spec.height = 1;
  spec.colourMapType = 1, spec.mapEntrySize = 24, spec.colourMap = QByteArray(6, '\x55');
  spec.pixels = QByteArray::fromHex("00c8");
  TTargaGraphic tga;
  ASSERT_TRUE(Load(WriteTga(spec), tga));
  EXPECT_EQ(tga.Bitmap().pixel(1, 0), qRgb(200, 200, 200));
  EXPECT_EQ(tga.Bitmap().pixel(0, 0), qRgb(0, 0, 0));
}

TEST(TargaGraphic, OtherImageTypesAreRefused) {
  for (int type : {0, 4, 32, 33, 255}) {
    TgaSpec spec;
    spec.imageType = type, spec.pixelDepth = 24, spec.width = 5, spec.height = 4;
    TTargaGraphic tga;
    EXPECT_FALSE(Load(WriteTga(spec), tga));
  }
}

TEST(TargaGraphic, PacketsCrossingRowEndsContinueOnTheNextRow) {
  const QImage f = MakeFPicture(9, 7);
  TgaSpec spec;
  spec.imageType = 10, spec.pixelDepth = 32, spec.descriptor = 0x28, spec.width = 9, spec.height = 7;
  spec.pixels = TgaPixelsOf(f, 32);
  spec.packetsCrossRows = true;
  TTargaGraphic tga;
  ASSERT_TRUE(Load(WriteTga(spec), tga));
  EXPECT_EQ(Rows(tga.Bitmap(), 4), spec.pixels);
}

TEST(TargaGraphic, RunOf64PixelsTakesFourBytes) {
  const QByteArray row = QByteArray::fromHex("102030").repeated(64);
  EXPECT_EQ(EncodeTgaRle(row, 3, 64), QByteArray::fromHex("bf102030"));
  TTargaRLEDecoder decoder(24);
  QByteArray out(64 * 3, '\0');
  const QByteArray packet = QByteArray::fromHex("bf102030");
  qsizetype pos = 0;
  EXPECT_EQ(decoder.Decode(reinterpret_cast<const uchar*>(packet.data()), packet.size(), pos,
                           reinterpret_cast<uchar*>(out.data()), 64),
            64);
  EXPECT_EQ(pos, 4);
  EXPECT_EQ(out, row);
}

TEST(TargaRLEDecoder, NeverWritesOutsideItsRowNorReadsPastTheData) {
  // A run of 128 into a row of 5, then a raw packet claiming 128 pixels with 2 present.
  const QByteArray data = QByteArray::fromHex(
      "ff11"
      "7f2233");
  QByteArray row(5 + 8, '\x77');  // 8 guard bytes after the row
  TTargaRLEDecoder decoder(8);
  qsizetype pos = 0;
  const auto* p = reinterpret_cast<const uchar*>(data.data());
  EXPECT_EQ(decoder.Decode(p, data.size(), pos, reinterpret_cast<uchar*>(row.data()), 5), 5);
  EXPECT_EQ(row, QByteArray::fromHex("1111111111") + QByteArray(8, '\x77'));
  // The rest of the run (123 pixels) fills the next rows, then the data runs out.
  int total = 0;
  for (int i = 0; i < 30; ++i) total += decoder.Decode(p, data.size(), pos, reinterpret_cast<uchar*>(row.data()), 5);
  EXPECT_EQ(total, 123 + 2);
  EXPECT_EQ(pos, data.size());
}

TEST(TargaGraphic, TruncatedRunLengthFileKeepsTheRowsItHas) {
  const QImage f = MakeCoordinatePicture(16, 8);
  TgaSpec spec;
  spec.imageType = 10, spec.pixelDepth = 24, spec.descriptor = 0x20, spec.width = 16, spec.height = 8;
  spec.pixels = TgaPixelsOf(f, 24);
  QByteArray file = WriteTga(spec);
  file.chop(file.size() / 3);
  TTargaGraphic tga;
  ASSERT_TRUE(Load(file, tga));
  EXPECT_EQ(tga.Bitmap().pixel(3, 0), (f.pixel(3, 0) & 0xFFFFFFu) | 0xFF000000u);
  EXPECT_EQ(tga.Bitmap().pixel(15, 7), qRgb(0, 0, 0));
}

TEST(TargaGraphic, DamagedHeadersAreRefusedBeforeAllocating) {
  TgaSpec big;
  big.imageType = 2, big.pixelDepth = 32, big.width = 65535, big.height = 65535;
  TgaSpec bigRle = big;
  bigRle.imageType = 10;
  TgaSpec badDepth;
  badDepth.pixelDepth = 12, badDepth.width = 2, badDepth.height = 2, badDepth.pixels = QByteArray(8, 'x');
  TgaSpec empty;
  empty.width = 0, empty.height = 10;
  TgaSpec shortRows;
  shortRows.width = 4, shortRows.height = 4, shortRows.pixels = QByteArray(4 * 4 * 3 - 1, 'x');
  TgaSpec shortMap;
  shortMap.imageType = 1, shortMap.pixelDepth = 8, shortMap.width = 1, shortMap.height = 1;
  shortMap.colourMapType = 1, shortMap.mapLength = 1000, shortMap.colourMap = QByteArray(30, 'x');
  TgaSpec badEntry = shortMap;
  badEntry.mapEntrySize = 8, badEntry.mapLength = 4, badEntry.colourMap = QByteArray(4, 'x');
  badEntry.pixels = QByteArray(1, '\0');
  for (const TgaSpec& spec : {big, bigRle, badDepth, empty, shortRows, shortMap, badEntry}) {
    TTargaGraphic tga;
    const testing::AssertionResult loaded = Load(WriteTga(spec), tga);
    EXPECT_FALSE(loaded);
    EXPECT_STRNE(loaded.message(), "");  // the reason
    EXPECT_TRUE(tga.Bitmap().isNull());
  }
  TTargaGraphic tga;
  EXPECT_FALSE(Load(QByteArray::fromHex("000002000000"), tga));  // ends inside the header
}

TEST(TargaGraphic, LoadsOnlyPlainFiles) {
  QTemporaryDir dir;
  TTargaGraphic tga;
  if (QFileInfo::exists("/dev/zero")) {
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("z.tga")));
    const Outcome<> loaded = tga.LoadFromFile(dir.filePath("z.tga"));
    EXPECT_FALSE(loaded.Ok());
    EXPECT_EQ(loaded.Text(), "not a regular file");
  }
  TgaSpec spec;
  spec.width = 2, spec.height = 1, spec.pixels = QByteArray(6, '\x40');
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("a.tga"), WriteTga(spec)));
  EXPECT_TRUE(tga.LoadFromFile(dir.filePath("a.tga")).Ok());
  EXPECT_EQ(tga.Bitmap().size(), QSize(2, 1));
}

}  // namespace

}  // namespace mosaicor
