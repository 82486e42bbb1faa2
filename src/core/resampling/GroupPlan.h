#pragma once
// Tap lists in the form the grouped blend (GroupedBlend.h) reads: weights on groups of four
// neighbouring lines, each weight a signed byte, so that one dot-product instruction applies a
// group's four weights at once.

#include <cstdint>
#include <vector>

#include "resampling/TapList.h"

// Four lines' weights: lines 4 × Group .. 4 × Group + 3, the first line's weight in the low byte.
struct GroupEntry {
  uint32_t Group = 0;
  uint32_t Weights = 0;

  friend bool operator==(const GroupEntry&, const GroupEntry&) = default;
};

// Appends the entries of one output's taps [first, last), whose weights must fit in 16 bits. A
// weight outside −128 .. 127, or taps that fold onto one line, take more than one entry on the
// same group, which leaves every weighted sum as it was.
void AppendGroups(const Tap* first, const Tap* last, std::vector<GroupEntry>& entries);
