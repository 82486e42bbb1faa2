#include "app/workbench/TargetEdits.h"

#include <QVarLengthArray>
#include <cstring>

#include "core/canvas/ImageLayer.h"
#include "core/graphics/RectCopy.h"

namespace mosaicor {

void PatchEdit::Keep(const QRect& rect, QImage pixels) { patches_.push_back(Patch{rect, std::move(pixels)}); }

void PatchEdit::Swap(ImageLayer& picture, Patch& patch) {
  picture.Paint(patch.rect, [&](QImage& pixels) {
    const QRect& r = patch.rect;
    if (pixels.format() != patch.pixels.format() || pixels.depth() != 32 || !pixels.rect().contains(r)) {
      QImage held = pixels.copy(r);
      CopyRect(pixels, r.topLeft(), patch.pixels, patch.pixels.rect());
      patch.pixels = std::move(held);
      return;
    }
    // Row by row in place, through one row of scratch: no picture is allocated.
    uchar* to = pixels.bits() + r.y() * pixels.bytesPerLine() + r.x() * 4;
    uchar* held = patch.pixels.bits();
    const qsizetype rowBytes = qsizetype(r.width()) * 4;
    QVarLengthArray<uchar, 1024> row(rowBytes);
    for (int y = 0; y < r.height(); ++y, to += pixels.bytesPerLine(), held += patch.pixels.bytesPerLine()) {
      std::memcpy(row.data(), to, size_t(rowBytes));
      std::memcpy(to, held, size_t(rowBytes));
      std::memcpy(held, row.data(), size_t(rowBytes));
    }
  });
}

// Where patches overlap, each holds what the ones before it left: undone last first and redone
// first first, every swap finds the picture as it was when that patch was kept.
void PatchEdit::Undo(TargetDocument& target) {
  for (auto p = patches_.rbegin(); p != patches_.rend(); ++p) Swap(target.Picture(), *p);
}

void PatchEdit::Redo(TargetDocument& target) {
  for (Patch& p : patches_) Swap(target.Picture(), p);
}

QRect PatchEdit::Area() const {
  QRect area;
  for (const Patch& patch : patches_) area |= patch.rect;
  return area;
}

qsizetype PatchEdit::MemorySize() const {
  qsizetype total = 0;
  for (const Patch& p : patches_) total += p.pixels.sizeInBytes();
  return total;
}

WholePictureEdit::WholePictureEdit(QString name, const TargetDocument& target)
    : TargetEdit(std::move(name)),
      picture_(target.Picture().StoredPicture()),
      fillColour_(target.Fill()),
      pages_(target.Pages()) {
  if (picture_.isNull()) size_ = target.Picture().PictureSize();
}

void WholePictureEdit::Swap(TargetDocument& target) {
  ImageLayer& layer = target.Picture();
  QImage picture = layer.StoredPicture();
  const QSize size = layer.PictureSize();
  const QRgb fillColour = target.Fill();
  const TargetPages pages = target.Pages();
  if (picture_.isNull())
    layer.Blank(size_);
  else
    layer.SetPicture(picture_);
  // The fill first: pages the counters add take the colour of the state they belong to.
  target.SetFill(fillColour_);
  target.SetPages(pages_);
  picture_ = std::move(picture);
  size_ = picture_.isNull() ? size : QSize();
  fillColour_ = fillColour;
  pages_ = pages;
}

}  // namespace mosaicor
