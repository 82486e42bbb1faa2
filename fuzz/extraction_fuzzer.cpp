// libFuzzer target for the level texture extraction: a level of any generation, read from memory,
// turned into its page picture in both modes and into its animated-texture layout. The first
// byte picks the file name (and with it the generation tests that look at the name).

#include "core/extraction/AnimatedLayout.h"
#include "core/extraction/LevelPages.h"
#include "core/level/LevelReader.h"

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
    // Damaged compressed data and the like are failures the callers report.
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
    const std::vector<AnimSlot> laid =
        LayoutAnimSlots(level.AnimatedTextures, level.ObjectTextures, level.TextileCount);
    const QImage animated = DrawAnimSlots(pages, laid);
    if (!laid.empty() && animated.height() != 64 * (laid.back().Slot / 4 + 1)) __builtin_trap();
  }
  return 0;
}
