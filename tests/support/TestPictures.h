#pragma once
// Small pictures that tests describe themselves. The "F" picture is asymmetric in both axes
// and uses different values in every channel, so flips, rotations, row order and swapped
// channels all show.

#include <QImage>

namespace mosaicor {

// An ARGB32 picture of the given size: background (10, 20, 30, 255); the F's stem is the left
// quarter of the columns, its bar the top quarter of the rows, its middle arm half the width at
// mid height, all (200, 100, 50, 255). Alpha of the bottom-right pixel is 128.
QImage MakeFPicture(int width, int height);

// A picture where each pixel's colour encodes its position: red = x, green = y, blue = x ^ y
// (each mod 256), alpha 255.
QImage MakeCoordinatePicture(int width, int height);

}  // namespace mosaicor
