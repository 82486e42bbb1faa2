#include "cli/Batch.h"
#include "cli/Commands.h"

#include "core/imagefiles/SourceFile.h"
#include "core/level/ObjectLibrary.h"

#include <cstdio>

namespace mosaicor {

namespace {

Result<FileFacts> Describe(const QString& input, bool census, CensusMode mode) {
  if (SourceKindOf(input) == SourceKind::Picture) return DescribePicture(input, census, mode);
  if (census) return Failure<>{QStringLiteral("--census counts the cells of a texture set, not of a level")};
  if (HasObjectLibraryExtension(input)) return DescribeObjectLibrary(input);
  return DescribeLevel(input);
}

}  // namespace

int RunInfo(const CliOptions& options) {
  int failures = 0;
  bool firstBlock = true;
  for (const QString& input : options.inputs) {
    const Result<FileFacts> described = Describe(input, options.census, options.censusMode);
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
