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
  const Result<CompactedSet> compacted = CompactSet(set, kFill, CompactRules::Of(CensusMode{true, 0}));
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

namespace mosaicor {

namespace {

QImage Flat(QRgb colour) {
  QImage tile(64, 64, QImage::Format_ARGB32);
  tile.fill(colour);
  return tile;
}

QImage Cell(const QImage& set, int cell) { return set.copy(cell % 4 * 64, cell / 4 * 64, 64, 64); }

// A 2 x 2 tile at cells 4, 5, 8, 9 after a lone cell at 1, its equal twin at 12, 13, 16, 17, and a
// lone cell at 20 that equals the block's first cell.
TEST(Compaction, ATileOverSeveralCellsMovesAsOneBlockAndMergesOnlyWithAnEqualBlock) {
  QImage set(256, 512, QImage::Format_ARGB32);
  set.fill(0xFF000000u);
  const QImage block[4] = {Gradient(1), Gradient(2), Gradient(3), Gradient(4)};
  const int firstPlaces[4] = {4, 5, 8, 9}, twinPlaces[4] = {12, 13, 16, 17};
  for (int i = 0; i < 4; ++i) {
    QPainter(&set).drawImage(firstPlaces[i] % 4 * 64, firstPlaces[i] / 4 * 64, block[i]);
    QPainter(&set).drawImage(twinPlaces[i] % 4 * 64, twinPlaces[i] / 4 * 64, block[i]);
  }
  QPainter(&set).drawImage(64, 0, Flat(0xFF102030u));
  QPainter(&set).drawImage(0, 320, Gradient(1));

  CompactRules rules;
  rules.blocks = {QRect(0, 1, 2, 2), QRect(0, 3, 2, 2)};
  const Result<CompactedSet> compacted = CompactSet(set, kFill, rules);
  ASSERT_TRUE(compacted.Ok());
  // Cell 1 goes to 0; the block cannot start at 1 (two cells wide there is room, but its second row
  // would stand under 1 and 2): it goes to 1, 2, 5, 6; the lone cell 20 is a twin of a block cell,
  // which it may not take apart, so it stays itself and fills cell 3.
  EXPECT_EQ(MoveMapCsv(compacted->moves),
            "old_cell,new_cell,transform\n1,0,none\n4,1,none\n5,2,none\n8,5,none\n9,6,none\n12,1,none\n"
            "13,2,none\n16,5,none\n17,6,none\n20,3,none\n");
  EXPECT_EQ(Cell(compacted->set, 1), block[0]);
  EXPECT_EQ(Cell(compacted->set, 6), block[3]);
  EXPECT_EQ(compacted->kept, 6);

  // A block that differs in one cell is no twin.
  QPainter(&set).drawImage(64, 256, Gradient(7));
  const Result<CompactedSet> apart = CompactSet(set, kFill, rules);
  ASSERT_TRUE(apart.Ok());
  EXPECT_EQ(apart->kept, 10);
}

// Under a project: a fixed cell keeps its place and is no kept copy, cells of different kinds stay
// apart, a pointed-at empty cell is used, and no free cell makes a second magenta one in a row.
TEST(Compaction, FixedCellsKindsAndPointedAtEmptyCells) {
  constexpr QRgb kMagentaFill = 0xFFFF00FFu;
  QImage set(256, 256, QImage::Format_ARGB32);
  set.fill(kMagentaFill);
  for (int cell : {3, 5, 6, 9}) QPainter(&set).drawImage(cell % 4 * 64, cell / 4 * 64, Gradient(1));
  CompactRules rules;
  rules.kinds.assign(16, 0);
  rules.kinds[5] = kFixedCell;
  rules.kinds[9] = 2;
  rules.pointedAt.assign(16, false);
  rules.pointedAt[12] = true;
  rules.noMagentaPairs = true;
  const Result<CompactedSet> compacted = CompactSet(set, kMagentaFill, rules);
  ASSERT_TRUE(compacted.Ok());
  EXPECT_EQ(MoveMapCsv(compacted->moves),
            "old_cell,new_cell,transform\n3,0,none\n5,5,none\n6,0,none\n9,1,none\n12,2,none\n");
  EXPECT_EQ(Cell(compacted->set, 5), Gradient(1));
  // Cells 3 and 4 are free before the fixed cell 5; 2 is the pointed-at magenta one, so 3 turns black.
  EXPECT_EQ(Cell(compacted->set, 3), Flat(0xFF000000u));
  EXPECT_EQ(Cell(compacted->set, 4), Flat(kMagentaFill));
}

}  // namespace

}  // namespace mosaicor
