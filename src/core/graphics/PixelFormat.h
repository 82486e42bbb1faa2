#pragma once
// The pixel format a picture had before it was brought to the 32-bit working format.
// Load operations report it so the window can tell the user what the source was.

#include <QString>

namespace mosaicor {

enum class PixelFormatCode : int {
  Device = 0,
  OneBit = 1,
  FourBits = 2,
  EightBits = 3,
  FifteenBits = 4,
  SixteenBits = 5,
  TwentyFourBits = 6,
  ThirtyTwoBits = 7,
  Custom = 8,  // a layout none of the other codes describes (16 bits with unusual masks)
};

// The text the program shows for a format ("24 bits", "8 bits (256 col)", ...).
// Custom pictures (16 bits with unusual masks) are named like 15-bit ones.
// Read through the installed translation; the companion installs none and prints them in English.
QString PF2String(int code);
inline QString PF2String(PixelFormatCode code) { return PF2String(static_cast<int>(code)); }

}  // namespace mosaicor
