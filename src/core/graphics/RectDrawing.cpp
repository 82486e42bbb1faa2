#include "core/graphics/RectDrawing.h"

#include <algorithm>

namespace mosaicor {

namespace {

bool Is32Bit(const QImage& image) {
  return image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32 ||
         image.format() == QImage::Format_ARGB32_Premultiplied;
}

// Brings any other layout to one we draw on directly.
void EnsureDrawable(QImage& image) {
  if (!Is32Bit(image) && image.format() != QImage::Format_Indexed8)
    image = image.convertToFormat(QImage::Format_ARGB32);
}

// For an Indexed8 picture: the index of the colour, turning the picture into ARGB32 when its
// table is full. Returns -1 when the picture is (now) 32-bit.
int IndexOrWiden(QImage& image, QRgb colour) {
  if (image.format() != QImage::Format_Indexed8) return -1;
  const int index = ColourIndex(image, colour);
  if (index < 0) image = image.convertToFormat(QImage::Format_ARGB32);
  return index;
}

}  // namespace

QRect RectLTRB(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return QRect();
  return QRect(left, top, right - left, bottom - top);
}

QRgb PixelColour(const QImage& image, int x, int y) {
  if (!image.valid(x, y)) return qRgb(0, 0, 0);
  if (Is32Bit(image)) return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
  if (image.format() == QImage::Format_Indexed8) {
    const int index = image.constScanLine(y)[x];
    return index < image.colorCount() ? image.color(index) : qRgb(0, 0, 0);
  }
  return image.pixel(x, y);
}

int ColourIndex(QImage& image, QRgb colour) {
  const int count = image.colorCount();
  for (int i = 0; i < count; ++i)
    if (image.color(i) == colour) return i;
  if (count >= 256) return -1;
  image.setColorCount(count + 1);
  image.setColor(count, colour);
  return count;
}

void FillRect(QImage& image, const QRect& rect, QRgb colour) {
  const QRect r = rect.intersected(image.rect());
  if (r.isEmpty()) return;
  EnsureDrawable(image);
  const int index = IndexOrWiden(image, colour);
  for (int y = r.top(); y <= r.bottom(); ++y) {
    if (index >= 0) {
      std::fill_n(image.scanLine(y) + r.left(), r.width(), static_cast<uchar>(index));
    } else {
      std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)) + r.left(), r.width(), colour);
    }
  }
}

void DrawHLine(QImage& image, int y, int x0, int x1, QRgb colour) {
  FillRect(image, RectLTRB(x0, y, x1, y + 1), colour);
}

void DrawVLine(QImage& image, int x, int y0, int y1, QRgb colour) {
  FillRect(image, RectLTRB(x, y0, x + 1, y1), colour);
}

void FrameRect(QImage& image, const QRect& rect, QRgb colour) {
  if (rect.isEmpty()) return;
  const int l = rect.x(), t = rect.y(), r = RightOf(rect), b = BottomOf(rect);
  DrawHLine(image, t, l, r, colour);
  if (b - 1 > t) DrawHLine(image, b - 1, l, r, colour);
  DrawVLine(image, l, t + 1, b - 1, colour);
  if (r - 1 > l) DrawVLine(image, r - 1, t + 1, b - 1, colour);
}

}  // namespace mosaicor
