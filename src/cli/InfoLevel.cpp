// `info` for level files: what the level reader finds in them, or why it cannot read them.

#include "cli/Commands.h"

#include "core/extraction/LevelPages.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/graphics/PixelFormat.h"
#include "core/level/LevelErrorText.h"
#include "core/level/LevelReader.h"

#include <new>

namespace mosaicor {

namespace {

QString GenerationName(GameVersion gameVersion) {
  switch (gameVersion) {
    case GameVersion::TR1:
      return QStringLiteral("TR1");
    case GameVersion::TR1Gold:
      return QStringLiteral("TR1 Gold");
    case GameVersion::TR2:
    case GameVersion::TR2Trg:
      return QStringLiteral("TR2");
    case GameVersion::TR3:
      return QStringLiteral("TR3");
    case GameVersion::TR4:
      return QStringLiteral("TR4");
    default:
      return QStringLiteral("TR5");
  }
}

// The ranges the animated-texture list really holds: a range whose words run past the end of
// the list is not counted.
int WholeAnimatedRanges(const std::vector<std::uint16_t>& words) {
  if (words.empty()) return 0;
  size_t at = 1;
  int ranges = 0;
  for (; ranges < words[0] && at < words.size(); ++ranges) {
    const size_t next = at + 1 + size_t(words[at]) + 1;
    if (next > words.size()) break;
    at = next;
  }
  return ranges;
}

// Says why a level that loaded is still not sound; empty when it is.
QString DamageOf(const LevelReader& level) {
  if (level.Truncated) return LevelEndsEarlyText(level.Place);
  if (level.PagesShortened) return LevelLoadFailureText(LevelLoadFailure::PagesMissing);
  return {};
}

// Where the file was read in another layout than its name picks, which one.
QString LayoutText(const LevelReader& level) {
  if (IsTr1Generation(level.GameVersion))
    return level.PaletteAfterSprites ? QStringLiteral("palette after the sprite sequences, as in TR1 demo levels")
                                     : QStringLiteral("palette after the light map, as in TR1 levels");
  return QStringLiteral("%1, whatever the name says").arg(GenerationName(level.GameVersion));
}

Result<FileFacts> Describe(const QString& path) {
  LevelReader level;
  if (const LevelOutcome loaded = level.LoadFromFile(path, false); !loaded) return Failure<>{loaded.Text()};
  if (const QString damage = DamageOf(level); !damage.isEmpty()) return Failure<>{damage};
  FileFacts facts;
  const QString generation = GenerationName(level.GameVersion);
  const QString pixelFormat = PF2String(LevelPagePixelFormat(level.GameVersion));
  const int ranges = WholeAnimatedRanges(level.AnimatedTextures);
  facts.lines << QStringLiteral("generation: %1").arg(generation)
              << QStringLiteral("game_version: %1").arg(int(level.GameVersion))
              << QStringLiteral("file_version: 0x%1").arg(level.FileVersion, 8, 16, QLatin1Char('0'));
  if (level.LayoutFromContent) facts.lines << QStringLiteral("layout: %1").arg(LayoutText(level));
  facts.lines << QStringLiteral("pages: %1").arg(level.TextileCount)
              << QStringLiteral("pixel_format: %1").arg(pixelFormat)
              << QStringLiteral("object_textures: %1").arg(level.ObjectTextures.size())
              << QStringLiteral("animated_ranges: %1").arg(ranges) << QStringLiteral("rooms: %1").arg(level.RoomCount);
  facts.brief = QStringLiteral("%1 level, %2 pages of %3, %4 object textures, %5 animated ranges, %6 rooms")
                    .arg(generation)
                    .arg(level.TextileCount)
                    .arg(pixelFormat)
                    .arg(level.ObjectTextures.size())
                    .arg(ranges)
                    .arg(level.RoomCount);
  return facts;
}

}  // namespace

Result<FileFacts> DescribeLevel(const QString& path) {
  try {
    return Describe(path);
  } catch (const std::bad_alloc&) {
    return Failure<>{QStringLiteral("out of memory")};
  }
}

}  // namespace mosaicor
