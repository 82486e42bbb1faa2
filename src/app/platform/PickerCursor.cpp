#include "platform/PickerCursor.h"

#include <QFile>
#include <QPixmap>

QCursor LoadPickerCursor() {
  const QPixmap picture(QStringLiteral(":/PICKER"));
  if (picture.isNull()) return QCursor(Qt::CrossCursor);
  return QCursor(picture, 0, picture.height() - 1);
}
