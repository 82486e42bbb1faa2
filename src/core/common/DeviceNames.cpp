#include "core/common/DeviceNames.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace mosaicor {

bool IsDeviceName(const QString& path) {
#if defined(Q_OS_WIN)
  if (path.startsWith(QLatin1String("\\\\.\\")) || path.startsWith(QLatin1String("//./")) ||
      path.startsWith(QLatin1String("\\\\?\\GLOBALROOT"), Qt::CaseInsensitive))
    return true;
  // The device is named by what comes before the first dot, trailing blanks ignored.
  const QString name = QFileInfo(path).fileName().section('.', 0, 0).trimmed();
  static const QRegularExpression devices(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])$"),
                                          QRegularExpression::CaseInsensitiveOption);
  return devices.match(name).hasMatch();
#else
  Q_UNUSED(path);
  return false;
#endif
}

}  // namespace mosaicor
