#include "core/resampling/TapList.h"

#include <algorithm>
#include <cmath>

namespace mosaicor {

float AxisScale(int sourceLength, int targetLength) {
  if (sourceLength == 1 || targetLength == 1)
    return static_cast<float>(static_cast<double>(targetLength) / sourceLength);
  return static_cast<float>(static_cast<double>(targetLength - 1) / (sourceLength - 1));
}

int MirrorIndex(int position, int length) {
  const auto mirror = [length](int j) { return j < 0 ? -j : (j >= length ? 2 * length - 1 - j : j); };
  const int once = mirror(position);
  if (once >= 0 && once < length) return once;
  return std::clamp(mirror(once), 0, length - 1);
}

namespace {

// Weight in 1/256 of a filter value: the product is taken in double, where it is exact for
// single-precision factors, and rounded half to even, as the default rounding mode does.
int RoundWeight(double value) { return static_cast<int>(std::nearbyint(value * 256.0)); }

TapList BuildTapList(int position, int sourceLength, float scale, FilterFunction filter, float radius) {
  // The centre, the support and the filter argument are rounded to single precision, and the
  // differences between them are taken in double, where they are exact: every build then gives
  // the same weights.
  const bool reduction = scale < 1.0f;
  const float centre = static_cast<float>(position / static_cast<double>(scale));
  const float support = reduction ? static_cast<float>(radius / static_cast<double>(scale)) : radius;
  const int first = static_cast<int>(std::floor(static_cast<double>(centre) - support));
  const int last = static_cast<int>(std::ceil(static_cast<double>(centre) + support));
  TapList taps;
  for (int j = first; j <= last; ++j) {
    const double distance = static_cast<double>(centre) - j;
    const int weight = reduction
                           ? RoundWeight(static_cast<double>(filter(static_cast<float>(distance * scale))) * scale)
                           : RoundWeight(filter(static_cast<float>(distance)));
    if (weight != 0) taps.push_back({MirrorIndex(j, sourceLength), weight});
  }
  return taps;
}

}  // namespace

std::vector<TapList> BuildTapLists(int sourceLength, int targetLength, float scale, FilterFunction filter,
                                   float radius) {
  std::vector<TapList> lists;
  lists.reserve(static_cast<size_t>(std::max(targetLength, 0)));
  for (int i = 0; i < targetLength; ++i) lists.push_back(BuildTapList(i, sourceLength, scale, filter, radius));
  return lists;
}

}  // namespace mosaicor
