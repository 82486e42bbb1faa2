#include "Commands.h"
#include "Batch.h"

int RunPages(const CliOptions& options) {
  return RunPictureBatch(options, [](const QString&, QImage&, QString& reason) {
    reason = QStringLiteral("pages is not available yet");
    return false;
  });
}
