#include "core/canvas/LayerCompositor.h"

#include <array>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/canvas/LayerStack.h"
#include "core/graphics/RectCopy.h"

namespace mosaicor {

namespace {

constexpr QRgb Opaque = 0xFF000000u;

bool Is32Bit(const QImage& image) {
  return image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32 ||
         image.format() == QImage::Format_ARGB32_Premultiplied;
}

// Where composed pixels go: port (x, y) lands at target (x, y) + offset.
struct Placement {
  uchar* origin;  // target pixel of port (0, 0), possibly outside the target's rows
  qsizetype stride;
  Placement(QImage& target, QPoint offset)
      : origin(target.bits() + offset.y() * target.bytesPerLine() + offset.x() * qsizetype(sizeof(QRgb))),
        stride(target.bytesPerLine()) {}
  QRgb* Row(int portX, int portY) const { return reinterpret_cast<QRgb*>(origin + portY * stride) + portX; }
};

// d := s with the alpha byte set: the screen picture is RGB32, which wants it 0xFF.
void CopyOpaque(QRgb* d, const QRgb* s, int n) {
  int x = 0;
#if defined(__SSE2__)
  const __m128i alpha = _mm_set1_epi32(static_cast<int>(Opaque));
  for (; x + 4 <= n; x += 4) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x), _mm_or_si128(v, alpha));
  }
#endif
  for (; x < n; ++x) d[x] = s[x] | Opaque;
}

// An Indexed8 row over the screen: entries marked `see` let the screen show through. Runs of
// eight key bytes are skipped a word at a time (grid layers are mostly key).
void CopyIndexedRow(QRgb* d, const uchar* s, int n, const std::array<QRgb, 256>& colours,
                    const std::array<bool, 256>& see, int keyByte) {
  int x = 0;
  if (keyByte >= 0) {
    const quint64 keyWord = 0x0101010101010101ull * static_cast<quint64>(keyByte);
    for (; x + 8 <= n; x += 8) {
      quint64 word;
      std::memcpy(&word, s + x, 8);
      if (word == keyWord) continue;
      for (int i = x; i < x + 8; ++i)
        if (!see[s[i]]) d[i] = colours[s[i]];
    }
  }
  for (; x < n; ++x)
    if (!see[s[x]]) d[x] = colours[s[x]];
}

void FillRow(QRgb* d, int n, QRgb colour) {
  int x = 0;
#if defined(__SSE2__)
  const __m128i v = _mm_set1_epi32(static_cast<int>(colour));
  for (; x + 4 <= n; x += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x), v);
#endif
  for (; x < n; ++x) d[x] = colour;
}

void FillBlack(const Placement& out, const QRect& r) {
  for (int y = r.top(); y <= r.bottom(); ++y) FillRow(out.Row(r.left(), y), r.width(), Opaque);
}

// Draws rectangle `r` (port coordinates) of a layer whose top-left sits at `origin`.
void DrawLayer(const ImageLayer& layer, const QRect& r, const Placement& out) {
  const QPoint origin = layer.Position();
  const QImage& stored = layer.StoredPicture();
  const bool keyed = layer.Transparent();
  const QRgb key = layer.KeyColour() & 0x00FFFFFFu;
  if (stored.isNull()) {  // all black
    if (!keyed || key != 0) FillBlack(out, r);
    return;
  }
  QImage converted;
  const QImage* picture = &stored;
  QPoint source = r.topLeft() - origin;
  if (!Is32Bit(stored) && stored.format() != QImage::Format_Indexed8) {
    converted = stored.copy(QRect(source, r.size())).convertToFormat(QImage::Format_ARGB32);
    picture = &converted;
    source = QPoint(0, 0);
  }
  if (picture->format() == QImage::Format_Indexed8) {
    // Each table entry's colour, and whether it lets the layers below show through.
    std::array<QRgb, 256> colours{};
    std::array<bool, 256> see{};
    int keyByte = -1;
    for (int i = 0; i < 256; ++i) {
      colours[i] = (i < picture->colorCount() ? picture->color(i) : 0u) | Opaque;
      see[i] = keyed && (colours[i] & 0x00FFFFFFu) == key;
      if (see[i] && keyByte < 0) keyByte = i;
    }
    for (int y = 0; y < r.height(); ++y)
      CopyIndexedRow(out.Row(r.left(), r.top() + y), picture->constScanLine(source.y() + y) + source.x(), r.width(),
                     colours, see, keyByte);
    return;
  }
  for (int y = 0; y < r.height(); ++y) {
    const QRgb* s = reinterpret_cast<const QRgb*>(picture->constScanLine(source.y() + y)) + source.x();
    QRgb* d = out.Row(r.left(), r.top() + y);
    if (keyed) {
      for (int x = 0; x < r.width(); ++x)
        if ((s[x] & 0x00FFFFFFu) != key) d[x] = s[x] | Opaque;
    } else {
      CopyOpaque(d, s, r.width());
    }
  }
}

}  // namespace

void ComposeLayers(const LayerStack& stack, const QRect& portRect, QImage& target, QPoint targetPos) {
  const QPoint offset = targetPos - portRect.topLeft();
  const QRect area = portRect.intersected(stack.PortRect()).intersected(target.rect().translated(-offset));
  if (area.isEmpty()) return;
  const Placement out(target, offset);
  // Each layer is drawn only where no opaque layer above it covers it; the black port only where
  // no opaque layer covers it at all.
  const auto layers = stack.All();
  std::array<QRegion, 9> coveredAbove;  // coveredAbove[i]: covered by opaque layers i .. 7
  for (int i = 7; i >= 0; --i) {
    coveredAbove[i] = coveredAbove[i + 1];
    if (layers[i]->Shown() && !layers[i]->Transparent()) coveredAbove[i] += layers[i]->PortRect() & area;
  }
  for (const QRect& part : QRegion(area) - coveredAbove[0]) FillBlack(out, part);
  for (int i = 0; i < 8; ++i) {
    const ImageLayer& layer = *layers[i];
    if (!layer.Shown()) continue;
    QRegion visible = QRegion(area.intersected(layer.PortRect())) - coveredAbove[i + 1];
    // Only what was drawn on a transparent layer can show.
    if (layer.Transparent() && layer.KeyColour() == CanvasColours::Clear)
      visible &= layer.Ink().translated(layer.Position());
    for (const QRect& part : visible) DrawLayer(layer, part, out);
  }
}

QImage ComposeLayers(const LayerStack& stack, const QRect& portRect) {
  QImage target(portRect.size(), QImage::Format_RGB32);
  target.fill(Opaque);
  ComposeLayers(stack, portRect, target, QPoint(0, 0));
  return target;
}

}  // namespace mosaicor
