#pragma once
// The error a level load raises when compressed data cannot be inflated: a zlib stream that is
// damaged, cut short, or that would inflate beyond any size a real level reaches.

#include <stdexcept>

class EDecompressionError : public std::runtime_error {
 public:
  EDecompressionError() : std::runtime_error("error") {}
};
