#include "Batch.h"
#include "Commands.h"

#include "extraction/TombRaiderFileModule.h"

#include <cstdio>

namespace mosaicor {

int RunInfo(const CliOptions& options) {
  int failures = 0;
  bool firstBlock = true;
  for (const QString& input : options.inputs) {
    const bool level = HasLevelExtension(input);
    const Result<FileFacts> described =
        level && options.census
            ? Result<FileFacts>(Failure<>{QStringLiteral("--census counts the cells of a texture set, not of a level")})
        : level ? DescribeLevel(input)
                : DescribePicture(input, options.census);
    if (!described) {
      ReportFailure(input, described.Text());
      ++failures;
      continue;
    }
    const FileFacts& facts = described.Value();
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

}  // namespace mosaicor
