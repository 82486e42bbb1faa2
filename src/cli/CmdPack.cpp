#include "cli/Batch.h"
#include "cli/Commands.h"
#include "cli/SameFile.h"

#include "core/packing/SetGeometry.h"
#include "core/packing/TilePacker.h"

#include <new>

namespace mosaicor {

namespace {

// A new set, and the free cells of one, are black: the Target's colour from start-up.
constexpr QRgb kSetFill = 0xFF000000u;

// The set the pictures go into: --into's, widened to --width if that is wider, or a new black page.
Result<QImage> StartingSet(const CliOptions& options) {
  const int width = options.setWidth ? options.setWidth : kSetPageSide;
  if (options.into.isEmpty()) return AsTextureSet(QImage(), kSetFill, width);
  QImage loaded;
  PixelFormatCode format = PixelFormatCode::Device;
  if (const PictureOutcome read = LoadQuietly(options.into, loaded, format); !read) return FailureLine(read);
  QImage set = AsTextureSet(loaded, kSetFill, options.setWidth);
  if (set.isNull()) return Failure<>{QStringLiteral("not enough memory")};
  return set;
}

Result<QRect> PackOne(TilePacker& packer, const QString& input, const PackStyle& style) {
  try {
    QImage picture;
    PixelFormatCode format = PixelFormatCode::Device;
    if (const PictureOutcome read = LoadQuietly(input, picture, format); !read) return FailureLine(read);
    const Result<QImage> tile = MakePackTile(picture, style);
    if (!tile) return tile.Status();
    return packer.Place(tile.Value());
  } catch (const std::bad_alloc&) {
    return Failure<>{QStringLiteral("not enough memory")};
  }
}

}  // namespace

int RunPack(const CliOptions& options) {
  const Result<QImage> start = StartingSet(options);
  if (!start) {
    ReportFailure(options.into, start.Text());
    return 1;
  }
  TilePacker packer(start.Value(), kSetFill);
  PackStyle style;
  style.size = options.packSize;
  int failures = 0, placed = 0;
  ProgressLine progress(options);
  for (int i = 0; i < options.inputs.size(); ++i) {
    const QString& input = options.inputs[i];
    progress.Show(i, input);
    const Result<QRect> at = IsSameFile(options.output, input)
                                 ? Result<QRect>(Failure<>{QStringLiteral("the output would overwrite this input")})
                                 : PackOne(packer, input, style);
    if (!at) {
      progress.Clear();
      ReportFailure(input, at.Text());
      ++failures;
      continue;
    }
    ++placed;
    if (options.verbose) progress.Clear();
    if (options.verbose)
      ReportNote(options, QStringLiteral("%1: %2 x %3 at %4, %5")
                              .arg(input)
                              .arg(at->width())
                              .arg(at->height())
                              .arg(at->x())
                              .arg(at->y()));
  }
  // Nothing placed: the set would be written unchanged, or empty.
  if (!placed) return 1;
  if (Outcome<> written = WriteOutput(packer.Set(), options.output, false); !written) {
    ReportFailure(options.output, written.Text());
    return 1;
  }
  return failures ? 1 : 0;
}

}  // namespace mosaicor
