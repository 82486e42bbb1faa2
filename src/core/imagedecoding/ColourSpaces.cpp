#include "core/imagedecoding/ColourSpaces.h"

#include <algorithm>
#include <cmath>

namespace mosaicor {

float LinearToSrgb(float linear) {
  const float c = std::clamp(linear, 0.0f, 1.0f);
  return c <= 0.0031308f ? 12.92f * c : 1.055f * std::pow(c, 1.0f / 2.4f) - 0.055f;
}

namespace {

// The inverse of the L*a*b* companding function.
float LabInverse(float t) {
  constexpr float delta = 6.0f / 29.0f;
  return t > delta ? t * t * t : 3 * delta * delta * (t - 4.0f / 29.0f);
}

}  // namespace

Rgb LabToSrgb(float l, float a, float b) {
  const float fy = (l + 16) / 116;
  const float x = 0.96422f * LabInverse(fy + a / 500);
  const float y = LabInverse(fy);
  const float z = 0.82521f * LabInverse(fy - b / 200);
  // XYZ (D50) to linear sRGB, with Bradford's adaptation to D65 folded in.
  return {LinearToSrgb(3.1338561f * x - 1.6168667f * y - 0.4906146f * z),
          LinearToSrgb(-0.9787684f * x + 1.9161415f * y + 0.0334540f * z),
          LinearToSrgb(0.0719453f * x - 0.2289914f * y + 1.4052427f * z)};
}

}  // namespace mosaicor
