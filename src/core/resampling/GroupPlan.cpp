#include "resampling/GroupPlan.h"

#include <algorithm>

namespace {

// Appends the entries of one group whose four lines have the weights `weights` (consumed).
// Each entry takes what its byte range holds of every line's remaining weight.
void AppendGroup(uint32_t group, int* weights, int byteLimit, std::vector<GroupEntry>& entries) {
  while (weights[0] != 0 || weights[1] != 0 || weights[2] != 0 || weights[3] != 0) {
    uint32_t packed = 0;
    for (int t = 0; t < 4; ++t) {
      const int part = std::clamp(weights[t], -byteLimit, byteLimit - 1);
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
void AppendAnyOrder(const Tap* first, const Tap* last, int byteLimit, std::vector<GroupEntry>& entries) {
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
    AppendGroup(static_cast<uint32_t>((static_cast<size_t>(base) + g) / 4), lineWeights + g, byteLimit, entries);
}

// Entries an output in increasing order may take on one group: enough for every Mitchell weight
// (at most 228) in bytes of −64 .. 63.
constexpr int kLayers = 4;

// An output whose taps read lines in increasing order with weights that kLayers bytes hold
// (every output away from the borders): one entry per group touched, and more for a group with
// a weight beyond one byte. False, with nothing appended, for any other output.
bool AppendIncreasing(const Tap* first, const Tap* last, int byteLimit, std::vector<GroupEntry>& entries) {
  // The group being filled and its weights are kept in locals (not a struct written field by
  // field), so that appending them does not wait on narrower stores.
  const int low = -byteLimit, high = byteLimit - 1;
  int previous = -1;
  for (const Tap* t = first; t != last; ++t) {
    if (t->Index <= previous || t->Weight < kLayers * low || t->Weight > kLayers * high) return false;
    previous = t->Index;
  }
  uint32_t group = static_cast<uint32_t>(first->Index) / 4;
  uint32_t layers[kLayers] = {};
  const auto flush = [&] {
    for (uint32_t& layer : layers) {
      if (layer != 0) entries.push_back({group, layer});
      layer = 0;
    }
  };
  for (const Tap* t = first; t != last; ++t) {
    const uint32_t tapGroup = static_cast<uint32_t>(t->Index) / 4;
    if (tapGroup != group) {
      flush();
      group = tapGroup;
    }
    const int shift = 8 * (t->Index % 4);
    int rest = t->Weight;
    for (uint32_t& layer : layers) {
      const int part = std::clamp(rest, low, high);
      layer |= (static_cast<uint32_t>(part) & 0xFFu) << shift;
      rest -= part;
    }
  }
  flush();
  return true;
}

}  // namespace

void AppendGroups(const Tap* first, const Tap* last, std::vector<GroupEntry>& entries, int byteLimit) {
  if (first == last) return;
  byteLimit = std::clamp(byteLimit, 2, kWholeByteLimit);  // a narrower range could never use up a weight
  if (!AppendIncreasing(first, last, byteLimit, entries)) AppendAnyOrder(first, last, byteLimit, entries);
}
