#include "extraction/AnimatedLayout.h"

#include <utility>

namespace {

constexpr int kPageSide = 256;
constexpr QRgb kBackground = 0x00FF00FF;  // magenta, transparent

void StretchInto(const QImage& pages32, const QRect& source, QImage& out, int slot) {
  const int left = kAnimSlotSide * (slot % kAnimSlotsPerRow);
  const int top = kAnimSlotSide * (slot / kAnimSlotsPerRow);
  const int w = source.width();
  const int h = source.height();
  for (int dy = 0; dy < kAnimSlotSide; ++dy) {
    const auto* from = reinterpret_cast<const QRgb*>(pages32.constScanLine(source.top() + dy * h / kAnimSlotSide));
    auto* to = reinterpret_cast<QRgb*>(out.scanLine(top + dy)) + left;
    for (int dx = 0; dx < kAnimSlotSide; ++dx) to[dx] = from[source.left() + dx * w / kAnimSlotSide];
  }
}

}  // namespace

QRect ObjectTextureRect(const ObjectTexture& texture, int textileCount) {
  const int page = texture.Tile & 0x7FFF;
  if (page >= textileCount) return {};
  const int t = page * kPageSide;
  const auto& v = texture.Vertices;
  int x1 = v[0].UPixel;
  int x2 = v[2].UPixel == x1 ? v[1].UPixel : v[2].UPixel;
  int y1 = t + v[0].VPixel;
  int y2 = t + (v[2].VPixel == v[0].VPixel ? v[1].VPixel : v[2].VPixel);
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

std::vector<AnimSlot> LayoutAnimSlots(const std::vector<std::uint16_t>& words,
                                      const std::vector<ObjectTexture>& textures, int textileCount) {
  std::vector<AnimSlot> animSlots;
  if (words.empty()) return animSlots;
  const int ranges = words[0];
  size_t k = 1;
  int n = 0;
  for (int range = 0; range < ranges && k < words.size(); ++range) {
    const size_t m = size_t(words[k]) + 1;
    if (k + m >= words.size()) break;  // the range's indices run past the end of the list
    if (n + int(m) > kMaxAnimSlots) break;
    for (size_t i = 1; i <= m; ++i, ++n) {
      AnimSlot slot;
      slot.Slot = n;
      slot.ObjectTexture = words[k + i];
      if (size_t(slot.ObjectTexture) < textures.size())
        slot.Source = ObjectTextureRect(textures[size_t(slot.ObjectTexture)], textileCount);
      animSlots.push_back(slot);
    }
    k += m + 1;
    // The next range starts on a new row; one that filled its row exactly leaves an empty row.
    n = n / kAnimSlotsPerRow * kAnimSlotsPerRow + kAnimSlotsPerRow;
  }
  return animSlots;
}

QImage DrawAnimSlots(const QImage& pages32, const std::vector<AnimSlot>& animSlots) {
  if (animSlots.empty()) return {};
  const int rows = animSlots.back().Slot / kAnimSlotsPerRow + 1;
  QImage out(kAnimSlotsPerRow * kAnimSlotSide, rows * kAnimSlotSide, QImage::Format_ARGB32);
  if (out.isNull()) return out;
  out.fill(kBackground);
  const QRect pages = pages32.rect();
  for (const AnimSlot& slot : animSlots)
    if (!slot.Source.isNull() && pages.contains(slot.Source)) StretchInto(pages32, slot.Source, out, slot.Slot);
  return out;
}
