#include "resampling/LineBlend.h"

#include <algorithm>
#include <cmath>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define MOSAICOR_X86_KERNELS 1
#include "resampling/SimdDivide.h"
#endif

namespace {

using Pair = BlendPlan::TapPair;

// Totals the reciprocal path takes: 255 × total and every product stay exact in 32 bits.
constexpr int kMaxFastTotal = 4096;

inline uint8_t FinishBlend(int32_t sum, int32_t total) {
  int32_t value;
  if (total != 0) {
    value = sum / total;
  } else {
    value = static_cast<int32_t>(static_cast<uint32_t>(sum) >> 8);
  }
  return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

void BlendScalar(const Pair* first, const Pair* last, int total, const uint8_t* lines, int bytes, uint8_t* out) {
  for (int e = 0; e < bytes; ++e) {
    int32_t sum = 0;
    for (const Pair* p = first; p != last; ++p)
      sum += p->WeightA * lines[p->OffsetA + e] + p->WeightB * lines[p->OffsetB + e];
    out[e] = FinishBlend(sum, total);
  }
}

#if defined(MOSAICOR_X86_KERNELS)

// The SIMD kernels take each pair of taps at once: the bytes of the two lines interleaved and
// widened to 16 bits meet the packed weight pair in one multiply-add (a·wa + b·wb per 32-bit
// lane). The sums are then divided as SimdDivide.h describes (the SSE2 form below is the same
// operation without the 32-bit minimum and maximum).

inline __m128i DivideSse2(__m128i s, __m128i reciprocal, __m128i limit) {
  s = _mm_and_si128(s, _mm_cmpgt_epi32(s, _mm_setzero_si128()));
  const __m128i over = _mm_cmpgt_epi32(s, limit);
  s = _mm_or_si128(_mm_andnot_si128(over, s), _mm_and_si128(over, limit));
  const __m128i even = _mm_mul_epu32(s, reciprocal);
  const __m128i odd = _mm_mul_epu32(_mm_srli_epi64(s, 32), reciprocal);
  return _mm_or_si128(_mm_srli_epi64(even, 32), _mm_and_si128(odd, _mm_set_epi32(-1, 0, -1, 0)));
}

__attribute__((target("sse2"))) void BlendSse2(const Pair* first, const Pair* last, int total, uint32_t reciprocal,
                                               const uint8_t* lines, int bytes, uint8_t* out) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i divisor = _mm_set1_epi32(static_cast<int>(reciprocal));
  const __m128i limit = _mm_set1_epi32(255 * total);
  for (int e = 0; e < bytes; e += 16) {
    __m128i acc0 = zero, acc1 = zero, acc2 = zero, acc3 = zero;
    for (const Pair* p = first; p != last; ++p) {
      const __m128i weights = _mm_set1_epi32(static_cast<int>(p->PackedWeights));
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lines + p->OffsetA + e));
      const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lines + p->OffsetB + e));
      const __m128i low = _mm_unpacklo_epi8(a, b), high = _mm_unpackhi_epi8(a, b);
      acc0 = _mm_add_epi32(acc0, _mm_madd_epi16(_mm_unpacklo_epi8(low, zero), weights));
      acc1 = _mm_add_epi32(acc1, _mm_madd_epi16(_mm_unpackhi_epi8(low, zero), weights));
      acc2 = _mm_add_epi32(acc2, _mm_madd_epi16(_mm_unpacklo_epi8(high, zero), weights));
      acc3 = _mm_add_epi32(acc3, _mm_madd_epi16(_mm_unpackhi_epi8(high, zero), weights));
    }
    const __m128i words0 = _mm_packs_epi32(DivideSse2(acc0, divisor, limit), DivideSse2(acc1, divisor, limit));
    const __m128i words1 = _mm_packs_epi32(DivideSse2(acc2, divisor, limit), DivideSse2(acc3, divisor, limit));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + e), _mm_packus_epi16(words0, words1));
  }
}

// Unpacking and packing stay within 128-bit halves, so bytes come back where they were.

__attribute__((target("avx2"))) void BlendAvx2(const Pair* first, const Pair* last, int total, uint32_t reciprocal,
                                               const uint8_t* lines, int bytes, uint8_t* out) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i divisor = _mm256_set1_epi32(static_cast<int>(reciprocal));
  const __m256i limit = _mm256_set1_epi32(255 * total);
  for (int e = 0; e < bytes; e += 32) {
    __m256i acc0 = zero, acc1 = zero, acc2 = zero, acc3 = zero;
    for (const Pair* p = first; p != last; ++p) {
      const __m256i weights = _mm256_set1_epi32(static_cast<int>(p->PackedWeights));
      const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lines + p->OffsetA + e));
      const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lines + p->OffsetB + e));
      const __m256i low = _mm256_unpacklo_epi8(a, b), high = _mm256_unpackhi_epi8(a, b);
      acc0 = _mm256_add_epi32(acc0, _mm256_madd_epi16(_mm256_unpacklo_epi8(low, zero), weights));
      acc1 = _mm256_add_epi32(acc1, _mm256_madd_epi16(_mm256_unpackhi_epi8(low, zero), weights));
      acc2 = _mm256_add_epi32(acc2, _mm256_madd_epi16(_mm256_unpacklo_epi8(high, zero), weights));
      acc3 = _mm256_add_epi32(acc3, _mm256_madd_epi16(_mm256_unpackhi_epi8(high, zero), weights));
    }
    const __m256i words0 = _mm256_packs_epi32(DivideAvx2(acc0, divisor, limit), DivideAvx2(acc1, divisor, limit));
    const __m256i words1 = _mm256_packs_epi32(DivideAvx2(acc2, divisor, limit), DivideAvx2(acc3, divisor, limit));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + e), _mm256_packus_epi16(words0, words1));
  }
}

#endif

// Appends one output's taps to `plan` in pairs, with their total and its reciprocal.
void AppendTapList(const Tap* first, const Tap* last, size_t lineStride, BlendForm form, BlendPlan& plan) {
  int total = 0;
  bool narrow = true;
  for (const Tap* t = first; t != last; ++t) {
    total += t->Weight;
    narrow = narrow && t->Weight >= INT16_MIN && t->Weight <= INT16_MAX;
  }
  plan.Narrow = plan.Narrow && narrow;
  if (form != BlendForm::Pairs) {
    // A plan with a wide weight is not blended in groups.
    if (narrow) AppendGroups(first, last, plan.Groups, form == BlendForm::Groups ? kDotProductBytes : kPairSumBytes);
    plan.GroupBegin.push_back(static_cast<int>(plan.Groups.size()));
  } else {
    for (const Tap* t = first; t < last; t += 2) {
      const Tap& a = t[0];
      const Tap& b = t + 1 < last ? t[1] : Tap{a.Index, 0};
      plan.Pairs.push_back({a.Index * lineStride, b.Index * lineStride, a.Index, b.Index, a.Weight, b.Weight,
                            (static_cast<uint32_t>(b.Weight) << 16) | (static_cast<uint32_t>(a.Weight) & 0xFFFFu)});
    }
  }
  // Neighbouring outputs mostly share their total, and the reciprocal is a 64-bit division.
  uint32_t reciprocal = 0;
  if (!plan.Total.empty() && plan.Total.back() == total) {
    reciprocal = plan.Reciprocal.back();
  } else if (total >= 2 && total <= kMaxFastTotal) {
    reciprocal = static_cast<uint32_t>(((uint64_t{1} << 32) + total - 1) / total);
  }
  plan.Total.push_back(total);
  plan.Reciprocal.push_back(reciprocal);
  plan.Begin.push_back(static_cast<int>(plan.Pairs.size()));
}

// The lists of an axis at scale 1: the taps of the middle output shifted to each output and
// folded at the borders. In group form, an output whose taps and those of the output four
// before it are all inside the axis has that output's entries one group further on.
void AppendShiftedLists(const TapList& middleList, int middle, int reach, int sourceLength, int targetLength,
                        size_t lineStride, BlendForm form, BlendPlan& plan) {
  const auto inside = [&](int output) { return output - reach >= 0 && output + reach < sourceLength; };
  TapList taps;
  for (int i = 0; i < targetLength; ++i) {
    if (form != BlendForm::Pairs && i >= 4 && inside(i) && inside(i - 4)) {
      for (int e = plan.GroupBegin[i - 4]; e < plan.GroupBegin[i - 3]; ++e) {
        GroupEntry entry = plan.Groups[static_cast<size_t>(e)];
        ++entry.Group;
        plan.Groups.push_back(entry);
      }
      plan.GroupBegin.push_back(static_cast<int>(plan.Groups.size()));
      plan.Total.push_back(plan.Total[static_cast<size_t>(i - 4)]);
      plan.Reciprocal.push_back(plan.Reciprocal[static_cast<size_t>(i - 4)]);
      continue;
    }
    taps.clear();
    for (Tap tap : middleList) taps.push_back({MirrorIndex(tap.Index + i - middle, sourceLength), tap.Weight});
    AppendTapList(taps.data(), taps.data() + taps.size(), lineStride, form, plan);
  }
}

}  // namespace

bool BlendKernelAvailable(BlendKernel kernel) {
  switch (kernel) {
    case BlendKernel::Scalar:
      return true;
#if defined(MOSAICOR_X86_KERNELS)
    case BlendKernel::Sse2:
      return __builtin_cpu_supports("sse2");
    case BlendKernel::Avx2:
    case BlendKernel::Avx2Groups:
      return __builtin_cpu_supports("avx2");
    case BlendKernel::Vnni:
      return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("avx512vl") &&
             __builtin_cpu_supports("avx512vnni");
#endif
    default:
      return false;
  }
}

BlendKernel FastestBlendKernel() {
  BlendKernel fastest = BlendKernel::Scalar;
  for (BlendKernel kernel : {BlendKernel::Sse2, BlendKernel::Avx2, BlendKernel::Avx2Groups, BlendKernel::Vnni})
    if (BlendKernelAvailable(kernel)) fastest = kernel;
  return fastest;
}

BlendPlan MakeBlendPlan(int sourceLength, int targetLength, FilterFunction filter, float radius, size_t lineStride,
                        BlendForm form) {
  BlendPlan plan;
  plan.LineStride = lineStride;
  plan.Form = form;
  plan.Begin.reserve(static_cast<size_t>(targetLength) + 1);
  plan.Total.reserve(static_cast<size_t>(targetLength));
  plan.Reciprocal.reserve(static_cast<size_t>(targetLength));
  plan.Begin.push_back(0);
  const float scale = AxisScale(sourceLength, targetLength);
  // Room for every pair up front: a reduction widens the support to radius / scale.
  const double support = scale < 1.0f ? radius / static_cast<double>(scale) : radius;
  if (support < 1 << 16 && form == BlendForm::Pairs)
    plan.Pairs.reserve(static_cast<size_t>(targetLength) * static_cast<size_t>(support + 2));
  if (form != BlendForm::Pairs) {
    plan.GroupBegin.reserve(static_cast<size_t>(targetLength) + 1);
    plan.GroupBegin.push_back(0);
    if (support < 1 << 16)
      plan.Groups.reserve(static_cast<size_t>(targetLength) * static_cast<size_t>(support / 2 + 3));
  }
  // An axis that keeps its scale at exactly 1 has its centres exactly on the pixels, so every
  // output has the same weights at the same offsets: one list from the middle of the axis, where
  // nothing is folded, serves them all, shifted and folded at the borders.
  const int middle = sourceLength / 2;
  const int reach = static_cast<int>(std::ceil(radius)) + 1;
  const bool oneList = scale == 1.0f && middle - reach >= 0 && middle + reach < sourceLength;
  TapList middleList;
  if (oneList) BuildTapListInto(middleList, middle, sourceLength, scale, filter, radius);
  if (oneList) {
    AppendShiftedLists(middleList, middle, reach, sourceLength, targetLength, lineStride, form, plan);
  } else {
    TapList taps;
    taps.reserve(static_cast<size_t>(std::min((2 * support + 3) * kTapListBatch, 1e6)));
    int ends[kTapListBatch];
    for (int i = 0; i < targetLength; i += kTapListBatch) {
      const int count = std::min(kTapListBatch, targetLength - i);
      BuildTapListsInto(taps, ends, i, count, sourceLength, scale, filter, radius);
      for (int k = 0; k < count; ++k)
        AppendTapList(taps.data() + (k == 0 ? 0 : ends[k - 1]), taps.data() + ends[k], lineStride, form, plan);
    }
  }
  for (BlendKernel kernel : {BlendKernel::Sse2, BlendKernel::Avx2})
    if (BlendKernelAvailable(kernel)) plan.Kernel = kernel;
  return plan;
}

void ChangeLineStride(BlendPlan& plan, size_t lineStride) {
  for (Pair& pair : plan.Pairs) {
    pair.OffsetA = pair.IndexA * lineStride;
    pair.OffsetB = pair.IndexB * lineStride;
  }
  plan.LineStride = lineStride;
}

void BlendLine(const BlendPlan& plan, int output, const uint8_t* lines, int pixels, uint8_t* out) {
  const Pair* first = plan.Pairs.data() + plan.Begin[output];
  const Pair* last = plan.Pairs.data() + plan.Begin[output + 1];
  const int total = plan.Total[output];
  const int bytes = PaddedPixels(pixels) * 4;
#if defined(MOSAICOR_X86_KERNELS)
  const uint32_t reciprocal = plan.Reciprocal[output];
  if (plan.Narrow && reciprocal != 0) {
    if (plan.Kernel == BlendKernel::Avx2 || plan.Kernel == BlendKernel::Avx2Groups || plan.Kernel == BlendKernel::Vnni)
      return BlendAvx2(first, last, total, reciprocal, lines, bytes, out);
    if (plan.Kernel == BlendKernel::Sse2) return BlendSse2(first, last, total, reciprocal, lines, bytes, out);
  }
#endif
  BlendScalar(first, last, total, lines, bytes, out);
}
