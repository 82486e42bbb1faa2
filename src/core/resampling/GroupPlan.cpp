#include "resampling/GroupPlan.h"

#include <algorithm>

namespace {

// Appends the entries of one group whose four lines have the weights `weights` (consumed).
// Each entry takes what a signed byte holds of every line's remaining weight.
void AppendGroup(uint32_t group, int* weights, std::vector<GroupEntry>& entries) {
  while (weights[0] != 0 || weights[1] != 0 || weights[2] != 0 || weights[3] != 0) {
    uint32_t packed = 0;
    for (int t = 0; t < 4; ++t) {
      const int part = std::clamp(weights[t], -128, 127);
      weights[t] -= part;
      packed |= (static_cast<uint32_t>(part) & 0xFFu) << (8 * t);
    }
    entries.push_back({group, packed});
  }
}

// Lines whose weights an output gathers on the stack; wider spans (strong reductions) use the
// heap.
constexpr int kStackLines = 128;

// Any output: the weights of every line from the lowest group on added up, taps folded onto one
// line together, then split into entries group by group.
void AppendAnyOrder(const Tap* first, const Tap* last, std::vector<GroupEntry>& entries) {
  int lowest = first->Index, highest = first->Index;
  for (const Tap* t = first; t != last; ++t) {
    lowest = std::min(lowest, t->Index);
    highest = std::max(highest, t->Index);
  }
  const int base = lowest / 4 * 4;
  const size_t span = static_cast<size_t>(highest - base) / 4 * 4 + 4;
  int onStack[kStackLines];
  std::vector<int> onHeap;
  int* lineWeights = onStack;
  if (span > kStackLines) {
    onHeap.resize(span);
    lineWeights = onHeap.data();
  }
  std::fill(lineWeights, lineWeights + span, 0);
  for (const Tap* t = first; t != last; ++t) lineWeights[t->Index - base] += t->Weight;
  for (size_t g = 0; g < span; g += 4)
    AppendGroup(static_cast<uint32_t>((static_cast<size_t>(base) + g) / 4), lineWeights + g, entries);
}

// An output whose taps read lines in increasing order with weights of up to two bytes' worth
// (every output away from the borders): one entry per group touched, and a second for a group
// with a weight beyond a signed byte. False, with nothing appended, for any other output.
bool AppendIncreasing(const Tap* first, const Tap* last, std::vector<GroupEntry>& entries) {
  // The group being filled and its weights are kept in locals (not a struct written field by
  // field), so that appending them does not wait on narrower stores.
  int previous = -1;
  for (const Tap* t = first; t != last; ++t) {
    if (t->Index <= previous || t->Weight < -256 || t->Weight > 254) return false;
    previous = t->Index;
  }
  uint32_t group = static_cast<uint32_t>(first->Index) / 4, weights = 0, extra = 0;
  for (const Tap* t = first; t != last; ++t) {
    const uint32_t tapGroup = static_cast<uint32_t>(t->Index) / 4;
    if (tapGroup != group) {
      if (weights != 0) entries.push_back({group, weights});
      if (extra != 0) entries.push_back({group, extra});
      group = tapGroup;
      weights = extra = 0;
    }
    const int part = std::clamp(t->Weight, -128, 127);
    const int shift = 8 * (t->Index % 4);
    weights |= (static_cast<uint32_t>(part) & 0xFFu) << shift;
    extra |= (static_cast<uint32_t>(t->Weight - part) & 0xFFu) << shift;
  }
  if (weights != 0) entries.push_back({group, weights});
  if (extra != 0) entries.push_back({group, extra});
  return true;
}

}  // namespace

void AppendGroups(const Tap* first, const Tap* last, std::vector<GroupEntry>& entries) {
  if (first == last) return;
  if (!AppendIncreasing(first, last, entries)) AppendAnyOrder(first, last, entries);
}
