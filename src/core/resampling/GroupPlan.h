#pragma once
// Tap lists in the form the grouped blend (GroupedBlend.h) reads: weights on groups of four
// neighbouring lines, each weight a signed byte, so that one dot-product instruction (or, on
// plain AVX2, one pair of multiplies) applies a group's four weights at once.

#include <cstdint>
#include <vector>

#include "resampling/TapList.h"

// Four lines' weights: lines 4 × Group .. 4 × Group + 3, the first line's weight in the low byte.
struct GroupEntry {
  uint32_t Group = 0;
  uint32_t Weights = 0;

  friend bool operator==(const GroupEntry&, const GroupEntry&) = default;
};

// Entries hold signed bytes, and within each pair of neighbouring lines (the first two of the
// group, the last two) the positive bytes add up to at most a budget and the negative ones to at
// least minus it. A dot product that sums in 32 bits needs no budget beyond the bytes' own range
// (256); AVX2's byte multiply adds a pair's two products into saturating 16 bits, which stay
// exact for pixels up to 255 with a budget of 128 (255 × 128 = 32640).
inline constexpr int kWholeBytePairBudget = 256;
inline constexpr int kPairSumBudget = 128;

// Appends the entries of one output's taps [first, last), whose weights must fit in 16 bits,
// within `pairBudget` (1 .. 256). A weight outside a signed byte, a pair beyond the budget, or
// taps that fold onto one line take more than one entry on the same group, which leaves every
// weighted sum as it was.
void AppendGroups(const Tap* first, const Tap* last, std::vector<GroupEntry>& entries,
                  int pairBudget = kWholeBytePairBudget);
