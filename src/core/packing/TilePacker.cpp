#include "core/packing/TilePacker.h"

#include <algorithm>
#include <cstring>

#include "core/graphics/RectCopy.h"
#include "core/packing/SetGeometry.h"
#include "core/resampling/TileResampler.h"

namespace mosaicor {

namespace {

constexpr int kMaxRows = kSetMaxHeight / kSetCellSide;

int CellsFor(int pixels) { return (pixels + kSetCellSide - 1) / kSetCellSide; }

}  // namespace

QSize PackTileSize(QSize picture, const PackStyle& style) {
  const QSize wanted = CutSizeFor(style.size, picture);
  const int widest = style.fitWidth > 0 ? style.fitWidth : wanted.width();
  if (wanted.width() <= widest && wanted.height() <= kSetMaxHeight) return wanted;
  // The larger of the two shrinks, computed in 64 bits: a side may be near INT_MAX / 2.
  const double scale = std::min(double(widest) / wanted.width(), double(kSetMaxHeight) / wanted.height());
  QSize fitted(std::max(1, int(wanted.width() * scale)), std::max(1, int(wanted.height() * scale)));
  if (style.size == CutSizeMode::AutoSize)
    fitted = QSize(std::clamp(fitted.width() / kSetCellSide * kSetCellSide, kSetCellSide, widest),
                   std::clamp(fitted.height() / kSetCellSide * kSetCellSide, kSetCellSide, kSetMaxHeight));
  return fitted.boundedTo(QSize(widest, kSetMaxHeight));
}

Result<QImage> MakePackTile(const QImage& picture, const PackStyle& style) {
  if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
    return Failure<>{QStringLiteral("the picture is empty")};
  const QSize size = PackTileSize(picture.size(), style);
  const bool sizeMode = size == CutSizeFor(style.size, picture.size());
  QImage tile;
  if (style.keying && WorthKeying(picture))
    tile = sizeMode ? SizeCutKeyed(picture, style.size, *style.keying)
                    : KeyAlphaToMagenta(ResizeTileWithAlpha(size.width(), size.height(), picture), *style.keying);
  else
    tile = sizeMode ? SizeCut(picture, style.size) : ResizeTile(size.width(), size.height(), picture);
  if (tile.isNull())
    return Failure<>{QStringLiteral("cannot resample a %1 x %2 picture").arg(picture.width()).arg(picture.height())};
  if (style.maskPicked) MaskPickedColour(tile, style.picked, style.transparent);
  return tile;
}

TilePacker::TilePacker(const QImage& set, QRgb fill)
    : set_(set.format() == QImage::Format_ARGB32 ? set : set.convertToFormat(QImage::Format_ARGB32)), fill_(fill) {
  columns_ = set_.width() / kSetCellSide;
  rows_ = set_.height() / kSetCellSide;
  taken_.assign(size_t(columns_) * rows_, false);
  for (int row = 0; row < rows_; ++row)
    for (int column = 0; column < columns_; ++column)
      taken_[size_t(row) * columns_ + column] =
          !AllFill(set_, QRect(column * kSetCellSide, row * kSetCellSide, kSetCellSide, kSetCellSide), fill_);
}

bool TilePacker::Free(int column, int row) const {
  // Rows below the set are free: the set grows into them with the fill colour.
  return row >= rows_ || !taken_[size_t(row) * columns_ + column];
}

bool TilePacker::RunFree(int column, int row, int columns, int rows) const {
  for (int r = row; r < row + rows; ++r)
    for (int c = column; c < column + columns; ++c)
      if (!Free(c, r)) return false;
  return true;
}

Outcome<> TilePacker::GrowTo(int rows) {
  if (rows <= rows_) return {};
  const int height = PagesFor(rows * kSetCellSide) * kSetPageSide;
  QImage grown(set_.width(), height, QImage::Format_ARGB32);
  if (grown.isNull()) return Failure<>{QStringLiteral("not enough memory to grow the set")};
  std::memcpy(grown.bits(), set_.constBits(), size_t(set_.sizeInBytes()));
  const QRgb fill = fill_;
  for (int y = set_.height(); y < height; ++y) {
    auto* p = reinterpret_cast<QRgb*>(grown.scanLine(y));
    std::fill(p, p + grown.width(), fill);
  }
  set_ = std::move(grown);
  rows_ = height / kSetCellSide;
  taken_.resize(size_t(columns_) * rows_, false);
  return {};
}

Result<QRect> TilePacker::Place(const QImage& tile) {
  const int wide = CellsFor(tile.width()), high = CellsFor(tile.height());
  if (tile.isNull() || wide <= 0 || high <= 0) return Failure<>{QStringLiteral("the tile is empty")};
  if (wide > columns_)
    return Failure<>{QStringLiteral("a %1 x %2 tile is wider than the %3-pixel set")
                         .arg(tile.width())
                         .arg(tile.height())
                         .arg(set_.width())};
  if (high > kMaxRows)
    return Failure<>{QStringLiteral("a %1 x %2 tile is higher than %3 pages")
                         .arg(tile.width())
                         .arg(tile.height())
                         .arg(kSetMaxHeightPages)};
  for (int start = firstFree_;; ++start) {
    const int row = start / columns_, column = start % columns_;
    if (row + high > kMaxRows)
      return Failure<>{QStringLiteral("no free cells left for a %1 x %2 tile within %3 pages")
                           .arg(tile.width())
                           .arg(tile.height())
                           .arg(kSetMaxHeightPages)};
    if (column + wide > columns_ || !RunFree(column, row, wide, high)) continue;
    if (Outcome<> grown = GrowTo(row + high); !grown) return grown;
    const QPoint at(column * kSetCellSide, row * kSetCellSide);
    const QImage pixels = tile.format() == QImage::Format_ARGB32 ? tile : tile.convertToFormat(QImage::Format_ARGB32);
    CopyRect(set_, at, pixels, pixels.rect());
    for (int r = row; r < row + high; ++r)
      for (int c = column; c < column + wide; ++c) taken_[size_t(r) * columns_ + c] = true;
    while (size_t(firstFree_) < taken_.size() && taken_[size_t(firstFree_)]) ++firstFree_;
    return QRect(at, tile.size());
  }
}

}  // namespace mosaicor
