// libFuzzer target for the level reader. The first byte picks the file name (for the name tests
// that tell TR1 Gold, the second TR2 variant and TR5 apart) and the textures-only mode; the rest
// is the file, parsed straight from the fuzzer's buffer so that any read past it is caught.

#include "core/level/LevelReader.h"
#include "core/level/MemoryFile.h"

#include <cstdint>
#include <cstdlib>

using namespace mosaicor;

namespace {

// What every load, finished or not, must leave: tables and counts that agree, and page sets
// that hold TextileCount whole pages.
void CheckConsistent(const LevelReader& level) {
  const qint64 pages = level.TextileCount;
  bool ok = pages >= 0;
  if (int(level.GameVersion) >= 1 && int(level.GameVersion) <= 5) ok = ok && level.Textiles8.size() >= pages * 65536;
  if (int(level.GameVersion) >= 3) ok = ok && level.Textiles16.size() >= pages * 131072;
  if (int(level.GameVersion) >= 6) ok = ok && level.Textiles32.size() >= pages * 262144;
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static const char* const names[] = {"f.phd", "f.tub", "f.tr2", "f.trg", "f.tr4", "f.trc", "f.TUB", "f.TRC"};
  const std::uint8_t selector = data[0];
  const QByteArray content = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  LevelReader level;
  // A failure (a damaged chunk, more pages than any level has) is an expected outcome; whatever
  // the outcome, what was read must agree with itself.
  (void)level.LoadFromMemory(content, QLatin1String(names[selector & 7]), (selector & 8) != 0);
  CheckConsistent(level);
  return 0;
}
