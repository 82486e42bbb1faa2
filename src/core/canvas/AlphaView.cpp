#include "core/canvas/AlphaView.h"

#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace mosaicor {

namespace {

enum class AlphaLayout { ThirtyTwo, Fifteen, NoAlpha, AsItIs };

AlphaLayout LayoutOf(const QImage& picture) {
  switch (picture.format()) {
    // Alpha in the fourth byte of each pixel, whatever the order of the other three.
    case QImage::Format_ARGB32:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888_Premultiplied:
      return AlphaLayout::ThirtyTwo;
    case QImage::Format_RGB16:
      return AlphaLayout::NoAlpha;
    default:
      break;
  }
  if (picture.depth() == 16) return AlphaLayout::Fifteen;  // 1-5-5-5, and custom 16-bit layouts like it
  if (picture.depth() == 24) return AlphaLayout::NoAlpha;
  return AlphaLayout::AsItIs;
}

void GreyFromAlpha32(const uchar* from, uchar* to, int pixels) {
  const quint32* s = reinterpret_cast<const quint32*>(from);
  quint32* d = reinterpret_cast<quint32*>(to);
  int x = 0;
#if defined(__SSE2__)
  // The view is written once and not read back soon: stream it past the cache, which spares
  // reading every destination line first.
  for (; x < pixels && (reinterpret_cast<std::uintptr_t>(d + x) & 15) != 0; ++x) d[x] = (s[x] >> 24) * 0x01010101u;
  for (; x + 4 <= pixels; x += 4) {
    const __m128i alpha = _mm_srli_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x)), 24);
    const __m128i two = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 8));
    _mm_stream_si128(reinterpret_cast<__m128i*>(d + x), _mm_or_si128(two, _mm_slli_epi32(two, 16)));
  }
#endif
  for (; x < pixels; ++x) d[x] = (s[x] >> 24) * 0x01010101u;
}

void WhiteWhereTopBit15(const uchar* from, uchar* to, int pixels) {
  const quint16* s = reinterpret_cast<const quint16*>(from);
  quint16* d = reinterpret_cast<quint16*>(to);
  for (int x = 0; x < pixels; ++x) d[x] = (s[x] & 0x8000u) ? 0xFFFFu : 0x0000u;
}

}  // namespace

void MakeAlphaView(const QImage& source, QImage& view) {
  const AlphaLayout layout = LayoutOf(source);
  const int w = source.width();
  const qsizetype rowBytes = qsizetype(w) * source.depth() / 8;
  for (int y = 0; y < source.height(); ++y) {
    const uchar* s = source.constScanLine(y);
    uchar* d = view.scanLine(y);
    switch (layout) {
      case AlphaLayout::ThirtyTwo:
        GreyFromAlpha32(s, d, w);
        break;
      case AlphaLayout::Fifteen:
        WhiteWhereTopBit15(s, d, w);
        break;
      case AlphaLayout::NoAlpha:
        std::memset(d, 0, rowBytes);
        break;
      case AlphaLayout::AsItIs:
        std::memcpy(d, s, view.bytesPerLine());
        break;
    }
  }
#if defined(__SSE2__)
  _mm_sfence();  // the streamed view is complete before anyone reads it
#endif
}

bool FitsAlphaView(const QImage& view, const QImage& source) {
  return !view.isNull() && view.size() == source.size() && view.format() == source.format() &&
         view.colorTable() == source.colorTable();
}

}  // namespace mosaicor
