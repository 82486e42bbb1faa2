#pragma once
// The error a level load raises when compressed data cannot be inflated: a zlib stream that is
// damaged, cut short, or that would inflate beyond any size a real level reaches.

#include <stdexcept>
#include <string>

class EDecompressionError : public std::runtime_error {
 public:
  EDecompressionError() : std::runtime_error("error") {}
  // Where the level walk met the data ("the 16-bit page chunk at offset ..."); empty when the
  // error did not come from a walk. what() stays the plain "error".
  std::string Where;
};
