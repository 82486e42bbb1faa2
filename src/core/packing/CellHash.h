#pragma once
// The hash that tells 64 x 64 cells of a texture set apart: 64 bits over the red, green and blue
// of 32-bit pixels (alpha does not count, a set is saved without it), in four independent lanes
// so that it runs at the speed memory delivers the pixels. Pixels are read two at a time.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace mosaicor {

class CellHasher {
 public:
  static constexpr uint64_t kColourBits = 0x00FFFFFF00FFFFFFull;

  // Feeds `pairs` pairs of ARGB32 pixels; `fill` pair is what an empty cell holds (its alpha
  // bytes are ignored).
  void Feed(const unsigned char* pixels, size_t pairs, uint64_t fill) {
    fill &= kColourBits;
    size_t i = 0;
    for (; i + 4 <= pairs; i += 4, pixels += 32) {
      uint64_t w[4];
      std::memcpy(w, pixels, 32);
      for (int k = 0; k < 4; ++k) {
        const uint64_t colour = w[k] & kColourBits;
        differs_ |= colour ^ fill;
        lane_[k] = Mix(lane_[k], colour);
      }
    }
    for (; i < pairs; ++i, pixels += 8) {
      uint64_t w;
      std::memcpy(&w, pixels, 8);
      differs_ |= (w & kColourBits) ^ fill;
      lane_[0] = Mix(lane_[0], w & kColourBits);
    }
  }

  uint64_t Hash() const {
    uint64_t h = 0x243F6A8885A308D3ull;
    for (uint64_t lane : lane_) h = Mix(h, lane);
    return h;
  }
  // No pixel fed so far differs from the fill colour.
  bool AllFill() const { return differs_ == 0; }

  static uint64_t FillPair(uint32_t fill) { return (uint64_t(fill) << 32) | fill; }

 private:
  static uint64_t Mix(uint64_t h, uint64_t w) {
    h = (h ^ w) * 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 29);
  }

  uint64_t lane_[4] = {1, 2, 3, 4};
  uint64_t differs_ = 0;
};

}  // namespace mosaicor
