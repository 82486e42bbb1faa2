#include "core/canvas/TileTransforms.h"
#include "core/imagedecoding/ByteSource.h"
#include "core/imagedecoding/JpegReader.h"
#include "core/imagefiles/JpegWriter.h"
#include "core/packing/TileCensus.h"

#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QPainter>

namespace mosaicor {

namespace {

constexpr QRgb kFill = 0xFF000000u;

void PutCell(QImage& set, int cell, const QImage& tile) {
  QPainter painter(&set);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(cell % (set.width() / 64) * 64, cell / (set.width() / 64) * 64, tile);
}

QImage Blank(int width, int height) {
  QImage set(width, height, QImage::Format_ARGB32);
  set.fill(kFill);
  return set;
}

// A smooth cell, 16 levels of red or green from its neighbours in the page: a JPEG keeps it within
// 7 levels, even at the borders, where the halved colour resolution mixes in the neighbour's colour.
// (Cells that differ sharply from their neighbours come back further off there: 30 levels for a
// jump of 126.) So a copy is near its own cell and 9 levels or more from every other.
QImage Gradient(int seed) {
  QImage tile(64, 64, QImage::Format_ARGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      tile.setPixel(x, y, qRgb(60 + seed % 4 * 16 + x / 8, 60 + seed / 4 * 16 + y / 8, 120 + (x + y) / 8));
  return tile;
}

TEST(CensusModes, FindsEachOfTheEightTurnsAndMirrorsAndNamesTheOneThatTurnsAMemberBack) {
  // The copies are made with the canvas's own turn and flips; each name says what undoes the copy.
  const QImage f = MakeFPicture(64, 64);
  const QImage r = RotatedTile(f);
  const std::vector<std::pair<QImage, const char*>> copies = {
      {f, "none"},
      {r, "rot270"},
      {RotatedTile(r), "rot180"},
      {RotatedTile(RotatedTile(r)), "rot90"},
      {HFlippedTile(f), "flipx"},
      {VFlippedTile(f), "flipy"},
      {HFlippedTile(r), "transpose"},
      {RotatedTile(HFlippedTile(f)), "antitranspose"},
  };
  QImage set = Blank(256, 256);
  PutCell(set, 0, f);
  for (size_t i = 0; i < copies.size(); ++i) PutCell(set, int(i) + 1, copies[i].first);

  TileCensus census;
  census.Take(set, kFill, CensusMode{true, 0});
  EXPECT_EQ(CensusText(census.Counts()), "16 cells: 9 used, 1 unique, 7 empty");
  for (size_t i = 0; i < copies.size(); ++i)
    EXPECT_EQ(TransformName(census.TransformOf(int(i) + 1)), copies[i].second) << i;
  // Without the mode only the untouched copy is a twin.
  census.Take(set, kFill);
  EXPECT_EQ(census.Duplicates(), (std::vector<std::vector<int>>{{0, 1}}));
}

TEST(CensusModes, AJpegCopyOfASetGroupsWithItsOriginalWithinTheToleranceOnly) {
  QImage page = Blank(256, 256);
  for (int cell = 0; cell < 16; ++cell) PutCell(page, cell, Gradient(cell));
  const Result<QByteArray> jpeg = EncodeJpeg(page);
  ASSERT_TRUE(jpeg.Ok());
  ByteSource bytes(jpeg.Value());
  const Result<DecodedPicture> decoded = ReadJpeg(bytes);
  ASSERT_TRUE(decoded.Ok());
  QImage set = Blank(256, 512);
  PutCell(set, 0, page);
  {
    QPainter painter(&set);
    painter.drawImage(0, 256, decoded->image.convertToFormat(QImage::Format_ARGB32));
  }
  std::vector<std::vector<int>> pairs;
  for (int cell = 0; cell < 16; ++cell) pairs.push_back({cell, cell + 16});

  TileCensus census;
  census.Take(set, kFill, CensusMode{false, kDefaultTolerance});
  EXPECT_EQ(census.Duplicates(), pairs);
  census.Take(set, kFill, CensusMode{true, kDefaultTolerance});
  EXPECT_EQ(census.Duplicates(), pairs);
  census.Take(set, kFill, CensusMode{false, 0});
  EXPECT_TRUE(census.Duplicates().empty());
}

TEST(CensusModes, ACellJoinsTheFirstGroupWhoseFirstCellItMatchesNotAnyMember) {
  // B is within 8 of A and of C, but C is 12 from A: C starts a group of its own.
  QImage set = Blank(256, 256);
  const auto flat = [](int grey) {
    QImage tile(64, 64, QImage::Format_ARGB32);
    tile.fill(qRgb(grey, grey, grey));
    return tile;
  };
  PutCell(set, 0, flat(100));
  PutCell(set, 1, flat(106));
  PutCell(set, 2, flat(112));
  PutCell(set, 3, flat(105));
  TileCensus census;
  census.Take(set, kFill, CensusMode{false, 8});
  EXPECT_EQ(census.Duplicates(), (std::vector<std::vector<int>>{{0, 1, 3}}));
  EXPECT_EQ(census.FirstOfGroup(2), 2);
}

}  // namespace

}  // namespace mosaicor
