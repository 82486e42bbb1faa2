// libFuzzer target for a level's textures as tiles: a level of any generation, read from memory
// with its tables, cut object texture by object texture in both transparency modes, merged and
// unmerged, and laid out in sheets. The first byte picks the file name (and with it the
// generation tests that look at the name).

#include "core/extraction/LevelPages.h"
#include "core/extraction/LevelTiles.h"
#include "core/level/LevelReader.h"
#include "core/packing/TileSheets.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <new>

using namespace mosaicor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static const char* const names[] = {"level.phd", "level.tub", "level.tr2", "level.trg", "level.tr4", "level.trc"};
  const QString name = QString::fromLatin1(names[data[0] % 6]);
  LevelReader level;
  try {
    if (!level.LoadFromMemory(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)), name, false)
             .Ok())
      return 0;
  } catch (const std::bad_alloc&) {
    return 0;  // exhausted memory: reported by the callers
  }
  if (level.TextileCount > 16) return 0;  // keeps each run short; the sizes are bounded by the reader
  for (bool mask : {false, true}) {
    const QImage pages = LevelPagesAs32Bits(level, mask);
    if (pages.isNull()) continue;
    for (bool merge : {true, false}) {
      LevelTileSet tiles(merge);
      if (!tiles.AddLevel(name, pages, level)) continue;
      std::size_t places = 0;
      std::vector<QImage> pixels;
      for (const LevelTile& tile : tiles.Tiles()) {
        for (const TilePlace& place : tile.Places) {
          places += place.ObjectTextures.size();
          if (place.Rect.size() != tile.Pixels.size() || !QRect(0, 0, 256, 256).contains(place.Rect)) __builtin_trap();
        }
        pixels.push_back(tile.Pixels);
      }
      if (int(places) + tiles.Skipped() != tiles.ObjectTextures()) __builtin_trap();
      if (merge && !PackTileSheets(pixels, 256, 0xFF000000u).Ok()) __builtin_trap();
    }
  }
  return 0;
}
