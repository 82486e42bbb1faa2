#include "core/graphics/RectCopy.h"

#include <cstring>

namespace mosaicor {

namespace {

bool Is32Bit(const QImage& image) {
  return image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32 ||
         image.format() == QImage::Format_ARGB32_Premultiplied;
}

// The part of the copy that lies inside both pictures: the source rectangle and the offset
// from source to destination coordinates.
struct ClippedCopy {
  QRect source;
  QPoint offset;
};

ClippedCopy Clip(const QImage& destination, QPoint destinationPos, const QImage& source, const QRect& sourceRect) {
  const QPoint offset = destinationPos - sourceRect.topLeft();
  QRect r = sourceRect.intersected(source.rect());
  r = r.intersected(destination.rect().translated(-offset));
  return {r, offset};
}

bool SameLayout(const QImage& a, const QImage& b) { return a.format() == b.format() || (Is32Bit(a) && Is32Bit(b)); }

}  // namespace

void CopyPixels(QImage& destination, QPoint destinationPos, const QImage& source, const QRect& sourceRect) {
  if (destination.isNull() || source.isNull() || !SameLayout(destination, source)) return;
  const ClippedCopy c = Clip(destination, destinationPos, source, sourceRect);
  const QRect& r = c.source;
  if (r.isEmpty()) return;
  if (source.depth() < 8) {  // one-bit pictures: no whole bytes to move
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        destination.setPixel(x + c.offset.x(), y + c.offset.y(), source.pixelIndex(x, y));
    return;
  }
  const int bytesPerPixel = source.depth() / 8;
  const qsizetype rowBytes = qsizetype(r.width()) * bytesPerPixel;
  // Rows are walked so that a copy inside one picture reads each row before overwriting it.
  const bool upward = &destination == &source && c.offset.y() > 0;
  for (int i = 0; i < r.height(); ++i) {
    const int y = upward ? r.bottom() - i : r.top() + i;
    const uchar* s = source.constScanLine(y) + qsizetype(r.left()) * bytesPerPixel;
    uchar* d = destination.scanLine(y + c.offset.y()) + qsizetype(r.left() + c.offset.x()) * bytesPerPixel;
    std::memmove(d, s, rowBytes);
  }
}

void CopyRect(QImage& destination, QPoint destinationPos, const QImage& source, const QRect& sourceRect) {
  const ClippedCopy c = Clip(destination, destinationPos, source, sourceRect);
  if (c.source.isEmpty()) return;
  if (!Is32Bit(destination)) destination = destination.convertToFormat(QImage::Format_ARGB32);
  if (Is32Bit(source)) {
    CopyPixels(destination, destinationPos, source, sourceRect);
    return;
  }
  // Only the part that lands is converted.
  const QImage converted = source.copy(c.source).convertToFormat(QImage::Format_ARGB32);
  CopyPixels(destination, c.source.topLeft() + c.offset, converted, converted.rect());
}

}  // namespace mosaicor
