#include "Commands.h"
#include "Batch.h"

int RunAnimated(const CliOptions& options) {
  return RunPictureBatch(options, [](const QString&, QImage&, QString& reason) {
    reason = QStringLiteral("animated is not available yet");
    return false;
  });
}
