#pragma once
// Tap lists in the form the grouped blend (GroupedBlend.h) reads: weights on groups of four
// neighbouring lines, each weight a signed byte, so that one dot-product instruction (or, on
// plain AVX2, one pair of multiplies) applies a group's four weights at once.

#include <cstdint>
#include <vector>

#include "resampling/TapList.h"

// Four lines' weights: lines 4 × Group .. 4 × Group + 3, in the byte order of their GroupBytes.
struct GroupEntry {
  uint32_t Group = 0;
  uint32_t Weights = 0;

  friend bool operator==(const GroupEntry&, const GroupEntry&) = default;
};

// How an entry's four bytes are laid out. Each holds a signed byte, and within each pair of bytes
// (0 and 1, 2 and 3) the positive ones add up to at most PairBudget and the negative ones to at
// least minus it. A dot product that sums in 32 bits needs no budget beyond the bytes' own range
// (256); AVX2's byte multiply adds a pair's two products into saturating 16 bits, which stay
// exact for pixels up to 255 with a budget of 128 (255 × 128 = 32640). With PairsTwoApart, bytes
// 0 .. 3 hold lines 0, 2, 1, 3 of the group, so that a pair never holds two neighbouring lines,
// which carry the largest weights side by side; otherwise they hold lines 0 .. 3.
struct GroupBytes {
  int PairBudget = 256;
  bool PairsTwoApart = false;
};
inline constexpr GroupBytes kDotProductBytes{256, false};
inline constexpr GroupBytes kPairSumBytes{128, true};

// Appends the entries of one output's taps [first, last), whose weights must fit in 16 bits, laid
// out by `bytes` (a budget of 1 .. 256). A weight outside a signed byte, a pair beyond the
// budget, or taps that fold onto one line take more than one entry on the same group, which
// leaves every weighted sum as it was.
void AppendGroups(const Tap* first, const Tap* last, std::vector<GroupEntry>& entries,
                  GroupBytes bytes = kDotProductBytes);
