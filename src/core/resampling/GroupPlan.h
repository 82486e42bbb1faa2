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

// Entry bytes lie in −limit .. limit − 1. A dot product that sums in 32 bits takes whole signed
// bytes; AVX2's byte multiply adds neighbouring products into saturating 16 bits, which stay
// exact for pixels up to 255 only with bytes in −64 .. 63 (2 × 255 × 64 = 32640).
inline constexpr int kWholeByteLimit = 128;
inline constexpr int kPairSumByteLimit = 64;

// Appends the entries of one output's taps [first, last), whose weights must fit in 16 bits, with
// bytes in −byteLimit .. byteLimit − 1 (byteLimit from 2 to 128). A weight outside that range,
// or taps that fold onto one line, take more than one entry on the same group, which leaves
// every weighted sum as it was.
void AppendGroups(const Tap* first, const Tap* last, std::vector<GroupEntry>& entries, int byteLimit = kWholeByteLimit);
