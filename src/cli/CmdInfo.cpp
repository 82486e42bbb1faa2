#include "Batch.h"
#include "Commands.h"

#include "extraction/TombRaiderFileModule.h"

#include <cstdio>

int RunInfo(const CliOptions& options) {
  int failures = 0;
  bool firstBlock = true;
  for (const QString& input : options.inputs) {
    FileFacts facts;
    QString reason;
    const bool ok =
        HasLevelExtension(input) ? DescribeLevel(input, facts, reason) : DescribePicture(input, facts, reason);
    if (!ok) {
      ReportFailure(input, reason);
      ++failures;
      continue;
    }
    if (options.brief) {
      std::fputs(qPrintable(QStringLiteral("%1: %2\n").arg(input, facts.brief)), stdout);
    } else {
      if (!firstBlock) std::fputs("\n", stdout);
      firstBlock = false;
      std::fputs(qPrintable(QStringLiteral("file: %1\n").arg(input)), stdout);
      for (const QString& line : facts.lines) std::fputs(qPrintable(line + '\n'), stdout);
    }
    std::fflush(stdout);
  }
  return failures ? 1 : 0;
}
