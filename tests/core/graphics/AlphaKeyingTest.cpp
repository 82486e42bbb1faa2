// Alpha keyed to magenta: the threshold's edges, and a soft-edged cut-out that leaves no pink or
// dark rim in the saved texture set once its fringe is cleaned.

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "core/graphics/AlphaKeying.h"
#include "core/imagefiles/ImageFileModule.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <cmath>

namespace mosaicor {

namespace {

constexpr QRgb kDisc = qRgb(30, 160, 60);

enum class Edge { Straight, Premultiplied, MattedOnMagenta };

// A disc of radius 20 in a 64 x 64 picture whose alpha falls from 255 to 0 between radius 16 and
// 24. Its rim is coloured as pictures come: the disc's own colour (straight alpha), darkened by
// alpha (premultiplied colour saved as straight), or blended toward the magenta it was drawn on.
QImage SoftDisc(Edge edge) {
  QImage disc(64, 64, QImage::Format_ARGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const double d = std::hypot(x + 0.5 - 32, y + 0.5 - 32);
      const int a = int(std::lround(std::clamp((24 - d) / 8, 0.0, 1.0) * 255));
      auto mix = [a](int c, int under) { return (c * a + under * (255 - a) + 127) / 255; };
      QRgb colour = kDisc;
      if (edge == Edge::Premultiplied) colour = qRgb(mix(qRed(kDisc), 0), mix(qGreen(kDisc), 0), mix(qBlue(kDisc), 0));
      if (edge == Edge::MattedOnMagenta)
        colour = qRgb(mix(qRed(kDisc), 255), mix(qGreen(kDisc), 0), mix(qBlue(kDisc), 255));
      disc.setPixel(x, y, (colour & 0xFFFFFFu) | (uint(a) << 24));
    }
  return disc;
}

int DistanceToMagenta(QRgb p) {
  const int dr = 255 - qRed(p), dg = qGreen(p), db = 255 - qBlue(p);
  return int(std::sqrt(dr * dr + dg * dg + db * db));
}

// The 24-bit TGA the program saves, read back pixel by pixel (rows bottom up, blue, green, red).
QImage SavedTga(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  QImage picture(64, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const char* p = bytes.constData() + 18 + ((63 - y) * 64 + x) * 3;
      picture.setPixel(x, y, qRgb(uchar(p[2]), uchar(p[1]), uchar(p[0])));
    }
  return picture;
}

TEST(AlphaKeying, ThresholdEdges) {
  for (const int threshold : {1, 128, 254}) {
    SCOPED_TRACE(threshold);
    QImage picture(4, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(10, 20, 30, threshold - 1));
    picture.setPixel(1, 0, qRgba(10, 20, 30, threshold));
    picture.setPixel(2, 0, qRgba(40, 50, 60, 0));
    picture.setPixel(3, 0, qRgba(70, 80, 90, 255));
    const QImage keyed = KeyAlphaToMagenta(picture, {threshold, false});
    EXPECT_EQ(keyed.pixel(0, 0), kOpaqueMagentaKey);
    EXPECT_EQ(keyed.pixel(1, 0), qRgba(10, 20, 30, 255));  // its own colour, opaque, not blended
    EXPECT_EQ(keyed.pixel(2, 0), kOpaqueMagentaKey);
    EXPECT_EQ(keyed.pixel(3, 0), qRgba(70, 80, 90, 255));
  }
}

TEST(AlphaKeying, OnlyPicturesWithTransparency) {
  QImage picture(2, 2, QImage::Format_ARGB32);
  picture.fill(qRgba(1, 2, 3, 0));  // a picture loaded without alpha
  EXPECT_FALSE(HasTransparency(picture));
  picture.fill(qRgba(1, 2, 3, 255));
  EXPECT_FALSE(HasTransparency(picture));
  picture.setPixel(1, 1, qRgba(1, 2, 3, 254));
  EXPECT_TRUE(HasTransparency(picture));
}

TEST(AlphaKeying, SoftDiscSavesWithoutPinkOrDarkRim) {
  QTemporaryDir dir;
  const ImageFileModule files;
  for (const Edge edge : {Edge::Straight, Edge::Premultiplied, Edge::MattedOnMagenta}) {
    SCOPED_TRACE(int(edge));
    const QImage disc = SoftDisc(edge);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&buffer, "png").write(disc));
    const QString pngPath = dir.filePath("disc.png"), tgaPath = dir.filePath("disc.tga");
    ASSERT_TRUE(WriteBytesToFile(pngPath, png));

    QImage loaded;
    PixelFormatCode format = PixelFormatCode::Device;
    ASSERT_TRUE(files.LoadImageAs32BitsFile(loaded, pngPath, format));
    ASSERT_TRUE(HasTransparency(loaded));
    ASSERT_TRUE(files.SaveImageAs24BitsFile(KeyAlphaToMagenta(loaded, {128, true}), 64, 64, tgaPath));
    const QImage saved = SavedTga(tgaPath);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        const QRgb p = saved.pixel(x, y);
        ASSERT_EQ(p == kOpaqueMagentaKey, qAlpha(disc.pixel(x, y)) < 128) << x << "," << y;
        if (p == kOpaqueMagentaKey) continue;
        ASSERT_GT(DistanceToMagenta(p), 40) << x << "," << y;
        ASSERT_EQ(p, kDisc) << x << "," << y;  // no dark rim either: the rim took the disc's colour
      }
  }
}

TEST(AlphaKeying, WithoutCleaningTheRimKeepsItsTint) {
  for (const Edge edge : {Edge::Premultiplied, Edge::MattedOnMagenta}) {
    const QImage keyed = KeyAlphaToMagenta(SoftDisc(edge), {128, false});
    int tinted = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) tinted += keyed.pixel(x, y) != kOpaqueMagentaKey && keyed.pixel(x, y) != kDisc;
    EXPECT_GT(tinted, 0) << int(edge);
  }
}

}  // namespace

}  // namespace mosaicor
