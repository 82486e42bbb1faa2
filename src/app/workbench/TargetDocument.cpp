#include "app/workbench/TargetDocument.h"

#include <algorithm>

#include "core/canvas/ImageStack.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

void TargetDocument::StopAnimation() { target_.StopAnimationNow(); }

ImageLayer& TargetDocument::Picture() { return target_.Layers().L1_Image(); }
const ImageLayer& TargetDocument::Picture() const { return target_.Layers().L1_Image(); }

QSize TargetDocument::ShownSize() const { return QSize(pages_.width * kSetPageSide, pages_.height * kSetPageSide); }

void TargetDocument::SetPages(TargetPages pages) {
  const TargetPages before = pages_;
  pages_ = pages;
  Apply(before);
}

bool TargetDocument::FitPagesToPicture() {
  ImageLayer& image = Picture();
  const QSize size = image.PictureSize();
  const QSize kept(std::min(size.width(), kSetMaxWidth), std::min(size.height(), kSetMaxHeight));
  image.SetPictureSize(kept, fill_);
  const TargetPages before = pages_;
  pages_ = TargetPages{PagesFor(kept.width()), PagesFor(kept.height())};
  Apply(before);
  return kept != size;
}

void TargetDocument::Apply(TargetPages before) {
  ImageLayer& image = Picture();
  const QSize shown = ShownSize();
  const QSize size = image.PictureSize();
  image.SetPictureSize(size.expandedTo(shown), fill_);
  target_.UpdateStack();
  target_.UpdateImagePort(shown.width(), shown.height());
  target_.Grid().UpdateGrid();
  emit PagesChanged(before);
}

}  // namespace mosaicor
