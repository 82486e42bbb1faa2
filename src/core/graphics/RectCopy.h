#pragma once
// Rectangle copies between pictures for the canvas: same-size copies clipped to both pictures
// (CopyRect in 32 bits, CopyPixels in the pictures' own layout),
// the transparent copy that skips one key colour, the copy that replaces one colour by another,
// and the nearest-neighbour stretch. Pixels are handled as 0xAARRGGBB colours; colour
// comparisons look at red, green and blue only.

#include <QImage>
#include <QRect>

// Same-size copy of sourceRect of source to the rectangle at destination of the same size,
// clipped to both pictures: parts that fall outside either picture are left alone.
void CopyRect(QImage& destination, QPoint destinationPos, const QImage& source, const QRect& sourceRect);

// The same copy between pictures of one layout (any bit depth, the colour table untouched): no
// conversion. Pictures of different layouts are left alone.
void CopyPixels(QImage& destination, QPoint destinationPos, const QImage& source, const QRect& sourceRect);

// As CopyRect, but source pixels of the key colour leave the destination unchanged.
void CopyWithKey(QImage& destination, QPoint destinationPos, const QImage& source, const QRect& sourceRect, QRgb key);

// As CopyRect, but source pixels of colour `from` are written as `to`.
void CopyReplacingColour(QImage& destination, QPoint destinationPos, const QImage& source, const QRect& sourceRect,
                         QRgb from, QRgb to);

// Nearest-neighbour stretch of sourceRect of source onto destinationRect of destination (clipped to
// the destination; source samples outside the source picture are skipped).
void StretchRect(QImage& destination, const QRect& destinationRect, const QImage& source, const QRect& sourceRect);

// Red, green and blue equal, alpha ignored.
inline bool SameRgb(QRgb a, QRgb b) { return ((a ^ b) & 0x00FFFFFFu) == 0; }
