#include "core/packing/CellGroups.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <unordered_map>

#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

constexpr int kSide = kSetCellSide;
constexpr int kBlocksPerSide = 4;
constexpr int kBlockSide = kSide / kBlocksPerSide;
constexpr int kBlocks = kBlocksPerSide * kBlocksPerSide;
constexpr int kBlockPixels = kBlockSide * kBlockSide;
constexpr int kCellPixels = kSide * kSide;

// The sums of red, green and blue over each 16 x 16 block of a cell, and over the whole cell.
// Turning a cell only moves its blocks about, so a turned copy has the same sums in other places.
struct Signature {
  std::array<std::array<int32_t, kBlocks>, 3> blocks{};
  std::array<int32_t, 3> whole{};
  // The block sums sorted within the corner, the edge and the middle blocks: the eight transforms
  // keep each of these rings to itself, so this is the same for every turned copy.
  std::array<std::array<int32_t, kBlocks>, 3> rings{};
  bool empty = true;
};

// Block numbers (row by row) of the corner, edge and middle rings.
constexpr std::array<uint8_t, kBlocks> kRingBlocks = {0, 3, 12, 15, 1, 2, 4, 7, 8, 11, 13, 14, 5, 6, 9, 10};

// For each transform: which block of a cell lands on block k of its transformed copy.
using BlockOrder = std::array<uint8_t, kBlocks>;

struct Transforms {
  std::array<BlockOrder, 8> blockOrder{};
  std::array<CellWalk, 8> walk{};
  explicit Transforms(long stride) {
    for (CellTransform t : kCellTransforms) {
      const auto i = static_cast<size_t>(t);
      const CellTransform back = Inverse(t);
      for (int v = 0; v < kBlocksPerSide; ++v)
        for (int u = 0; u < kBlocksPerSide; ++u) {
          const CellPoint from = Apply(back, {u, v}, kBlocksPerSide);
          blockOrder[i][size_t(v * kBlocksPerSide + u)] = uint8_t(from.y * kBlocksPerSide + from.x);
        }
      walk[i] = WalkOf(t, kSide, stride);
    }
  }
};

const QRgb* CellPixels(const QImage& set, int columns, int cell) {
  const auto* pixels = reinterpret_cast<const QRgb*>(set.constBits());
  const long stride = set.bytesPerLine() / 4;
  return pixels + long(cell / columns) * kSide * stride + long(cell % columns) * kSide;
}

bool Near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Cell `a` against the copy of cell `b` that `walk` reads, row by row; a row that differs ends it.
bool Matches(const QRgb* a, const QRgb* b, long stride, const CellWalk& walk, int tolerance) {
  for (int v = 0; v < kSide; ++v) {
    const QRgb* rowA = a + v * stride;
    const QRgb* rowB = b + walk.origin + v * walk.stepV;
    bool same = true;
    if (tolerance == 0) {
      QRgb differs = 0;
      for (int u = 0; u < kSide; ++u) differs |= rowA[u] ^ rowB[u * walk.stepU];
      same = (differs & 0xFFFFFFu) == 0;
    } else {
      for (int u = 0; u < kSide; ++u) same &= Near(rowA[u], rowB[u * walk.stepU], tolerance);
    }
    if (!same) return false;
  }
  return true;
}

// The signatures of every cell: a band of cells at a time, row by row across it, so that the
// pixels are read in memory order.
std::vector<Signature> Signatures(const QImage& set, int columns, int rows, QRgb fill) {
  std::vector<Signature> signatures(size_t(columns) * rows);
  const QRgb key = fill & 0xFFFFFFu;
  for (int row = 0; row < rows; ++row) {
    std::vector<QRgb> differs(size_t(columns), 0);
    for (int y = 0; y < kSide; ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(set.constScanLine(row * kSide + y));
      const int blockRow = y / kBlockSide * kBlocksPerSide;
      for (int column = 0; column < columns; ++column) {
        Signature& s = signatures[size_t(row * columns + column)];
        const QRgb* p = line + column * kSide;
        QRgb d = 0;
        for (int b = 0; b < kBlocksPerSide; ++b, p += kBlockSide) {
          int32_t red = 0, green = 0, blue = 0;
          for (int x = 0; x < kBlockSide; ++x) {
            red += qRed(p[x]), green += qGreen(p[x]), blue += qBlue(p[x]);
            d |= p[x] ^ key;
          }
          s.blocks[0][size_t(blockRow + b)] += red;
          s.blocks[1][size_t(blockRow + b)] += green;
          s.blocks[2][size_t(blockRow + b)] += blue;
        }
        differs[size_t(column)] |= d;
      }
    }
    for (int column = 0; column < columns; ++column) {
      Signature& s = signatures[size_t(row * columns + column)];
      s.empty = (differs[size_t(column)] & 0xFFFFFFu) == 0;
      for (size_t c = 0; c < 3; ++c) {
        for (int32_t sum : s.blocks[c]) s.whole[c] += sum;
        for (size_t k = 0; k < size_t(kBlocks); ++k) s.rings[c][k] = s.blocks[c][kRingBlocks[k]];
        auto* ring = s.rings[c].data();
        std::sort(ring, ring + 4), std::sort(ring + 4, ring + 12), std::sort(ring + 12, ring + 16);
      }
    }
  }
  return signatures;
}

// Where the blocks of two cells can be paired within the limit, the sorted rings are paired so too.
bool RingsClose(const Signature& a, const Signature& b, int32_t limit) {
  for (size_t c = 0; c < 3; ++c)
    for (size_t k = 0; k < size_t(kBlocks); ++k)
      if (std::abs(a.rings[c][k] - b.rings[c][k]) > limit) return false;
  return true;
}

bool BlocksClose(const Signature& a, const Signature& b, const BlockOrder& order, int32_t limit) {
  for (size_t c = 0; c < 3; ++c)
    for (size_t k = 0; k < size_t(kBlocks); ++k)
      if (std::abs(a.blocks[c][k] - b.blocks[c][order[k]]) > limit) return false;
  return true;
}

}  // namespace

bool CellsMatch(const QImage& set, int columns, int a, int b, CellTransform transform, int tolerance) {
  const long stride = set.bytesPerLine() / 4;
  return Matches(CellPixels(set, columns, a), CellPixels(set, columns, b), stride, WalkOf(transform, kSide, stride),
                 tolerance);
}

CellGrouping GroupCells(const QImage& set, QRgb fill, CensusMode mode, const std::vector<int>* classes) {
  const int columns = set.width() / kSide, rows = set.height() / kSide;
  const long stride = set.bytesPerLine() / 4;
  const int tolerance = std::clamp(mode.tolerance, 0, kMostTolerance);
  const std::vector<Signature> signatures = Signatures(set, columns, rows, fill);
  const Transforms transforms(stride);
  const std::span<const CellTransform> all(kCellTransforms);
  const std::span<const CellTransform> tried = mode.symmetric ? all : all.first(1);

  // A match within the tolerance moves a cell's mean colour by at most the tolerance, so with
  // buckets that wide a cell's first cell lies in its own bucket or a neighbouring one.
  const int64_t bucketWidth = int64_t(std::max(tolerance, 1)) * kCellPixels;
  const auto bucketOf = [&](const Signature& s, int dr, int dg, int db) {
    return uint32_t((s.whole[0] / bucketWidth + 1 + dr) | (s.whole[1] / bucketWidth + 1 + dg) << 9 |
                    (s.whole[2] / bucketWidth + 1 + db) << 18);
  };
  std::unordered_map<uint32_t, std::vector<int>> firstCells;

  CellGrouping grouping;
  // The first of the tried transforms that turns `cell` into `first`.
  constexpr auto kNoMatch = static_cast<CellTransform>(0xFF);
  const auto firstMatch = [&](int first, int cell) {
    const Signature& f = signatures[size_t(first)];
    const Signature& s = signatures[size_t(cell)];
    if (mode.symmetric && !RingsClose(f, s, tolerance * kBlockPixels)) return kNoMatch;
    for (CellTransform t : tried) {
      const auto ti = static_cast<size_t>(t);
      ++grouping.signatureChecks;
      if (!BlocksClose(f, s, transforms.blockOrder[ti], tolerance * kBlockPixels)) continue;
      ++grouping.pixelComparisons;
      if (Matches(CellPixels(set, columns, first), CellPixels(set, columns, cell), stride, transforms.walk[ti],
                  tolerance))
        return t;
    }
    return kNoMatch;
  };
  grouping.first.assign(signatures.size(), -1);
  grouping.transform.assign(signatures.size(), CellTransform::None);
  for (int cell = 0; cell < int(signatures.size()); ++cell) {
    const Signature& s = signatures[size_t(cell)];
    if (s.empty || (classes && (*classes)[size_t(cell)] < 0)) continue;
    // The first cell that matches wins, whichever bucket it is found in: each bucket lists its
    // first cells in reading order, so a bucket is left at the first match or at a cell after it.
    int joined = cell;
    CellTransform how = CellTransform::None;
    for (int dr = -1; dr <= 1; ++dr)
      for (int dg = -1; dg <= 1; ++dg)
        for (int db = -1; db <= 1; ++db) {
          const auto found = firstCells.find(bucketOf(s, dr, dg, db));
          if (found == firstCells.end()) continue;
          for (const int first : found->second) {
            if (first >= joined) break;
            if (classes && (*classes)[size_t(first)] != (*classes)[size_t(cell)]) continue;
            const CellTransform t = firstMatch(first, cell);
            if (t != kNoMatch) {
              joined = first, how = t;
              break;
            }
          }
        }
    grouping.first[size_t(cell)] = joined;
    grouping.transform[size_t(cell)] = how;
    if (joined == cell) firstCells[bucketOf(s, 0, 0, 0)].push_back(cell);
  }
  return grouping;
}

}  // namespace mosaicor
