#include "resampling/GroupPlan.h"

#include <algorithm>
#include <utility>

namespace {

// Appends the entries of one group whose four lines have the weights `weights` (consumed). Each
// entry takes what a signed byte and what is left of its pair's budget hold of every line's
// remaining weight, the first byte of a pair first. Bounds rather than branches: whether a
// group takes one entry or several is hard to predict.
void AppendGroup(uint32_t group, int* weights, GroupBytes bytes, std::vector<GroupEntry>& entries) {
  if (bytes.PairsTwoApart) std::swap(weights[1], weights[2]);
  const int budget = bytes.PairBudget;
  const int high = std::min(127, budget), low = std::max(-128, -budget);
  while (weights[0] != 0 || weights[1] != 0 || weights[2] != 0 || weights[3] != 0) {
    uint32_t packed = 0;
    for (int t = 0; t < 4; t += 2) {
      const int first = std::clamp(weights[t], low, high);
      const int second = std::clamp(weights[t + 1], std::max(low, -budget - std::min(first, 0)),
                                    std::min(high, budget - std::max(first, 0)));
      weights[t] -= first;
      weights[t + 1] -= second;
      packed |= ((static_cast<uint32_t>(first) & 0xFFu) | (static_cast<uint32_t>(second) & 0xFFu) << 8) << (8 * t);
    }
    entries.push_back({group, packed});
  }
}

// Lines whose weights an output gathers on the stack; wider spans (strong reductions) use the
// heap.
constexpr int kStackLines = 128;

// Any output: the weights of every line from the lowest group on added up, taps folded onto one
// line together, then split into entries group by group.
void AppendAnyOrder(const Tap* first, const Tap* last, GroupBytes bytes, std::vector<GroupEntry>& entries) {
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
    AppendGroup(static_cast<uint32_t>((static_cast<size_t>(base) + g) / 4), lineWeights + g, bytes, entries);
}

// An output whose taps read lines in increasing order (every output away from the borders): the
// weights of each group touched gathered in locals, then split. False, with nothing appended, for
// any other output.
bool AppendIncreasing(const Tap* first, const Tap* last, GroupBytes bytes, std::vector<GroupEntry>& entries) {
  int previous = -1;
  for (const Tap* t = first; t != last; ++t) {
    if (t->Index <= previous) return false;
    previous = t->Index;
  }
  uint32_t group = static_cast<uint32_t>(first->Index) / 4;
  int weights[4] = {};
  for (const Tap* t = first; t != last; ++t) {
    const uint32_t tapGroup = static_cast<uint32_t>(t->Index) / 4;
    if (tapGroup != group) {
      AppendGroup(group, weights, bytes, entries);
      group = tapGroup;
    }
    weights[t->Index % 4] = t->Weight;
  }
  AppendGroup(group, weights, bytes, entries);
  return true;
}

}  // namespace

void AppendGroups(const Tap* first, const Tap* last, std::vector<GroupEntry>& entries, GroupBytes bytes) {
  if (first == last) return;
  bytes.PairBudget = std::clamp(bytes.PairBudget, 1, 256);  // at least 1, so that every entry uses up weight
  if (!AppendIncreasing(first, last, bytes, entries)) AppendAnyOrder(first, last, bytes, entries);
}
