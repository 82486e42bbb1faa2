#pragma once
// The Mitchell-Netravali cubic (B = C = 1/3) that tiles are resampled with, and the shape of a
// filter function as the tap-list builder takes it.

#include <cmath>

namespace mosaicor {

// A filter: weight of a source pixel at distance t (in filter units) from the sample centre.
using FilterFunction = float (*)(float t);

// Support radius of MitchellKernel in filter units.
inline constexpr float kMitchellRadius = 2.0f;

// (7x³ − 12x² + 16/3) / 6 for x = |t| < 1, (−7/3·x³ + 12x² − 20x + 32/3) / 6 for 1 ≤ x < 2, else 0.
// Rounded to single precision at x², at each bracketed sum and at the quotient, and nowhere
// else, so that the integer weights made from it are reproducible on any compiler.
inline float MitchellKernel(float t) {
  // Between the single-precision roundings the arithmetic runs in double. Every product below
  // except the one with 7/3 is exact in double, so FMA contraction cannot change the result;
  // and the tap lists it gives match 80-bit extended evaluation for every pair of sides up to 256.
  const float x = std::fabs(t);
  const double xd = x;
  const float x2 = static_cast<float>(xd * xd);
  const double cube = static_cast<double>(x2) * xd;
  // Both pieces are worked out and one is picked, which the compiler can do without branching.
  const float inner = static_cast<float>(7.0 * cube - 12.0 * static_cast<double>(x2) + 16.0 / 3.0);
  const float outer = static_cast<float>(-7.0 / 3.0 * cube + 12.0 * static_cast<double>(x2) - 20.0 * xd + 32.0 / 3.0);
  const float bracket = x < 1.0f ? inner : (x < 2.0f ? outer : 0.0f);
  // A single-precision value divided by 6 rounds the same in float as through double.
  return bracket / 6.0f;
}

}  // namespace mosaicor
