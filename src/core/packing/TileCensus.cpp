#include "core/packing/TileCensus.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

#include "core/packing/CellHash.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

constexpr int kSide = kSetCellSide;
constexpr size_t kCellRowBytes = kSide * 4;

QRect CellRect(int cell, int columns) { return QRect(cell % columns * kSide, cell / columns * kSide, kSide, kSide); }

}  // namespace

QString CensusText(const CensusCounts& counts) {
  return QCoreApplication::translate("TileCensus", "%1 cells: %2 used, %3 unique, %4 empty")
      .arg(counts.cells)
      .arg(counts.used)
      .arg(counts.unique)
      .arg(counts.empty);
}

void TileCensus::Take(const QImage& set, QRgb fill, CensusMode mode) {
  size_ = set.size();
  fill_ = fill;
  mode_ = mode;
  columns_ = set.width() / kSide;
  rows_ = set.height() / kSide;
  cells_.assign(size_t(columns_) * rows_, Cell{});
  groups_.clear();
  freeGroups_.clear();
  byHash_.clear();
  counts_ = CensusCounts{int(cells_.size()), 0, 0, int(cells_.size())};
  if (!mode_.Exact()) return TakeGrouped(set);
  // A band of cells at a time, row by row across it, so that the pixels are read in memory order.
  const uint64_t fillPair = CellHasher::FillPair(fill);
  std::vector<CellHasher> band(static_cast<size_t>(columns_));
  for (int row = 0; row < rows_; ++row) {
    std::fill(band.begin(), band.end(), CellHasher());
    for (int y = row * kSide; y < (row + 1) * kSide; ++y) {
      const uchar* line = set.constScanLine(y);
      for (int column = 0; column < columns_; ++column)
        band[size_t(column)].Feed(line + column * kCellRowBytes, kSide / 2, fillPair);
    }
    for (int column = 0; column < columns_; ++column) {
      const int cell = row * columns_ + column;
      cells_[size_t(cell)].hash = band[size_t(column)].Hash();
      if (!band[size_t(column)].AllFill()) Join(set, cell);
    }
  }
}

void TileCensus::TakeGrouped(const QImage& set) {
  const CellGrouping grouping = GroupCells(set, fill_, mode_);
  for (size_t cell = 0; cell < cells_.size(); ++cell) {
    const int first = grouping.first[cell];
    if (first < 0) continue;
    Cell& c = cells_[cell];
    if (first == int(cell)) {
      c.group = int(groups_.size());
      groups_.push_back(Group{});
      ++counts_.unique;
    } else {
      c.group = cells_[size_t(first)].group;
    }
    c.transform = grouping.transform[cell];
    groups_[size_t(c.group)].members.push_back(int(cell));
    ++counts_.used;
    --counts_.empty;
  }
}

void TileCensus::Update(const QImage& set, const QRect& dirty, QRgb fill) {
  if (set.size() != size_ || fill != fill_ || !mode_.Exact()) return Take(set, fill, mode_);
  const QRect r = dirty.intersected(QRect(0, 0, columns_ * kSide, rows_ * kSide));
  if (r.isEmpty()) return;
  const int left = r.left() / kSide, right = r.right() / kSide;
  const int top = r.top() / kSide, bottom = r.bottom() / kSide;
  // Every changed cell leaves its group first: what stays in a group is unchanged, so any member
  // can stand for the group's content when the changed cells join again.
  for (int row = top; row <= bottom; ++row)
    for (int column = left; column <= right; ++column) Leave(row * columns_ + column);
  for (int row = top; row <= bottom; ++row)
    for (int column = left; column <= right; ++column) Measure(set, row * columns_ + column);
}

void TileCensus::Measure(const QImage& set, int cell) {
  const QRect rect = CellRect(cell, columns_);
  CellHasher hasher;
  hasher.FeedRows(set.constScanLine(rect.top()) + rect.left() * 4, set.bytesPerLine(), kSide, kSide / 2,
                  CellHasher::FillPair(fill_));
  cells_[size_t(cell)].hash = hasher.Hash();
  if (!hasher.AllFill()) Join(set, cell);
}

bool TileCensus::SameContent(const QImage& set, int a, int b) const {
  const QRect ra = CellRect(a, columns_), rb = CellRect(b, columns_);
  const qsizetype stride = set.bytesPerLine();
  const uchar* pa = set.constBits() + ra.top() * stride + ra.left() * 4;
  const uchar* pb = set.constBits() + rb.top() * stride + rb.left() * 4;
  // A whole row at a time, pixel pairs as words and no early exit inside it, so that the
  // comparison runs as fast as the hash.
  for (int y = 0; y < kSide; ++y, pa += stride, pb += stride) {
    uint64_t differs = 0;
    for (size_t i = 0; i < kCellRowBytes; i += 8) {
      uint64_t wa, wb;
      std::memcpy(&wa, pa + i, 8);
      std::memcpy(&wb, pb + i, 8);
      differs |= (wa ^ wb) & CellHasher::kColourBits;
    }
    if (differs) return false;
  }
  return true;
}

void TileCensus::Join(const QImage& set, int cell) {
  Cell& c = cells_[size_t(cell)];
  int group = -1;
  const auto found = byHash_.find(c.hash);
  if (found != byHash_.end()) {
    // Equal hashes are compared pixel by pixel: a collision makes a group of its own.
    for (int g = found->second; g >= 0; g = groups_[size_t(g)].nextSameHash)
      if (SameContent(set, groups_[size_t(g)].members.front(), cell)) {
        group = g;
        break;
      }
  }
  if (group < 0) group = NewGroup(c.hash);
  std::vector<int>& members = groups_[size_t(group)].members;
  members.insert(std::upper_bound(members.begin(), members.end(), cell), cell);
  c.group = group;
  ++counts_.used;
  --counts_.empty;
}

void TileCensus::Leave(int cell) {
  Cell& c = cells_[size_t(cell)];
  if (c.group < 0) return;
  std::vector<int>& members = groups_[size_t(c.group)].members;
  members.erase(std::lower_bound(members.begin(), members.end(), cell));
  if (members.empty()) FreeGroup(c.group);
  c.group = -1;
  --counts_.used;
  ++counts_.empty;
}

int TileCensus::NewGroup(uint64_t hash) {
  int group;
  if (!freeGroups_.empty()) {
    group = freeGroups_.back();
    freeGroups_.pop_back();
  } else {
    group = int(groups_.size());
    groups_.emplace_back();
  }
  Group& g = groups_[size_t(group)];
  g.hash = hash;
  auto [slot, inserted] = byHash_.try_emplace(hash, group);
  g.nextSameHash = inserted ? -1 : slot->second;
  slot->second = group;
  ++counts_.unique;
  return group;
}

void TileCensus::FreeGroup(int group) {
  Group& g = groups_[size_t(group)];
  const auto slot = byHash_.find(g.hash);
  if (slot->second == group) {
    if (g.nextSameHash < 0)
      byHash_.erase(slot);
    else
      slot->second = g.nextSameHash;
  } else {
    int before = slot->second;
    while (groups_[size_t(before)].nextSameHash != group) before = groups_[size_t(before)].nextSameHash;
    groups_[size_t(before)].nextSameHash = g.nextSameHash;
  }
  g.nextSameHash = -1;
  freeGroups_.push_back(group);
  --counts_.unique;
}

std::vector<int> TileCensus::GroupOf(int cell) const {
  const int group = cells_[size_t(cell)].group;
  return group < 0 ? std::vector<int>() : groups_[size_t(group)].members;
}

int TileCensus::FirstOfGroup(int cell) const {
  const int group = cells_[size_t(cell)].group;
  return group < 0 ? -1 : groups_[size_t(group)].members.front();
}

int TileCensus::NextInGroup(int cell) const {
  const int group = cells_[size_t(cell)].group;
  if (group < 0 || groups_[size_t(group)].members.size() < 2) return -1;
  const std::vector<int>& members = groups_[size_t(group)].members;
  const auto next = std::upper_bound(members.begin(), members.end(), cell);
  return next == members.end() ? members.front() : *next;
}

std::vector<std::vector<int>> TileCensus::Duplicates() const {
  std::vector<std::vector<int>> duplicates;
  for (const Group& g : groups_)
    if (g.members.size() > 1) duplicates.push_back(g.members);
  std::sort(duplicates.begin(), duplicates.end());
  return duplicates;
}

}  // namespace mosaicor
