#pragma once
// The division that ends every SIMD blend of the tile resampler, shared by its kernels: sums
// clamped to 0 .. 255 × total, which for a positive total gives the same byte as dividing first
// and clamping after, then divided by the high half of sum × ceil(2^32 / total), exact for totals
// 2 .. 4096 and sums up to 255 × total.

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

// Per 32-bit lane: clamp(s, 0, limit) × reciprocal >> 32.
__attribute__((target("avx2"))) inline __m256i DivideAvx2(__m256i s, __m256i reciprocal, __m256i limit) {
  s = _mm256_min_epi32(_mm256_max_epi32(s, _mm256_setzero_si256()), limit);
  const __m256i even = _mm256_mul_epu32(s, reciprocal);
  const __m256i odd = _mm256_mul_epu32(_mm256_srli_epi64(s, 32), reciprocal);
  return _mm256_blend_epi32(_mm256_srli_epi64(even, 32), odd, 0xAA);
}
#endif
