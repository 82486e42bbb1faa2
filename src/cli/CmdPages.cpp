#include "Batch.h"
#include "Commands.h"

#include "extraction/HeadlessExtraction.h"

#include <cstring>

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
  return RunPictureBatch(options, [&options](const QString& input, QImage& picture, QString& reason) {
    mosaicor::Result<QImage> pages = ExtractLevelPicture(LevelPicture::Pages, input, options.maskTransparency);
    if (!pages) {
      reason = pages.Text();
      return false;
    }
    picture = std::move(pages).Value();
    if (!options.misc) return true;
    // The font and sky pages live in a chunk the page extraction does not read: a second,
    // textures-only read of the level fetches them.
    mosaicor::Result<QImage> miscPages = ExtractMiscPages(input, options.maskTransparency);
    if (!miscPages) {
      reason = miscPages.Text();
      return false;
    }
    const QImage& misc = miscPages.Value();
    if (misc.isNull()) {
      if (options.verbose)
        ReportNote(options, QStringLiteral("%1: no font or sky pages (TR4 and TR5 only)").arg(input));
      return true;
    }
    picture = Stacked(picture.convertToFormat(QImage::Format_ARGB32), misc);
    if (picture.isNull()) {
      reason = QStringLiteral("out of memory");
      return false;
    }
    return true;
  });
}
