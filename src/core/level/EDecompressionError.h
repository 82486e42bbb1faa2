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

 protected:
  explicit EDecompressionError(const std::string& message) : std::runtime_error(message) {}
};

// Compressed data that is sound so far but would inflate beyond the bound set for it: not damage
// but a size no real level reaches, which the user is told as such.
class EInflateLimitError : public EDecompressionError {
 public:
  explicit EInflateLimitError(long long limitBytes)
      : EDecompressionError("compressed data unpacks to more than " + std::to_string(limitBytes >> 20) +
                            " MiB, more than any level holds") {}
};
