#pragma once
// Bringing 16-bit pictures to the 32-bit working format (QImage::Format_ARGB32,
// bytes blue, green, red, alpha) while keeping the only transparency the source has:
// bit 15 of each word, for 15-bit pictures.

#include <QImage>
#include <cstdint>

namespace mosaicor {

// Widens a 5-bit colour component to 8 bits by bit replication, so 31 becomes 255 and the
// masked 15-bit magenta comes out as the exact transparent colour (255, 0, 255).
constexpr uint8_t Widen5To8(unsigned v) { return static_cast<uint8_t>(((v & 31u) << 3) | ((v & 31u) >> 2)); }

// Expects a picture with 16 bits per pixel whose words are laid out x-rrrrr-ggggg-bbbbb
// (RGB555 as stored, bit 15 kept): colours widened to 8 bits, alpha 255 where bit 15 is set
// and 0 where it is clear. Any other picture is left as it is; returns false for it.
bool Convert16BitsTo32Bits(QImage& image);

}  // namespace mosaicor
