#pragma once
// The Mitchell-Netravali cubic (B = C = 1/3) that tiles are resampled with, and the shape of a
// filter function as the tap-list builder takes it.

// A filter: weight of a source pixel at distance t (in filter units) from the sample centre.
using FilterFunction = float (*)(float t);

// Support radius of MitchellKernel in filter units.
inline constexpr float kMitchellRadius = 2.0f;

// (7x³ − 12x² + 16/3) / 6 for x = |t| < 1, (−7/3·x³ + 12x² − 20x + 32/3) / 6 for 1 ≤ x < 2, else 0.
// Rounded to single precision at x², at each bracketed sum and at the quotient, and nowhere
// else, so that the integer weights made from it are reproducible on any compiler.
float MitchellKernel(float t);
