#include "cli/Batch.h"
#include "cli/Commands.h"
#include "cli/SameFile.h"

#include "core/imagefiles/AtomicWrite.h"
#include "core/packing/Compaction.h"
#include "core/packing/SetGeometry.h"

#include <new>

namespace mosaicor {

namespace {

Result<CompactedSet> Compact(const QString& input, CensusMode mode) {
  try {
    QImage picture;
    PixelFormatCode format = PixelFormatCode::Device;
    if (const PictureOutcome read = LoadQuietly(input, picture, format); !read) return FailureLine(read);
    const QImage set = AsTextureSet(picture, kCliSetFill);
    if (set.isNull()) return Failure<>{QStringLiteral("not enough memory")};
    TileCensus census;
    census.Take(set, kCliSetFill, mode);
    return CompactSet(set, kCliSetFill, census);
  } catch (const std::bad_alloc&) {
    return Failure<>{QStringLiteral("not enough memory")};
  }
}

}  // namespace

int RunCompact(const CliOptions& options) {
  const QString& input = options.inputs.front();
  // Neither file may take the place of the set before it is read.
  if (IsSameFile(options.output, input) || (!options.map.isEmpty() && IsSameFile(options.map, input))) {
    ReportFailure(input, QStringLiteral("the output would overwrite this input"));
    return 1;
  }
  const Result<CompactedSet> compacted = Compact(input, options.censusMode);
  if (!compacted) {
    ReportFailure(input, compacted.Text());
    return 1;
  }
  if (Outcome<> written = WriteOutput(compacted->set, options.output, false); !written) {
    ReportFailure(options.output, written.Text());
    return 1;
  }
  if (!options.map.isEmpty())
    if (Outcome<> written = WriteFileAtomically(options.map, MoveMapCsv(compacted->moves)); !written) {
      ReportFailure(options.map, written.Text());
      return 1;
    }
  if (options.verbose)
    ReportNote(options, QStringLiteral("%1: %2 used cells, %3 kept, %4 pages")
                            .arg(input)
                            .arg(compacted->moves.size())
                            .arg(compacted->kept)
                            .arg(compacted->set.height() / kSetPageSide));
  return 0;
}

}  // namespace mosaicor
