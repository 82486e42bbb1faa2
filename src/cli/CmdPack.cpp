#include "cli/Batch.h"
#include "cli/Commands.h"
#include "cli/QuietStderr.h"
#include "cli/SameFile.h"

#include "core/imagefiles/ImageFileModule.h"
#include "core/imagefiles/FrameSheet.h"
#include "core/packing/SetGeometry.h"
#include "core/packing/TilePacker.h"

#include <new>
#include <optional>
#include <vector>

namespace mosaicor {

namespace {

// A new set, and the free cells of one, are black: the Target's colour from start-up.
constexpr QRgb kSetFill = 0xFF000000u;

// The set the pictures go into: --into's, widened to --width if that is wider, or a new black page.
// A set is taken whole or not at all: one larger than a set can be is refused with what packing
// into it would lose, and one of another shape grows to whole pages, which the note says.
Result<QImage> StartingSet(const CliOptions& options) {
  const int width = options.setWidth ? options.setWidth : kSetPageSide;
  if (options.into.isEmpty()) return AsTextureSet(QImage(), kSetFill, width);
  QImage loaded;
  PixelFormatCode format = PixelFormatCode::Device;
  if (const PictureOutcome read = LoadQuietly(options.into, loaded, format); !read) return FailureLine(read);
  if (loaded.width() > kSetMaxWidth || loaded.height() > kSetMaxHeight)
    return Failure<>{QStringLiteral("a %1 x %2 picture is larger than a texture set (at most %3 x %4 pixels): "
                                    "packing into it would lose what lies beyond")
                         .arg(loaded.width())
                         .arg(loaded.height())
                         .arg(kSetMaxWidth)
                         .arg(kSetMaxHeight)};
  QImage set = AsTextureSet(loaded, kSetFill, options.setWidth);
  if (set.isNull()) return Failure<>{QStringLiteral("not enough memory")};
  if (set.size() != loaded.size())
    ReportNote(options, QStringLiteral("%1: a %2 x %3 picture, grown to the %4 x %5 set of whole pages")
                            .arg(options.into)
                            .arg(loaded.width())
                            .arg(loaded.height())
                            .arg(set.width())
                            .arg(set.height()));
  return set;
}

// The first input that is the output: writing the set would replace it, so nothing may be read.
int InputThatIsOutput(const CliOptions& options) {
  for (int i = 0; i < options.inputs.size(); ++i)
    if (IsSameFile(options.output, options.inputs[i])) return i;
  return -1;
}

// Every frame of the input (one for a still picture) as a tile, all placed or none.
Result<QList<QRect>> PackOne(TilePacker& packer, const QString& input, const PackStyle& style) {
  try {
    const QuietStderr quiet;
    Result<QList<QRect>> placed = PackPictureFrames(packer, ImageFileModule(), input, style);
    if (!placed) return FailureLine(placed.Status());
    return placed;
  } catch (const std::bad_alloc&) {
    return Failure<>{QStringLiteral("not enough memory")};
  }
}

}  // namespace

int RunPack(const CliOptions& options) {
  if (const int overwritten = InputThatIsOutput(options); overwritten >= 0) {
    ReportFailure(options.inputs[overwritten], QStringLiteral("the output would overwrite this input"));
    ReportFailure(options.output, QStringLiteral("nothing was written"));
    return 1;
  }
  const Result<QImage> start = StartingSet(options);
  if (!start) {
    ReportFailure(options.into, start.Text());
    ReportFailure(options.output, QStringLiteral("nothing was written"));
    return 1;
  }
  TilePacker packer(start.Value(), kSetFill);
  PackStyle style;
  style.size = options.packSize;
  style.fitWidth = packer.Set().width();
  if (options.keyAlpha) style.keying = options.keying;
  int failures = 0, placed = 0;
  ProgressLine progress(options);
  for (int i = 0; i < options.inputs.size(); ++i) {
    const QString& input = options.inputs[i];
    progress.Show(i, input);
    const Result<QList<QRect>> at = PackOne(packer, input, style);
    if (!at) {
      progress.Clear();
      ReportFailure(input, at.Text());
      ++failures;
      continue;
    }
    ++placed;
    if (options.verbose) progress.Clear();
    if (options.verbose)
      for (const QRect& place : at.Value())
        ReportNote(options, QStringLiteral("%1: %2 x %3 at %4, %5")
                                .arg(input)
                                .arg(place.width())
                                .arg(place.height())
                                .arg(place.x())
                                .arg(place.y()));
  }
  progress.Clear();
  // Nothing placed: the set would be written unchanged, or empty.
  if (!placed) {
    ReportFailure(options.output, QStringLiteral("nothing was written: no picture could be placed"));
    return 1;
  }
  if (Outcome<> written = WriteOutput(packer.Set(), options.output, false); !written) {
    ReportFailure(options.output, written.Text());
    return 1;
  }
  return failures ? 1 : 0;
}

}  // namespace mosaicor
