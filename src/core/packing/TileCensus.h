#pragma once
// The tile census of a texture set: its 64 x 64 cells, grouped by identical content (or, in the
// other census modes, by content equal up to rotation and mirror or within a tolerance), with the
// empty ones (every pixel of the fill colour) counted apart. After an edit in the exact mode only
// the cells of the changed rectangle are looked at again; the other modes count afresh, since one
// changed cell can move the first cell of a group and with it the group's every member.

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/packing/CellGroups.h"

namespace mosaicor {

struct CensusCounts {
  int cells = 0;
  int used = 0;    // cells that are not empty
  int unique = 0;  // different contents among the used cells (groups, in the census's mode)
  int empty = 0;
};

// "2048 cells: 1530 used, 1402 unique, 518 empty", read through the installed translation (the
// window shows it in its status line).
QString CensusText(const CensusCounts& counts);

class TileCensus {
 public:
  // Counts the cells of `set` (ARGB32 or RGB32; whole cells only) from scratch; `fill` is the
  // colour of an empty cell.
  void Take(const QImage& set, QRgb fill, CensusMode mode = {});
  // The set changed inside `dirty` (set pixels): only the cells it touches are looked at again.
  // A set of another size, or another fill colour, is counted from scratch.
  void Update(const QImage& set, const QRect& dirty, QRgb fill);

  const CensusCounts& Counts() const { return counts_; }
  const CensusMode& Mode() const { return mode_; }
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  bool IsEmpty(int cell) const { return cells_[size_t(cell)].group < 0; }
  // The cells that share `cell`'s content, itself included, left to right and top to bottom;
  // none for an empty cell.
  std::vector<int> GroupOf(int cell) const;
  // The first cell of `cell`'s group in reading order; -1 for an empty cell.
  int FirstOfGroup(int cell) const;
  // What turns the cell's pixels into those of its group's first cell (always None when exact).
  CellTransform TransformOf(int cell) const { return cells_[size_t(cell)].transform; }
  // The next cell of `cell`'s group after it, round to the first; -1 when it has no twin.
  int NextInGroup(int cell) const;
  // Every group of two or more cells, ordered by their first cell.
  std::vector<std::vector<int>> Duplicates() const;

 private:
  struct Cell {
    uint64_t hash = 0;
    int group = -1;  // -1: empty
    CellTransform transform = CellTransform::None;
  };
  struct Group {
    uint64_t hash = 0;
    std::vector<int> members;  // ascending
    int nextSameHash = -1;     // another group whose content hashes the same
  };

  void TakeGrouped(const QImage& set);
  void Measure(const QImage& set, int cell);
  void Join(const QImage& set, int cell);
  void Leave(int cell);
  bool SameContent(const QImage& set, int a, int b) const;
  int NewGroup(uint64_t hash);
  void FreeGroup(int group);

  QSize size_;
  QRgb fill_ = 0;
  CensusMode mode_;
  int columns_ = 0, rows_ = 0;
  std::vector<Cell> cells_;
  std::vector<Group> groups_;
  std::vector<int> freeGroups_;
  std::unordered_map<uint64_t, int> byHash_;  // the first group of each hash
  CensusCounts counts_;
};

}  // namespace mosaicor
