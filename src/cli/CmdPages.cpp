#include "cli/Batch.h"
#include "cli/Commands.h"

#include "core/extraction/HeadlessExtraction.h"
#include "core/extraction/LevelPages.h"
#include "core/level/ObjectLibrary.h"

#include <cstring>

namespace mosaicor {

namespace {

// The picture with `below` under it; both 256 wide, 32 bits.
QImage Stacked(const QImage& top, const QImage& below) {
  QImage both(top.width(), top.height() + below.height(), QImage::Format_ARGB32);
  if (both.isNull()) return both;
  const size_t rowBytes = size_t(top.width()) * sizeof(QRgb);
  for (int y = 0; y < top.height(); ++y) std::memcpy(both.scanLine(y), top.constScanLine(y), rowBytes);
  for (int y = 0; y < below.height(); ++y)
    std::memcpy(both.scanLine(top.height() + y), below.constScanLine(y), rowBytes);
  return both;
}

}  // namespace

int RunPages(const CliOptions& options) {
  return RunPictureBatch(options, [&options](const QString& input) -> Result<QImage> {
    Result<QImage> pages = ExtractLevelPicture(LevelExtract::Pages, input, options.maskTransparency);
    if (pages && options.verbose)
      ReportNote(options, QStringLiteral("%1: %2 texture pages (%3 x %4)")
                              .arg(input)
                              .arg(pages->height() / kLevelPageSide)
                              .arg(pages->width())
                              .arg(pages->height()));
    if (!pages || !options.misc) return pages;
    if (HasObjectLibraryExtension(input)) {
      if (options.verbose)
        ReportNote(options, QStringLiteral("%1: no font or sky pages (TR4 and TR5 only)").arg(input));
      return pages;
    }
    // The font and sky pages live in a chunk the page extraction does not read: a second,
    // textures-only read of the level fetches them.
    const Result<QImage> misc = ExtractMiscPages(input, options.maskTransparency);
    if (!misc) return misc.Status();
    if (misc.Value().isNull()) {
      if (options.verbose)
        ReportNote(options, QStringLiteral("%1: no font or sky pages (TR4 and TR5 only)").arg(input));
      return pages;
    }
    QImage both = Stacked(pages.Value().convertToFormat(QImage::Format_ARGB32), misc.Value());
    if (both.isNull()) return Failure<>{QStringLiteral("out of memory")};
    return both;
  });
}

}  // namespace mosaicor
