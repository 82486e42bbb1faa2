#include "Commands.h"

bool DescribePicture(const QString&, QStringList&, QString& reason) {
  reason = QStringLiteral("picture information is not available yet");
  return false;
}
