#include "cli/Batch.h"
#include "cli/Commands.h"
#include "cli/QuietStderr.h"

#include "core/imagefiles/ImageFileModule.h"
#include "core/packing/SetGeometry.h"
#include "core/packing/TileCensus.h"

#include <new>

namespace mosaicor {

namespace {

QStringList CensusLines(const QImage& picture, CensusMode mode) {
  TileCensus census;
  census.Take(AsTextureSet(picture, kCliSetFill), kCliSetFill, mode);
  const CensusCounts& counts = census.Counts();
  QStringList lines{QStringLiteral("cells: %1").arg(counts.cells), QStringLiteral("used: %1").arg(counts.used),
                    QStringLiteral("unique: %1").arg(counts.unique), QStringLiteral("empty: %1").arg(counts.empty)};
  for (const std::vector<int>& group : census.Duplicates()) {
    QStringList cells;
    for (int cell : group) {
      const CellTransform turn = census.TransformOf(cell);
      cells << (turn == CellTransform::None ? QString::number(cell)
                                            : QStringLiteral("%1:%2").arg(cell).arg(TransformName(turn)));
    }
    lines << QStringLiteral("group: ") + cells.join(QLatin1Char(' '));
  }
  return lines;
}

}  // namespace

Result<FileFacts> DescribePicture(const QString& path, bool census, CensusMode mode) {
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  try {
    const QuietStderr quiet;
    if (const PictureOutcome loaded = ImageFileModule().LoadImageFile(picture, path, &format); !loaded)
      return FailureLine(loaded);
  } catch (const std::bad_alloc&) {
    return Failure<>{QStringLiteral("not enough memory")};
  }
  // The pixel format as the desktop program names it ("24 bits"), never as its code.
  const QString size = QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height());
  FileFacts facts;
  facts.lines << QStringLiteral("size: %1").arg(size) << QStringLiteral("pixel_format: %1").arg(PF2String(format));
  if (census) facts.lines << CensusLines(picture, mode);
  facts.brief = QStringLiteral("%1 %2 %3").arg(ImageFileModule::UpperExtension(path).mid(1), size, PF2String(format));
  return facts;
}

}  // namespace mosaicor
