#include "level/LevelErrorText.h"

#include "level/EDecompressionError.h"
#include "level/LevelPlace.h"
#include "level/MemoryFile.h"

#include <new>

QString LevelErrorText(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const EInflateLimitError& tooLarge) {
    return QString::fromStdString(tooLarge.what());
  } catch (const EDecompressionError& damage) {
    if (damage.Where.empty()) return QStringLiteral("damaged compressed data");
    return QStringLiteral("damaged compressed data in ") + QString::fromStdString(damage.Where);
  } catch (const EFileReadError& readError) {
    return QString::fromStdString(readError.what());
  } catch (const std::bad_alloc&) {
    return QStringLiteral("out of memory");
  } catch (const std::exception& other) {
    return QString::fromStdString(other.what());
  } catch (...) {
    return QStringLiteral("unexpected error");
  }
}

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
