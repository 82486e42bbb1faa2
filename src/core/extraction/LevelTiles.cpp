#include "core/extraction/LevelTiles.h"

#include "core/extraction/LevelPages.h"
#include "core/level/LevelReader.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <new>
#include <tuple>

namespace mosaicor {

namespace {

constexpr int kTriangleFlag = 0x8000;

// Places sort by page, then x, then y (the order of the file names), then size.
using PlaceKey = std::tuple<int, int, int, int, int>;

PlaceKey KeyOf(const ObjectTextureCut& cut) {
  return {cut.Page, cut.Rect.x(), cut.Rect.y(), cut.Rect.width(), cut.Rect.height()};
}

void Join(TilePlace& place, int index, const ObjectTexture& texture, const ObjectTextureCut& cut, bool animated) {
  if (place.ObjectTextures.empty()) place.Attribute = texture.Attribute;
  place.ObjectTextures.push_back(index);
  place.Triangle = place.Triangle || cut.Triangle;
  place.Animated = place.Animated || animated;
}

}  // namespace

CornerRule CornerRuleOf(const std::vector<ObjectTexture>& textures) {
  bool edgeMarks = false;
  for (const ObjectTexture& texture : textures)
    for (const ObjectTextureVertex& v : texture.Vertices)
      for (const std::uint8_t fraction : {v.ULow, v.VLow}) {
        if (fraction != 0 && fraction != 1 && fraction != 0xFF) return CornerRule::FixedPoint;
        edgeMarks = edgeMarks || fraction != 0;
      }
  return edgeMarks ? CornerRule::Inclusive : CornerRule::FixedPoint;
}

std::optional<ObjectTextureCut> CutOfObjectTexture(const ObjectTexture& texture, GameVersion gameVersion,
                                                   int textileCount, CornerRule rule) {
  ObjectTextureCut cut;
  cut.Page = texture.Tile & ~kTriangleFlag;
  if (cut.Page >= textileCount) return std::nullopt;
  const ObjectTextureVertex& fourth = texture.Vertices[3];
  if (HasCompressedChunks(gameVersion))
    cut.Triangle = (texture.Tile & kTriangleFlag) != 0;
  else if (rule == CornerRule::Inclusive)
    cut.Triangle = fourth.ULow == 0 && fourth.VLow == 0;
  else
    cut.Triangle = fourth == ObjectTextureVertex{};
  const int corners = cut.Triangle ? 3 : 4;
  // Values in 1/256 pixel: the pixel byte above the fraction byte.
  int low[2] = {0xFFFF, 0xFFFF}, high[2] = {0, 0};
  for (int i = 0; i < corners; ++i) {
    const ObjectTextureVertex& v = texture.Vertices[size_t(i)];
    const int value[2] = {v.UPixel << 8 | v.ULow, v.VPixel << 8 | v.VLow};
    for (int axis = 0; axis < 2; ++axis)
      low[axis] = std::min(low[axis], value[axis]), high[axis] = std::max(high[axis], value[axis]);
  }
  int begin[2], end[2];  // end excluded
  for (int axis = 0; axis < 2; ++axis) {
    begin[axis] = low[axis] >> 8;
    end[axis] = rule == CornerRule::Inclusive ? (high[axis] >> 8) + 1 : (high[axis] + 0xFF) >> 8;
    // A page has 256 pixels a side, so neither end can leave it; a corner-less span keeps one pixel.
    end[axis] = std::max(end[axis], begin[axis] + 1);
  }
  cut.Rect = QRect(begin[0], begin[1], end[0] - begin[0], end[1] - begin[1]);
  return cut;
}

std::vector<bool> AnimatedObjectTextures(const std::vector<std::uint16_t>& words, std::size_t count) {
  std::vector<bool> animated(count, false);
  if (words.empty()) return animated;
  std::size_t k = 1;
  for (int range = 0; range < words[0] && k < words.size(); ++range) {
    const std::size_t m = std::size_t(words[k]) + 1;
    if (k + m >= words.size()) break;
    for (std::size_t i = 1; i <= m; ++i)
      if (words[k + i] < count) animated[words[k + i]] = true;
    k += m + 1;
  }
  return animated;
}

std::size_t TilePixelsHash(const QImage& pixels) {
  const std::size_t seed = qHashMulti(0, pixels.width(), pixels.height());
  return qHashBits(pixels.constBits(), std::size_t(pixels.sizeInBytes()), seed);
}

int LevelTileSet::Find(const QImage& pixels, std::size_t hash) const {
  for (auto it = byPixels_.constFind(hash); it != byPixels_.cend() && it.key() == hash; ++it) {
    const QImage& kept = tiles_[size_t(it.value())].Pixels;
    if (kept.size() == pixels.size() &&
        std::memcmp(kept.constBits(), pixels.constBits(), size_t(pixels.sizeInBytes())) == 0)
      return it.value();
  }
  return -1;
}

bool LevelTileSet::AddLevel(const QString& levelName, const QImage& pages32, const LevelReader& level) {
  const std::vector<ObjectTexture>& textures = level.ObjectTextures;
  const std::vector<bool> animated = AnimatedObjectTextures(level.AnimatedTextures, textures.size());
  const int pages = std::min(level.TextileCount, pages32.height() / kLevelPageSide);

  // Merging, object textures on the same rectangle share a place; otherwise each has its own.
  std::map<std::pair<PlaceKey, int>, TilePlace> places;
  const CornerRule rule = CornerRuleOf(textures);
  int skipped = 0;
  for (int i = 0; i < int(textures.size()); ++i) {
    const std::optional<ObjectTextureCut> cut =
        CutOfObjectTexture(textures[size_t(i)], level.GameVersion, pages, rule);
    if (!cut) {
      ++skipped;
      continue;
    }
    TilePlace& place = places[{KeyOf(*cut), merge_ ? 0 : i}];
    if (place.ObjectTextures.empty()) {
      place.Level = levelName;
      place.Page = cut->Page;
      place.Rect = cut->Rect;
    }
    Join(place, i, textures[size_t(i)], *cut, animated[size_t(i)]);
  }

  std::vector<LevelTile> tiles = tiles_;  // shares the pixels; replaces tiles_ once all went well
  QMultiHash<std::size_t, int> byPixels = byPixels_;
  std::swap(tiles, tiles_);
  std::swap(byPixels, byPixels_);
  for (auto& [key, place] : places) {
    const QImage pixels = pages32.copy(place.Rect.translated(0, place.Page * kLevelPageSide));
    if (pixels.isNull()) {
      std::swap(tiles, tiles_);
      std::swap(byPixels, byPixels_);
      return false;
    }
    const std::size_t hash = TilePixelsHash(pixels);
    const int found = Find(pixels, hash);
    if (merge_ && found >= 0) {
      tiles_[size_t(found)].Places.push_back(std::move(place));
      continue;
    }
    // Unmerged tiles of the same pixels still share one copy of them.
    tiles_.push_back({found >= 0 ? tiles_[size_t(found)].Pixels : pixels, {std::move(place)}});
    if (found < 0) byPixels_.insert(hash, int(tiles_.size()) - 1);
  }
  levels_ << levelName;
  objectTextures_ += int(textures.size());
  skipped_ += skipped;
  return true;
}

}  // namespace mosaicor
