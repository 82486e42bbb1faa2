#include "Commands.h"
#include "Batch.h"

int RunResize(const CliOptions& options) {
  return RunPictureBatch(options, [](const QString&, QImage&, QString& reason) {
    reason = QStringLiteral("resize is not available yet");
    return false;
  });
}
