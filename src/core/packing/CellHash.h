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
  void Feed(const unsigned char* pixels, size_t pairs, uint64_t fill) { FeedRows(pixels, 0, 1, pairs, fill); }

  // Feeds `rows` runs of `pairs` pixel pairs each, `stride` bytes apart: a cell of a set, whose
  // lanes stay in registers from its first row to its last.
  void FeedRows(const unsigned char* first, ptrdiff_t stride, int rows, size_t pairs, uint64_t fill) {
    fill &= kColourBits;
    uint64_t a = lane_[0], b = lane_[1], c = lane_[2], d = lane_[3], differs = differs_;
    for (int row = 0; row < rows; ++row, first += stride) {
      const unsigned char* pixels = first;
      size_t i = 0;
      for (; i + 4 <= pairs; i += 4, pixels += 32) {
        uint64_t w[4];
        std::memcpy(w, pixels, 32);
        for (uint64_t& word : w) word &= kColourBits;
        differs |= (w[0] ^ fill) | (w[1] ^ fill) | (w[2] ^ fill) | (w[3] ^ fill);
        a = Mix(a, w[0]), b = Mix(b, w[1]), c = Mix(c, w[2]), d = Mix(d, w[3]);
      }
      for (; i < pairs; ++i, pixels += 8) {
        uint64_t w;
        std::memcpy(&w, pixels, 8);
        differs |= (w & kColourBits) ^ fill;
        a = Mix(a, w & kColourBits);
      }
    }
    lane_[0] = a, lane_[1] = b, lane_[2] = c, lane_[3] = d, differs_ = differs;
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
