#include "core/imagedecoding/PixelRows.h"

#include <cstdint>
#if defined(__x86_64__)  // SSE2 is part of the architecture; SSSE3 is asked for at run time
#include <immintrin.h>

namespace mosaicor {
#define MOSAICOR_X86_ROWS 1
#endif

namespace {

void MergeBgr24Plain(const uchar* r, const uchar* g, const uchar* b, uchar* out, qsizetype width) {
  for (qsizetype x = 0; x < width; ++x, out += 3) out[0] = b[x], out[1] = g[x], out[2] = r[x];
}

void MergeRgb32Plain(const uchar* r, const uchar* g, const uchar* b, QRgb* out, qsizetype width) {
  for (qsizetype x = 0; x < width; ++x) out[x] = qRgb(r[x], g[x], b[x]);
}

void MergeArgb32Plain(const uchar* r, const uchar* g, const uchar* b, const uchar* a, QRgb* out, qsizetype width) {
  for (qsizetype x = 0; x < width; ++x) out[x] = qRgba(r[x], g[x], b[x], a[x]);
}

void WidenPlain(const uchar* rgb, QRgb* out, qsizetype width) {
  for (qsizetype x = 0; x < width; ++x, rgb += 3) out[x] = qRgb(rgb[0], rgb[1], rgb[2]);
}

#ifdef MOSAICOR_X86_ROWS

bool HasSsse3() {
  static const bool ssse3 = __builtin_cpu_supports("ssse3");
  return ssse3;
}

__m128i Load(const uchar* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
void Store(void* p, __m128i v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }

// Sixteen pixels a step. Blue and green pair up as bytes, red and alpha likewise, then the pairs
// as 16-bit words: B G R A in memory, which is what a QRgb is on this hardware.
template <bool Alpha>
void MergeArgb32Sse2(const uchar* r, const uchar* g, const uchar* b, const uchar* a, QRgb* out, qsizetype width) {
  const __m128i opaque = _mm_set1_epi8(char(0xFF));
  qsizetype x = 0;
  for (; x + 16 <= width; x += 16) {
    const __m128i blue = Load(b + x), green = Load(g + x), red = Load(r + x);
    const __m128i alpha = Alpha ? Load(a + x) : opaque;
    const __m128i bgLow = _mm_unpacklo_epi8(blue, green), bgHigh = _mm_unpackhi_epi8(blue, green);
    const __m128i raLow = _mm_unpacklo_epi8(red, alpha), raHigh = _mm_unpackhi_epi8(red, alpha);
    Store(out + x, _mm_unpacklo_epi16(bgLow, raLow));
    Store(out + x + 4, _mm_unpackhi_epi16(bgLow, raLow));
    Store(out + x + 8, _mm_unpacklo_epi16(bgHigh, raHigh));
    Store(out + x + 12, _mm_unpackhi_epi16(bgHigh, raHigh));
  }
  if constexpr (Alpha)
    MergeArgb32Plain(r + x, g + x, b + x, a + x, out + x, width - x);
  else
    MergeRgb32Plain(r + x, g + x, b + x, out + x, width - x);
}

// For each of the three 16-byte stores of sixteen BGR pixels, where its bytes come from in the
// blue, green and red plane (-128: not from this plane).
struct BgrMasks {
  signed char byte[3][3][16];  // [store][plane: blue, green, red][byte of the store]
};
constexpr BgrMasks MakeBgrMasks() {
  BgrMasks masks{};
  for (int store = 0; store < 3; ++store)
    for (int plane = 0; plane < 3; ++plane)
      for (int i = 0; i < 16; ++i) {
        const int at = 16 * store + i;
        masks.byte[store][plane][i] = static_cast<signed char>(at % 3 == plane ? at / 3 : -128);
      }
  return masks;
}
constexpr BgrMasks kBgrMasks = MakeBgrMasks();

__attribute__((target("ssse3"))) void MergeBgr24Ssse3(const uchar* r, const uchar* g, const uchar* b, uchar* out,
                                                      qsizetype width) {
  __m128i masks[3][3];
  for (int s = 0; s < 3; ++s)
    for (int p = 0; p < 3; ++p) masks[s][p] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kBgrMasks.byte[s][p]));
  qsizetype x = 0;
  for (; x + 16 <= width; x += 16, out += 48) {
    const __m128i blue = Load(b + x), green = Load(g + x), red = Load(r + x);
    for (int s = 0; s < 3; ++s)
      Store(out + 16 * s,
            _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(blue, masks[s][0]), _mm_shuffle_epi8(green, masks[s][1])),
                         _mm_shuffle_epi8(red, masks[s][2])));
  }
  MergeBgr24Plain(r + x, g + x, b + x, out, width - x);
}

// Sixteen pixels (48 bytes) a step: four groups of four pixels, each turned from R G B to B G R A.
__attribute__((target("ssse3"))) void WidenSsse3(const uchar* rgb, QRgb* out, qsizetype width) {
  const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
  const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
  qsizetype x = 0;
  for (; x + 16 <= width; x += 16, rgb += 48) {
    const __m128i in0 = Load(rgb), in1 = Load(rgb + 16), in2 = Load(rgb + 32);
    const __m128i groups[4] = {in0, _mm_alignr_epi8(in1, in0, 12), _mm_alignr_epi8(in2, in1, 8),
                               _mm_srli_si128(in2, 4)};
    for (int k = 0; k < 4; ++k) Store(out + x + 4 * k, _mm_or_si128(_mm_shuffle_epi8(groups[k], order), opaque));
  }
  WidenPlain(rgb, out + x, width - x);
}

#endif

}  // namespace

void MergePlanesToBgr24(const uchar* red, const uchar* green, const uchar* blue, uchar* out, qsizetype width) {
#ifdef MOSAICOR_X86_ROWS
  if (HasSsse3()) return MergeBgr24Ssse3(red, green, blue, out, width);
#endif
  MergeBgr24Plain(red, green, blue, out, width);
}

void MergePlanesToRgb32(const uchar* red, const uchar* green, const uchar* blue, QRgb* out, qsizetype width) {
#ifdef MOSAICOR_X86_ROWS
  return MergeArgb32Sse2<false>(red, green, blue, nullptr, out, width);
#else
  MergeRgb32Plain(red, green, blue, out, width);
#endif
}

void MergePlanesToArgb32(const uchar* red, const uchar* green, const uchar* blue, const uchar* alpha, QRgb* out,
                         qsizetype width) {
#ifdef MOSAICOR_X86_ROWS
  return MergeArgb32Sse2<true>(red, green, blue, alpha, out, width);
#else
  MergeArgb32Plain(red, green, blue, alpha, out, width);
#endif
}

void WidenRgb24ToRgb32(const uchar* rgb, QRgb* out, qsizetype width) {
#ifdef MOSAICOR_X86_ROWS
  if (HasSsse3()) return WidenSsse3(rgb, out, width);
#endif
  WidenPlain(rgb, out, width);
}

}  // namespace mosaicor
