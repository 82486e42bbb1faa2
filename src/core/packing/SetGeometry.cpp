#include "core/packing/SetGeometry.h"

#include <algorithm>
#include <cstring>

namespace mosaicor {

QImage AsTextureSet(const QImage& picture, QRgb fill, int minimumWidth) {
  const int keptWidth = std::min(picture.width(), kSetMaxWidth);
  const int keptHeight = std::min(picture.height(), kSetMaxHeight);
  const int width = std::max(PagesFor(keptWidth) * kSetPageSide, std::min(minimumWidth, kSetMaxWidth));
  const int height = PagesFor(keptHeight) * kSetPageSide;
  QImage set(width, height, QImage::Format_ARGB32);
  if (set.isNull()) return set;
  set.fill(fill);
  if (keptWidth <= 0 || keptHeight <= 0) return set;
  const QImage source = picture.format() == QImage::Format_ARGB32
                            ? picture
                            : picture.copy(0, 0, keptWidth, keptHeight).convertToFormat(QImage::Format_ARGB32);
  if (source.isNull()) return QImage();
  for (int y = 0; y < keptHeight; ++y) std::memcpy(set.scanLine(y), source.constScanLine(y), size_t(keptWidth) * 4);
  return set;
}

QString TextureSetProblem(QSize size) {
  const QString picture =
      QStringLiteral("a %1 x %2 picture is not a texture set: ").arg(size.width()).arg(size.height());
  if (size.width() > kSetMaxWidth) return picture + QStringLiteral("it is wider than %1 pixels").arg(kSetMaxWidth);
  if (size.height() > kSetMaxHeight)
    return picture +
           QStringLiteral("it is higher than %1 pages (%2 pixels)").arg(kSetMaxHeightPages).arg(kSetMaxHeight);
  if (size.width() % kSetCellSide || size.height() % kSetCellSide)
    return picture + QStringLiteral("its width and height must be multiples of %1").arg(kSetCellSide);
  return {};
}

bool AllFill(const QImage& set, const QRect& rect, QRgb fill) {
  const QRect r = rect.intersected(set.rect());
  const QRgb key = fill & 0xFFFFFFu;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    const auto* p = reinterpret_cast<const QRgb*>(set.constScanLine(y)) + r.left();
    for (int x = 0; x < r.width(); ++x)
      if ((p[x] & 0xFFFFFFu) != key) return false;
  }
  return true;
}

}  // namespace mosaicor
