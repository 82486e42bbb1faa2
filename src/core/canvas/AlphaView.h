#pragma once
// The alpha view of a picture: a picture of the same size and pixel layout showing its alpha as
// grey. 32-bit pixels take their alpha byte into blue, green and red; 15-bit pixels (and 16-bit
// layouts other than 5-6-5) become white where their top bit is set and black where it is clear;
// 5-6-5 and 24-bit layouts carry no alpha and give black; any other layout (1 or 8 bits) is shown
// as it is.

#include <QImage>

namespace mosaicor {

// Writes the view of `source` into `view`, a picture of the same size and layout.
void MakeAlphaView(const QImage& source, QImage& view);

// True when `view` can take the view of `source` as it is (same size, layout and colours).
bool FitsAlphaView(const QImage& view, const QImage& source);

}  // namespace mosaicor
