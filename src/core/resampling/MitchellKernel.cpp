#include "resampling/MitchellKernel.h"

#include <cmath>

float MitchellKernel(float t) {
  // Between the single-precision roundings the arithmetic runs in double. Every product below
  // except the one with 7/3 is exact in double, so FMA contraction cannot change the result;
  // and double agrees with 80-bit extended evaluation on every tap list of sides up to 400.
  const float x = std::fabs(t);
  if (x >= 2.0f) return 0.0f;
  const double xd = x;
  const float x2 = static_cast<float>(xd * xd);
  const double cube = static_cast<double>(x2) * xd;
  float bracket;
  if (x < 1.0f) {
    bracket = static_cast<float>(7.0 * cube - 12.0 * static_cast<double>(x2) + 16.0 / 3.0);
  } else {
    bracket = static_cast<float>(-7.0 / 3.0 * cube + 12.0 * static_cast<double>(x2) - 20.0 * xd + 32.0 / 3.0);
  }
  return static_cast<float>(static_cast<double>(bracket) / 6.0);
}
