#include "Batch.h"

#include "imagefiles/TgaWriter.h"

#include <QFileInfo>

bool WriteOutput(const QImage& picture, const QString& path, bool alpha, QString& reason) {
  if (alpha) return SaveAsUncompTGA32bits(picture, path, reason);
  reason = QStringLiteral("writing .%1 files is not available yet (use --alpha for a 32-bit TGA)")
               .arg(QFileInfo(path).suffix().toUpper());
  return false;
}
