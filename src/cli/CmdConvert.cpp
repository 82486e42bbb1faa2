#include "Commands.h"
#include "Batch.h"

int RunConvert(const CliOptions& options) {
  return RunPictureBatch(options, [](const QString&, QImage&, QString& reason) {
    reason = QStringLiteral("convert is not available yet");
    return false;
  });
}
