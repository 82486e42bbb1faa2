#pragma once
// Drawing on pictures the way the canvas layers need it: rectangle fills, 1-pixel frames and
// lines, and the dot pattern of the dotted grid. Rectangles are clipped to the
// picture. Works on 32-bit pictures (ARGB32, RGB32) and on Indexed8 pictures, whose colour
// table grows as colours are drawn (a full table turns the picture into ARGB32).

#include <QImage>
#include <QRect>

namespace mosaicor {

// A rectangle from left, top and exclusive right, bottom; empty when right <= left or bottom <= top.
QRect RectLTRB(int left, int top, int right, int bottom);

// Exclusive right and bottom of a rectangle (QRect's own right() and bottom() are inclusive).
inline int RightOf(const QRect& r) { return r.x() + r.width(); }
inline int BottomOf(const QRect& r) { return r.y() + r.height(); }

// The colour of a pixel as 0xAARRGGBB whatever the picture's format (black outside the picture).
QRgb PixelColour(const QImage& image, int x, int y);

// Index of a colour in an Indexed8 picture's table, appended when missing; -1 when the table is full.
int ColourIndex(QImage& image, QRgb colour);

void FillRect(QImage& image, const QRect& rect, QRgb colour);

// The 1-pixel border just inside the rectangle.
void FrameRect(QImage& image, const QRect& rect, QRgb colour);

// A 1-pixel horizontal run (y, x0 .. x1 exclusive) or vertical run (x, y0 .. y1 exclusive).
void DrawHLine(QImage& image, int y, int x0, int x1, QRgb colour);
void DrawVLine(QImage& image, int x, int y0, int y1, QRgb colour);

// Whether a pixel belongs to the dot pattern of dotted frames: a checkerboard aligned to the
// picture's origin, so neighbouring frames drawn on neighbouring lines interleave evenly.
inline bool IsFocusDot(int x, int y) { return ((x + y) & 1) == 0; }

}  // namespace mosaicor
