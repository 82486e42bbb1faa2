#include "cli/Batch.h"
#include "cli/Commands.h"
#include "cli/Console.h"

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
      PrintText(stdout, QStringLiteral("%1: %2\n").arg(input, facts.brief));
    } else {
      if (!firstBlock) PrintText(stdout, QStringLiteral("\n"));
      firstBlock = false;
      PrintText(stdout, QStringLiteral("file: %1\n").arg(input));
      for (const QString& line : facts.lines) PrintText(stdout, line + '\n');
    }
  }
  return failures ? 1 : 0;
}

}  // namespace mosaicor
