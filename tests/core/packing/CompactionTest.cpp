#include "core/canvas/TileTransforms.h"
#include "core/packing/Compaction.h"

#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <map>

namespace mosaicor {

namespace {

constexpr QRgb kFill = 0xFF000000u;

QRect CellRect(int cell) { return QRect(cell % 4 * 64, cell / 4 * 64, 64, 64); }

void PutCell(QImage& set, int cell, const QImage& tile) {
  QPainter painter(&set);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(CellRect(cell).topLeft(), tile);
}

QImage Gradient(int seed) {
  QImage tile(64, 64, QImage::Format_ARGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) tile.setPixel(x, y, qRgb(seed * 40 + x, y * 3, x ^ y));
  return tile;
}

// What a builder's tool does with a line of the map, with the canvas's own turn and flips.
QImage Turned(const QImage& tile, const QByteArray& name) {
  const std::map<QByteArray, QImage (*)(const QImage&)> turns = {
      {"none", [](const QImage& t) { return t; }},
      {"rot90", RotatedTile},
      {"rot180", [](const QImage& t) { return RotatedTile(RotatedTile(t)); }},
      {"rot270", [](const QImage& t) { return RotatedTile(RotatedTile(RotatedTile(t))); }},
      {"flipx", HFlippedTile},
      {"flipy", VFlippedTile},
      {"transpose", [](const QImage& t) { return HFlippedTile(RotatedTile(t)); }},
      {"antitranspose", [](const QImage& t) { return RotatedTile(HFlippedTile(t)); }},
  };
  return turns.at(name)(tile);
}

TEST(Compaction, TheMoveMapAppliedToTheOldSetGivesTheNewSet) {
  const QImage f = MakeFPicture(64, 64);
  QImage set(256, 768, QImage::Format_ARGB32);
  set.fill(kFill);
  PutCell(set, 0, f);
  PutCell(set, 2, RotatedTile(f));
  PutCell(set, 3, Gradient(1));
  PutCell(set, 5, Gradient(1));
  PutCell(set, 7, Gradient(2));
  PutCell(set, 20, HFlippedTile(Gradient(2)));
  PutCell(set, 40, Gradient(3));
  PutCell(set, 41, VFlippedTile(f));
  TileCensus census;
  census.Take(set, kFill, CensusMode{true, 0});
  const Result<CompactedSet> compacted = CompactSet(set, kFill, census);
  ASSERT_TRUE(compacted.Ok());
  EXPECT_EQ(compacted->set.size(), QSize(256, 256));
  const QByteArray csv = MoveMapCsv(compacted->moves);
  EXPECT_EQ(csv,
            "old_cell,new_cell,transform\n0,0,none\n2,0,rot270\n3,1,none\n5,1,none\n7,2,none\n20,2,flipx\n"
            "40,3,none\n41,0,flipy\n");

  // Rebuilt from the file's lines alone: each kept cell placed, each duplicate found where it points.
  QImage rebuilt(256, 256, QImage::Format_ARGB32);
  rebuilt.fill(kFill);
  QImage empty(64, 64, QImage::Format_ARGB32);
  empty.fill(kFill);
  QList<QByteArray> lines = csv.trimmed().split('\n');
  lines.removeFirst();
  for (const QByteArray& line : lines) {
    const QList<QByteArray> fields = line.split(',');
    ASSERT_EQ(fields.size(), 3);
    const QImage moved = Turned(set.copy(CellRect(fields[0].toInt())), fields[2]);
    const QRect to = CellRect(fields[1].toInt());
    const QImage current = rebuilt.copy(to);
    if (current == empty)
      PutCell(rebuilt, fields[1].toInt(), moved);
    else
      EXPECT_EQ(current, moved) << line.toStdString();
  }
  EXPECT_EQ(rebuilt, compacted->set);
}

}  // namespace

}  // namespace mosaicor
