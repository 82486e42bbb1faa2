#include "core/level/ObjectTexture.h"

#include <QtEndian>

namespace mosaicor {

int ObjectTextureRecordSize(GameVersion gameVersion) {
  if (gameVersion == GameVersion::TR4) return 38;
  if (gameVersion == GameVersion::TR5) return 40;
  return 20;
}

ObjectTexture DecodeObjectTexture(const std::uint8_t* record, GameVersion gameVersion) {
  const bool extended = HasCompressedChunks(gameVersion);
  ObjectTexture texture;
  texture.Attribute = qFromLittleEndian<quint16>(record);
  texture.Tile = qFromLittleEndian<quint16>(record + 2);
  const std::uint8_t* at = record + 4;
  if (extended) {
    texture.ExtraWord = qFromLittleEndian<quint16>(at);
    at += 2;
  }
  for (ObjectTextureVertex& vertex : texture.Vertices) {
    vertex = {at[0], at[1], at[2], at[3]};
    at += 4;
  }
  if (extended) {
    for (std::uint32_t& value : texture.ExtraLongs) {
      value = qFromLittleEndian<quint32>(at);
      at += 4;
    }
  }
  if (gameVersion == GameVersion::TR5) texture.TrailingWord = qFromLittleEndian<quint16>(at);
  return texture;
}

}  // namespace mosaicor
