#pragma once
// Rectangle copies between pictures: same-size copies clipped to both pictures, CopyRect in
// 32 bits (0xAARRGGBB) and CopyPixels in the pictures' own layout.

#include <QImage>
#include <QRect>

namespace mosaicor {

// Same-size copy of sourceRect of source to the rectangle at destination of the same size,
// clipped to both pictures: parts that fall outside either picture are left alone.
void CopyRect(QImage& destination, QPoint destinationPos, const QImage& source, const QRect& sourceRect);

// The same copy between pictures of one layout (any bit depth, the colour table untouched): no
// conversion. Pictures of different layouts are left alone.
void CopyPixels(QImage& destination, QPoint destinationPos, const QImage& source, const QRect& sourceRect);

}  // namespace mosaicor
