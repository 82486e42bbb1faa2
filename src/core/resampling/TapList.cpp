#include "resampling/TapList.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Weight in 1/256 of a filter value, the product evaluated in double (exact for single-precision
// factors) and rounded half to even, as the default rounding mode does. This runs for every
// candidate tap of every call, so on x86 it is one conversion instruction instead of a call.
int RoundWeight(double product) {
  const double scaled = product * 256.0;
#if defined(__SSE2__)
  if (std::fabs(scaled) < 1e9) return _mm_cvtsd_si32(_mm_set_sd(scaled));
#endif
  return static_cast<int>(std::nearbyint(scaled));
}

}  // namespace

TapList BuildTapList(int position, int sourceLength, float scale, FilterFunction filter, float radius) {
  TapList taps;
  BuildTapListInto(taps, position, sourceLength, scale, filter, radius);
  return taps;
}

namespace {

template <typename Filter>
void BuildTaps(TapList& taps, int position, int sourceLength, float scale, Filter filter, float radius) {
  // The centre, the support and the filter argument are single precision, so that every build
  // gives the same weights; the sums between them are taken in double.
  const float centre = static_cast<float>(position / static_cast<double>(scale));
  const bool reduction = scale < 1.0f;
  const float support = reduction ? static_cast<float>(radius / static_cast<double>(scale)) : radius;
  const int first = static_cast<int>(std::floor(static_cast<double>(centre) - support));
  const int last = static_cast<int>(std::ceil(static_cast<double>(centre) + support));

  // Every candidate is written and only the non-zero ones are kept, without a branch that
  // mispredicts at every edge of the support.
  taps.resize(static_cast<size_t>(last - first + 1));
  size_t kept = 0;
  for (int j = first; j <= last; ++j) {
    const double distance = static_cast<double>(centre) - j;
    int weight;
    if (reduction) {
      const float argument = static_cast<float>(distance * scale);
      weight = RoundWeight(static_cast<double>(filter(argument)) * scale);
    } else {
      weight = RoundWeight(filter(static_cast<float>(distance)));
    }
    taps[kept] = {MirrorIndex(j, sourceLength), weight};
    kept += weight != 0;
  }
  taps.resize(kept);
}

}  // namespace

void BuildTapListInto(TapList& taps, int position, int sourceLength, float scale, FilterFunction filter, float radius) {
  // The tile resampler's own filter is inlined: this runs for every candidate tap of every call.
  if (filter == &MitchellKernel) {
    BuildTaps(
        taps, position, sourceLength, scale, [](float t) { return MitchellKernel(t); }, radius);
  } else {
    BuildTaps(taps, position, sourceLength, scale, filter, radius);
  }
}

std::vector<TapList> BuildTapLists(int sourceLength, int targetLength, float scale, FilterFunction filter,
                                   float radius) {
  std::vector<TapList> lists;
  lists.reserve(static_cast<size_t>(std::max(targetLength, 0)));
  for (int i = 0; i < targetLength; ++i) lists.push_back(BuildTapList(i, sourceLength, scale, filter, radius));
  return lists;
}
