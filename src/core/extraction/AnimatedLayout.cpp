#include "core/extraction/AnimatedLayout.h"

#include <array>
#include <cstring>
#include <memory>
#include <utility>

namespace mosaicor {

namespace {

constexpr QRgb kBackground = 0x00FF00FF;  // magenta, transparent

// The top-left pixel of a slot in the picture.
QRgb* SlotOrigin(QImage& out, int slot) {
  return reinterpret_cast<QRgb*>(out.bits() +
                                 qsizetype(kAnimSlotSide) * (slot / kAnimSlotsPerRow) * out.bytesPerLine()) +
         kAnimSlotSide * (slot % kAnimSlotsPerRow);
}

// Fills a slot from the rectangle: row dy of the slot is row dy * h / 64 of the rectangle and
// column dx its column dx * w / 64. rowAt(y) gives row y of the page picture.
template <typename RowAt>
void StretchInto(const RowAt& rowAt, const QRect& source, QRgb* to, qsizetype stride) {
  const int w = source.width();
  const int h = source.height();
  std::array<int, kAnimSlotSide> columns;
  for (int dx = 0; dx < kAnimSlotSide; ++dx) columns[size_t(dx)] = source.left() + dx * w / kAnimSlotSide;
  const QRgb* from = nullptr;
  int fromRow = -1;
  for (int dy = 0; dy < kAnimSlotSide; ++dy, to += stride) {
    const int row = source.top() + dy * h / kAnimSlotSide;
    if (row != fromRow) from = rowAt(row);
    fromRow = row;
    if (w == kAnimSlotSide) {
      std::memcpy(to, from + source.left(), kAnimSlotSide * sizeof(QRgb));  // the common 64-wide texture
    } else {
      for (int dx = 0; dx < kAnimSlotSide; ++dx) to[dx] = from[columns[size_t(dx)]];
    }
  }
}

// The rows of the page picture that slots read, each converted once, when first read. A page's
// buffer is reserved when one of its rows is first read, its memory touched row by row.
class ConvertedRows {
 public:
  explicit ConvertedRows(const PageRowConverter& pages)
      : pages_(pages), buffers_(size_t(pages.Rows() / kLevelPageSide)), converted_(size_t(pages.Rows())) {}
  const QRgb* Row(int y) {
    std::unique_ptr<QRgb[]>& buffer = buffers_[size_t(y / kLevelPageSide)];
    if (!buffer) buffer = std::make_unique_for_overwrite<QRgb[]>(size_t(kLevelPageSide) * kLevelPageSide);
    QRgb* row = buffer.get() + (y % kLevelPageSide) * kLevelPageSide;
    if (!converted_[size_t(y)]) pages_.ConvertRow(y, row);
    converted_[size_t(y)] = true;
    return row;
  }

 private:
  const PageRowConverter& pages_;
  std::vector<std::unique_ptr<QRgb[]>> buffers_;
  std::vector<bool> converted_;
};

template <typename RowAt>
QImage DrawSlots(const RowAt& rowAt, const QRect& pages, const std::vector<AnimSlot>& animSlots) {
  if (animSlots.empty()) return {};
  const int rows = animSlots.back().Slot / kAnimSlotsPerRow + 1;
  QImage out(kAnimSlotsPerRow * kAnimSlotSide, rows * kAnimSlotSide, QImage::Format_ARGB32);
  if (out.isNull()) return out;
  // Filled whole and drawn over: Qt's fill outruns writing each slot once with plain stores.
  out.fill(kBackground);
  const qsizetype stride = out.bytesPerLine() / qsizetype(sizeof(QRgb));
  for (const AnimSlot& slot : animSlots)
    if (slot.Slot >= 0 && slot.Slot < rows * kAnimSlotsPerRow && !slot.Source.isNull() && pages.contains(slot.Source))
      StretchInto(rowAt, slot.Source, SlotOrigin(out, slot.Slot), stride);
  return out;
}

}  // namespace

QRect ObjectTextureRect(const ObjectTexture& texture, int textileCount) {
  const int page = texture.Tile & 0x7FFF;
  if (page >= textileCount) return {};
  const int t = page * kLevelPageSide;
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
  const auto rowAt = [&](int y) { return reinterpret_cast<const QRgb*>(pages32.constScanLine(y)); };
  return DrawSlots(rowAt, pages32.rect(), animSlots);
}

QImage DrawAnimSlots(const PageRowConverter& pages, const std::vector<AnimSlot>& animSlots) {
  ConvertedRows rows(pages);
  const auto rowAt = [&](int y) { return rows.Row(y); };
  return DrawSlots(rowAt, QRect(0, 0, kLevelPageSide, pages.Rows()), animSlots);
}

}  // namespace mosaicor
