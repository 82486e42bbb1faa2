#include "canvas/LayerCompositor.h"

#include <array>
#include <cstring>

#include "canvas/ImageStack.h"
#include "graphics/RectCopy.h"

namespace {

constexpr QRgb Opaque = 0xFF000000u;

bool Is32Bit(const QImage& image) {
  return image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32 ||
         image.format() == QImage::Format_ARGB32_Premultiplied;
}

// Destination row `y` of the target for port row `portY`, starting at port column `portX`.
struct Placement {
  QImage& target;
  QPoint offset;  // target = port + offset
  QRgb* Row(int portX, int portY) const {
    return reinterpret_cast<QRgb*>(target.scanLine(portY + offset.y())) + portX + offset.x();
  }
};

void FillBlack(const Placement& out, const QRect& r) {
  for (int y = r.top(); y <= r.bottom(); ++y) std::fill_n(out.Row(r.left(), y), r.width(), Opaque);
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
    for (int i = 0; i < 256; ++i) {
      colours[i] = (i < picture->colorCount() ? picture->color(i) : 0u) | Opaque;
      see[i] = keyed && (colours[i] & 0x00FFFFFFu) == key;
    }
    for (int y = 0; y < r.height(); ++y) {
      const uchar* s = picture->constScanLine(source.y() + y) + source.x();
      QRgb* d = out.Row(r.left(), r.top() + y);
      for (int x = 0; x < r.width(); ++x)
        if (!see[s[x]]) d[x] = colours[s[x]];
    }
    return;
  }
  for (int y = 0; y < r.height(); ++y) {
    const QRgb* s = reinterpret_cast<const QRgb*>(picture->constScanLine(source.y() + y)) + source.x();
    QRgb* d = out.Row(r.left(), r.top() + y);
    if (keyed) {
      for (int x = 0; x < r.width(); ++x)
        if ((s[x] & 0x00FFFFFFu) != key) d[x] = s[x] | Opaque;
    } else {
      for (int x = 0; x < r.width(); ++x) d[x] = s[x] | Opaque;
    }
  }
}

}  // namespace

void ComposeLayers(const ImageStack& stack, const QRect& portRect, QImage& target, QPoint targetPos) {
  const QPoint offset = targetPos - portRect.topLeft();
  const QRect area = portRect.intersected(stack.PortRect()).intersected(target.rect().translated(-offset));
  if (area.isEmpty()) return;
  const Placement out{target, offset};
  FillBlack(out, area);
  for (const ImageLayer* layer : stack.Layers()) {
    if (!layer->Shown()) continue;
    QRect r = area.intersected(layer->PortRect());
    // Only what was drawn on a transparent layer can show.
    if (layer->Transparent() && layer->KeyColour() == CanvasColours::Clear)
      r = r.intersected(layer->InkBounds().translated(layer->Position()));
    if (!r.isEmpty()) DrawLayer(*layer, r, out);
  }
}

QImage ComposeLayers(const ImageStack& stack, const QRect& portRect) {
  QImage target(portRect.size(), QImage::Format_RGB32);
  target.fill(Opaque);
  ComposeLayers(stack, portRect, target, QPoint(0, 0));
  return target;
}
