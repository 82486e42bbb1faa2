// The vector row merges against plain per-pixel arithmetic, and the run-length decoders on rows
// wide enough for their fast paths: runs of every length up to a packet's limit ending at row
// ends, plane ends and the file's end, and rows whose packets stop early.

#include "DecodedInto.h"
#include "core/imagedecoding/PcxReader.h"
#include "core/imagedecoding/PixelRows.h"
#include "core/imagedecoding/PsdReader.h"
#include "core/imagedecoding/PspReader.h"

#include "PcxWriter.h"
#include "PsdWriter.h"
#include "PspWriter.h"

#include <gtest/gtest.h>
#include <cstdint>
#include <vector>

namespace mosaicor {

namespace {

std::vector<uchar> Noise(size_t count, uint32_t seed) {
  std::vector<uchar> bytes(count);
  for (uchar& b : bytes) seed = seed * 1103515245u + 12345u, b = uchar(seed >> 24);
  return bytes;
}

constexpr QRgb kSentinel = 0xDEADBEEFu;

TEST(PixelRows, EveryWidthMatchesPlainArithmeticAndStopsAtItsEnd) {
  for (qsizetype width = 0; width <= 70; ++width) {
    SCOPED_TRACE(width);
    const size_t n = size_t(width);
    const std::vector<uchar> r = Noise(n, 1), g = Noise(n, 2), b = Noise(n, 3), a = Noise(n, 4), rgb = Noise(3 * n, 5);
    std::vector<uchar> bgr(3 * n + 8, 0xAB);
    std::vector<QRgb> opaque(n + 2, kSentinel), straight(n + 2, kSentinel), widened(n + 2, kSentinel);
    MergePlanesToBgr24(r.data(), g.data(), b.data(), bgr.data(), width);
    MergePlanesToRgb32(r.data(), g.data(), b.data(), opaque.data(), width);
    MergePlanesToArgb32(r.data(), g.data(), b.data(), a.data(), straight.data(), width);
    WidenRgb24ToRgb32(rgb.data(), widened.data(), width);
    for (size_t x = 0; x < n; ++x) {
      ASSERT_EQ(bgr[3 * x], b[x]);
      ASSERT_EQ(bgr[3 * x + 1], g[x]);
      ASSERT_EQ(bgr[3 * x + 2], r[x]);
      ASSERT_EQ(opaque[x], qRgb(r[x], g[x], b[x]));
      ASSERT_EQ(straight[x], qRgba(r[x], g[x], b[x], a[x]));
      ASSERT_EQ(widened[x], qRgb(rgb[3 * x], rgb[3 * x + 1], rgb[3 * x + 2]));
    }
    EXPECT_EQ(bgr[3 * n], 0xAB);
    EXPECT_EQ(opaque[n], kSentinel);
    EXPECT_EQ(straight[n], kSentinel);
    EXPECT_EQ(widened[n], kSentinel);
  }
}

// Rows of flat stretches (every length from 1 to 70, so runs of the longest packets end anywhere,
// row ends included) between stretches of noise, in colours that are often PCX run markers.
QImage RunsPicture(int width, int height, bool alpha) {
  QImage picture(width, height, QImage::Format_ARGB32);
  uint32_t seed = uint32_t(width) * 7919u;
  int stretch = 0;
  for (int y = 0; y < height; ++y) {
    int left = 0;
    QRgb flat = 0;
    for (int x = 0; x < width; ++x) {
      if (left == 0) {
        ++stretch;
        left = 1 + (stretch * 7 + y) % 70;
        flat = qRgba(150 + stretch % 106, (stretch * 53) & 255, 255 - stretch % 70, alpha ? 190 + stretch % 66 : 255);
      }
      --left;
      seed = seed * 1103515245u + 12345u;
      const bool noisy = stretch % 3 == 0;
      picture.setPixel(x, y, noisy ? (seed >> 1) | (alpha ? (seed << 24) : 0xFF000000u) : flat);
    }
  }
  return picture;
}

// Where two pictures differ first, as text for the failure message; empty when they are the same.
QString FirstDifference(const QImage& decoded, const QImage& expected) {
  const QImage a = decoded.convertToFormat(QImage::Format_ARGB32);
  if (a.size() != expected.size()) return QStringLiteral("size differs");
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != expected.pixel(x, y))
        return QStringLiteral("(%1, %2): %3 where %4 was meant")
            .arg(x)
            .arg(y)
            .arg(a.pixel(x, y), 8, 16)
            .arg(expected.pixel(x, y), 8, 16);
  return {};
}

template <typename Read>
QString Decoded(const QByteArray& bytes, Read read, const QImage& expected) {
  ByteSource source(bytes);
  DecodedPicture picture;
  QString error;
  if (!DecodedInto(read(source), picture, error)) return QStringLiteral("refused: ") + error;
  return FirstDifference(picture.image, expected);
}

const int kWidths[] = {1, 15, 16, 17, 47, 63, 64, 65, 127, 128, 129, 130, 200, 257, 300};

TEST(WideRows, PcxRunsOverRowAndPlaneEnds) {
  for (const int width : kWidths)
    for (const int planes : {3, 4})
      for (const bool crossRows : {false, true}) {
        SCOPED_TRACE(QStringLiteral("%1 wide, %2 planes, runs over rows %3")
                         .arg(width)
                         .arg(planes)
                         .arg(crossRows)
                         .toStdString());
        const QImage expected = RunsPicture(width, 9, planes == 4);
        PcxSpec spec;
        spec.planes = planes, spec.width = width, spec.height = 9, spec.runsCrossRows = crossRows;
        spec.planeRows = PcxRowsOf(expected, 8, planes, PcxLineBytes(width, 8));
        EXPECT_EQ(Decoded(WritePcx(spec), ReadPcx, expected), QString());
      }
}

TEST(WideRows, PsdPackBitsRowsOfEveryWidth) {
  for (const int width : kWidths)
    for (const bool alpha : {false, true}) {
      SCOPED_TRACE(QStringLiteral("%1 wide, alpha %2").arg(width).arg(alpha).toStdString());
      QImage expected = RunsPicture(width, 9, alpha);
      // Photoshop keeps colour under partial transparency only as flattened on white: a mask of
      // clear white and opaque pixels comes back exactly.
      for (int y = 0; alpha && y < 9; ++y)
        for (int x = 0; x < width; ++x)
          expected.setPixel(
              x, y, qAlpha(expected.pixel(x, y)) < 128 ? qRgba(255, 255, 255, 0) : expected.pixel(x, y) | 0xFF000000u);
      PsdSpec spec;
      spec.width = width, spec.height = 9, spec.compression = 1;
      spec.planes = PsdRgbPlanes(expected, alpha, 8);
      spec.layerCount = alpha ? -1 : 0;
      EXPECT_EQ(Decoded(WritePsd(spec), ReadPsd, expected), QString());
    }
}

TEST(WideRows, PspRleChannelsOfEveryWidth) {
  for (const int width : kWidths) {
    SCOPED_TRACE(width);
    const QImage expected = RunsPicture(width, 9, false);
    PspSpec spec;
    spec.majorVersion = 7, spec.compression = 1, spec.width = width, spec.height = 9;
    PspLayerSpec layer;
    layer.imageRect = layer.savedRect = {0, 0, width, 9};
    for (int c = 0; c < 3; ++c) layer.channels << PspChannelSpec{0, c + 1, PspPlaneOf(expected, c)};
    spec.layers << layer;
    EXPECT_EQ(Decoded(WritePsp(spec), ReadPsp, expected), QString());
  }
}

// One grey PackBits row per entry, with the row table pointing at it.
QByteArray GreyPsd(int width, const QList<QByteArray>& rows) {
  PsdSpec spec;
  spec.mode = 1, spec.width = width, spec.height = int(rows.size()), spec.channels = 1;
  QByteArray bytes = WritePsd(spec);
  bytes[bytes.size() - 1] = 1;  // compression: PackBits
  for (const QByteArray& row : rows) bytes += char(row.size() >> 8), bytes += char(row.size() & 255);
  for (const QByteArray& row : rows) bytes += row;
  return bytes;
}

TEST(WideRows, PsdRowsThatStopEarlyEndInZeros) {
  constexpr int kWidth = 300;
  // Two literal bytes, then only packets that do nothing: the copy of the two bytes may move more
  // than two, but the row beyond them must read as zeros.
  const QByteArray early = QByteArray("\x01\x0B\x0C", 3) + QByteArray(140, char(0x80));
  // Two full literal packets, then one that promises 128 bytes and has 10.
  QByteArray cut;
  for (int k = 0; k < 2; ++k) cut += char(127) + QByteArray(128, char(0x40 + k));
  cut += char(127) + QByteArray(10, char(0x77));
  // Repeats that would run 84 bytes past the row.
  const QByteArray over("\x81\x21\x81\x22\x81\x23", 6);
  const QByteArray psd = GreyPsd(kWidth, {early, cut, over});
  ByteSource source(psd);
  DecodedPicture picture;
  QString error;
  ASSERT_TRUE(DecodedInto(ReadPsd(source), picture, error)) << qPrintable(error);
  const QImage& image = picture.image;
  ASSERT_EQ(image.format(), QImage::Format_Indexed8);
  auto at = [&](int x, int y) { return image.constScanLine(y)[x]; };
  EXPECT_EQ(at(0, 0), 0x0B);
  EXPECT_EQ(at(1, 0), 0x0C);
  for (int x = 2; x < kWidth; ++x) ASSERT_EQ(at(x, 0), 0) << x;
  for (int x = 0; x < 266; ++x) ASSERT_EQ(at(x, 1), x < 128 ? 0x40 : x < 256 ? 0x41 : 0x77) << x;
  for (int x = 266; x < kWidth; ++x) ASSERT_EQ(at(x, 1), 0) << x;
  for (int x = 0; x < kWidth; ++x) ASSERT_EQ(at(x, 2), x < 128 ? 0x21 : x < 256 ? 0x22 : 0x23) << x;
}

}  // namespace

}  // namespace mosaicor
