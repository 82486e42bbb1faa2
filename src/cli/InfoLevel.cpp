// `info` for level files: what the level reader finds in them, or why it cannot read them.

#include "Commands.h"

#include "graphics/PixelFormat.h"
#include "level/LevelErrorText.h"
#include "level/Ttrlevel.h"

#include <QFileInfo>

namespace {

QString GenerationName(int gameVersion) {
  switch (gameVersion) {
    case 1:
      return QStringLiteral("TR1");
    case 2:
      return QStringLiteral("TR1 Gold");
    case 3:
    case 4:
      return QStringLiteral("TR2");
    case 5:
      return QStringLiteral("TR3");
    case 6:
      return QStringLiteral("TR4");
    default:
      return QStringLiteral("TR5");
  }
}

PixelFormatCode PagePixelFormat(int gameVersion) {
  if (gameVersion <= 2) return PixelFormatCode::EightBits;
  if (gameVersion <= 5) return PixelFormatCode::FifteenBits;
  return PixelFormatCode::ThirtyTwoBits;
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
QString DamageOf(const Ttrlevel& level) {
  if (level.Truncated) return QStringLiteral("level file ends early");
  if (level.PagesShortened) return QStringLiteral("32-bit texture pages are missing");
  return {};
}

bool Describe(const QString& path, QStringList& lines, QString& reason) {
  Ttrlevel level;
  switch (level.LoadFromFile(path, false)) {
    case Ttrlevel::LoadFileMissing:
      reason = QStringLiteral("file not found");
      return false;
    case Ttrlevel::LoadUnknownVersion:
      reason = QStringLiteral("unknown level version");
      return false;
    default:
      break;
  }
  reason = DamageOf(level);
  if (!reason.isEmpty()) return false;
  lines << QStringLiteral("generation: %1").arg(GenerationName(level.GameVersion))
        << QStringLiteral("game_version: %1").arg(level.GameVersion)
        << QStringLiteral("file_version: 0x%1").arg(level.FileVersion, 8, 16, QLatin1Char('0'))
        << QStringLiteral("pages: %1").arg(level.TextileCount)
        << QStringLiteral("pixel_format: %1").arg(PF2String(PagePixelFormat(level.GameVersion)))
        << QStringLiteral("object_textures: %1").arg(level.ObjectTextureCount)
        << QStringLiteral("animated_ranges: %1").arg(WholeAnimatedRanges(level.AnimatedTextures))
        << QStringLiteral("rooms: %1").arg(level.RoomCount);
  return true;
}

}  // namespace

bool IsLevelFileName(const QString& path) {
  static const QStringList extensions = {"PHD", "TUB", "TR2", "TRG", "TR4", "TRC"};
  return extensions.contains(QFileInfo(path).suffix().toUpper());
}

bool DescribeLevel(const QString& path, QStringList& lines, QString& reason) {
  try {
    return Describe(path, lines, reason);
  } catch (...) {
    reason = LevelErrorText(std::current_exception());
  }
  lines.clear();
  return false;
}
