#include "resampling/TapList.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define MOSAICOR_X86_TAPS 1
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

// Candidates whose weights are worked out on the stack; wider supports (strong reductions) use
// the heap.
constexpr int kStackCandidates = 64;

// The source index a candidate position reads: most positions are inside the picture.
inline int FoldIndex(int j, int sourceLength) {
  return static_cast<unsigned>(j) < static_cast<unsigned>(sourceLength) ? j : MirrorIndex(j, sourceLength);
}

// Appends the candidates first .. first + count − 1 whose weight is not 0. Every candidate is
// written and only the non-zero ones are kept, without a branch that mispredicts at every edge
// of the support.
void KeepNonZero(TapList& taps, int first, int count, const int* weights, int sourceLength) {
  const size_t start = taps.size();
  taps.resize(start + static_cast<size_t>(count));
  size_t kept = start;
  for (int n = 0; n < count; ++n) {
    taps[kept] = {FoldIndex(first + n, sourceLength), weights[n]};
    kept += weights[n] != 0;
  }
  taps.resize(kept);
}

template <typename Filter>
void FilterWeights(double centre, int first, int count, bool reduction, float scale, Filter filter, int* weights) {
  for (int n = 0; n < count; ++n) {
    const double distance = centre - (first + n);
    if (reduction) {
      const float argument = static_cast<float>(distance * scale);
      weights[n] = RoundWeight(static_cast<double>(filter(argument)) * scale);
    } else {
      weights[n] = RoundWeight(filter(static_cast<float>(distance)));
    }
  }
}

#if defined(MOSAICOR_X86_TAPS)

// MitchellKernel and RoundWeight for four candidates at once, with the same operations in the
// same order and the same roundings (the conversions round to nearest even as the scalar ones
// do). FMA is deliberately not enabled here: contracting −7/3 · cube + 12x² would change the
// rounding. `weights` has room for `count` rounded up to 4.
__attribute__((target("avx2"))) void MitchellWeightsAvx2(double centre, int first, int count, bool reduction,
                                                         float scale, int* weights) {
  const __m256d scaleD = _mm256_set1_pd(scale);
  const __m128 absMask = _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF));
  __m256d j = _mm256_add_pd(_mm256_set1_pd(first), _mm256_set_pd(3.0, 2.0, 1.0, 0.0));
  for (int n = 0; n < count; n += 4, j = _mm256_add_pd(j, _mm256_set1_pd(4.0))) {
    const __m256d distance = _mm256_sub_pd(_mm256_set1_pd(centre), j);
    const __m128 argument = _mm256_cvtpd_ps(reduction ? _mm256_mul_pd(distance, scaleD) : distance);
    const __m128 x = _mm_and_ps(argument, absMask);
    const __m256d xd = _mm256_cvtps_pd(x);
    const __m256d x2 = _mm256_cvtps_pd(_mm256_cvtpd_ps(_mm256_mul_pd(xd, xd)));
    const __m256d cube = _mm256_mul_pd(x2, xd);
    const __m256d twelveX2 = _mm256_mul_pd(_mm256_set1_pd(12.0), x2);
    const __m128 inner = _mm256_cvtpd_ps(
        _mm256_add_pd(_mm256_sub_pd(_mm256_mul_pd(_mm256_set1_pd(7.0), cube), twelveX2), _mm256_set1_pd(16.0 / 3.0)));
    const __m128 outer = _mm256_cvtpd_ps(
        _mm256_add_pd(_mm256_sub_pd(_mm256_add_pd(_mm256_mul_pd(_mm256_set1_pd(-7.0 / 3.0), cube), twelveX2),
                                    _mm256_mul_pd(_mm256_set1_pd(20.0), xd)),
                      _mm256_set1_pd(32.0 / 3.0)));
    const __m128 withinTwo = _mm_and_ps(outer, _mm_cmplt_ps(x, _mm_set1_ps(2.0f)));
    const __m128 bracket = _mm_blendv_ps(withinTwo, inner, _mm_cmplt_ps(x, _mm_set1_ps(1.0f)));
    const __m256d value = _mm256_cvtps_pd(_mm_div_ps(bracket, _mm_set1_ps(6.0f)));
    const __m256d product = reduction ? _mm256_mul_pd(value, scaleD) : value;
    const __m128i rounded = _mm256_cvtpd_epi32(_mm256_mul_pd(product, _mm256_set1_pd(256.0)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(weights + n), rounded);
  }
}

#endif

// The candidate source positions of one output: first .. first + count − 1 around `centre`.
struct Candidates {
  float Centre = 0;
  int First = 0, Count = 0;
};

Candidates CandidatesOf(int position, float scale, float radius) {
  // The centre, the support and the filter argument are single precision, so that every build
  // gives the same weights; the sums between them are taken in double.
  const float centre = static_cast<float>(position / static_cast<double>(scale));
  const float support = scale < 1.0f ? static_cast<float>(radius / static_cast<double>(scale)) : radius;
  const int first = static_cast<int>(std::floor(static_cast<double>(centre) - support));
  const int last = static_cast<int>(std::ceil(static_cast<double>(centre) + support));
  return {centre, first, last - first + 1};
}

template <typename Filter>
void BuildTaps(TapList& taps, int position, int sourceLength, float scale, Filter filter, float radius, bool mitchell) {
  const Candidates c = CandidatesOf(position, scale, radius);
  const bool reduction = scale < 1.0f;
  int onStack[kStackCandidates];
  std::vector<int> onHeap;
  int* weights = onStack;
  if (c.Count + 3 > kStackCandidates) {
    onHeap.resize(static_cast<size_t>(c.Count) + 3);
    weights = onHeap.data();
  }
#if defined(MOSAICOR_X86_TAPS)
  if (mitchell && __builtin_cpu_supports("avx2")) {
    MitchellWeightsAvx2(c.Centre, c.First, c.Count, reduction, scale, weights);
  } else {
    FilterWeights(c.Centre, c.First, c.Count, reduction, scale, filter, weights);
  }
#else
  (void)mitchell;
  FilterWeights(c.Centre, c.First, c.Count, reduction, scale, filter, weights);
#endif
  taps.clear();
  KeepNonZero(taps, c.First, c.Count, weights, sourceLength);
}

}  // namespace

void BuildTapListInto(TapList& taps, int position, int sourceLength, float scale, FilterFunction filter, float radius) {
  // The tile resampler's own filter is inlined: this runs for every candidate tap of every call.
  if (filter == &MitchellKernel) {
    BuildTaps(
        taps, position, sourceLength, scale, [](float t) { return MitchellKernel(t); }, radius, true);
  } else {
    BuildTaps(taps, position, sourceLength, scale, filter, radius, false);
  }
}

void BuildTapListsInto(TapList& taps, int* ends, int firstPosition, int count, int sourceLength, float scale,
                       FilterFunction filter, float radius) {
  taps.clear();
#if defined(MOSAICOR_X86_TAPS)
  if (filter == &MitchellKernel && count <= kTapListBatch && __builtin_cpu_supports("avx2")) {
    // Every output's weights first, then every list: the filter's chains of dependent roundings
    // for one output then overlap with the next output's instead of waiting on its list.
    Candidates candidates[kTapListBatch];
    size_t at[kTapListBatch + 1] = {0};
    for (int k = 0; k < count; ++k) {
      candidates[k] = CandidatesOf(firstPosition + k, scale, radius);
      at[k + 1] = at[k] + static_cast<size_t>(candidates[k].Count + 3) / 4 * 4;  // written four at a time
    }
    int onStack[kTapListBatch * 16];
    std::vector<int> onHeap;
    int* weights = onStack;
    if (at[count] > std::size(onStack)) {
      onHeap.resize(at[count]);
      weights = onHeap.data();
    }
    for (int k = 0; k < count; ++k)
      MitchellWeightsAvx2(candidates[k].Centre, candidates[k].First, candidates[k].Count, scale < 1.0f, scale,
                          weights + at[k]);
    for (int k = 0; k < count; ++k) {
      KeepNonZero(taps, candidates[k].First, candidates[k].Count, weights + at[k], sourceLength);
      ends[k] = static_cast<int>(taps.size());
    }
    return;
  }
#endif
  TapList one;
  for (int k = 0; k < count; ++k) {
    BuildTapListInto(one, firstPosition + k, sourceLength, scale, filter, radius);
    taps.insert(taps.end(), one.begin(), one.end());
    ends[k] = static_cast<int>(taps.size());
  }
}

std::vector<TapList> BuildTapLists(int sourceLength, int targetLength, float scale, FilterFunction filter,
                                   float radius) {
  std::vector<TapList> lists;
  lists.reserve(static_cast<size_t>(std::max(targetLength, 0)));
  for (int i = 0; i < targetLength; ++i) lists.push_back(BuildTapList(i, sourceLength, scale, filter, radius));
  return lists;
}
