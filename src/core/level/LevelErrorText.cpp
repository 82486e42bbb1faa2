#include "core/level/LevelErrorText.h"

#include "core/level/LevelPlace.h"

namespace mosaicor {

QString LevelPlaceText(const LevelPlace& place) {
  if (!place.Section) return {};
  QString text = place.Room >= 0 ? QStringLiteral("room %1").arg(place.Room)
                                 : QStringLiteral("the %1").arg(QLatin1String(place.Section));
  text += QStringLiteral(" at offset %1 (0x%2)").arg(place.Offset).arg(place.Offset, 0, 16);
  if (place.InLevelData) text += QStringLiteral(" of the inflated level data");
  return text;
}

QString LevelEndsEarlyText(const LevelPlace& place) {
  const QString where = LevelPlaceText(place);
  return where.isEmpty() ? QStringLiteral("level file ends early")
                         : QStringLiteral("level file ends early in ") + where;
}

}  // namespace mosaicor
