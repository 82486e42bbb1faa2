#pragma once
// The object-texture record of every generation in one in-memory form. The animated-texture
// extraction reads Tile and the pixel bytes of the vertices; the other fields are kept as stored.

#include "core/level/GameVersion.h"

#include <array>
#include <cstdint>

namespace mosaicor {

struct ObjectTextureVertex {
  std::uint8_t ULow = 0;
  std::uint8_t UPixel = 0;  // pixel column inside the page
  std::uint8_t VLow = 0;
  std::uint8_t VPixel = 0;  // pixel row inside the page
  bool operator==(const ObjectTextureVertex&) const = default;
};

struct ObjectTexture {
  std::uint16_t Attribute = 0;
  std::uint16_t Tile = 0;       // page index exactly as stored, flags included
  std::uint16_t ExtraWord = 0;  // TR4, TR5
  std::array<ObjectTextureVertex, 4> Vertices{};
  std::array<std::uint32_t, 4> ExtraLongs{};  // TR4, TR5
  std::uint16_t TrailingWord = 0;             // TR5
  bool operator==(const ObjectTexture&) const = default;
};

// Bytes of one record in a file of the given GameVersion: 20 (1-5), 38 (6), 40 (7).
int ObjectTextureRecordSize(GameVersion gameVersion);
// Decodes one record of ObjectTextureRecordSize(gameVersion) bytes.
ObjectTexture DecodeObjectTexture(const std::uint8_t* record, GameVersion gameVersion);

}  // namespace mosaicor
