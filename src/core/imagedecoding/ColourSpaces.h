#pragma once
// The two colour conversions that bring pictures made for print or for light to the screen's
// sRGB: CIE L*a*b* (D50, as Photoshop and TIFF store it) and linear light (Photoshop's 32-bit
// floating point pictures). Results are fractions of full scale, clamped to 0 to 1.

namespace mosaicor {

struct Rgb {
  float r = 0, g = 0, b = 0;
};

// sRGB's transfer curve: a linear fraction of full light to the encoded fraction.
float LinearToSrgb(float linear);

// L* from 0 to 100, a* and b* around 0, to encoded sRGB, white point adapted from D50 to D65.
Rgb LabToSrgb(float l, float a, float b);

}  // namespace mosaicor
