#include "core/canvas/LayerStack.h"

#include <algorithm>

#include "core/canvas/AlphaView.h"
#include "core/canvas/CursorPictures.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

std::array<const ImageLayer*, 8> LayerStack::All() const {
  return {&image_, &alpha_, &temp_, &clip_, &grid_, &selection_, &cursor_, &overlay_};
}

void LayerStack::LayerDamaged(const QRect& portRect) {
  const QRect r = portRect.intersected(PortRect());
  if (view_ && !r.isEmpty()) view_->Invalidate(r);
}

void LayerStack::SetPort(QSize size) {
  size = size.expandedTo(QSize(0, 0));
  if (size == port_) return;
  port_ = size;
  if (view_) {
    view_->PortResized(size);
    view_->Invalidate(PortRect());
  }
}

void LayerStack::Reset(int width, int height) {
  colours_ = CanvasPalette();
  const QRgb clear = colours_.ClearColor;
  // Every layer blackened over the port it covers now, hidden, transparent, filling the port.
  for (ImageLayer* layer : {&image_, &alpha_, &temp_, &clip_, &grid_, &selection_, &cursor_, &overlay_}) {
    layer->MoveTo(QPoint(0, 0));
    layer->FillsPort = true;
    layer->AutoSize = false;
    layer->SetVisible(false);
    layer->SetTransparent(true);
    layer->SetKeyColour(clear);
    layer->SetFillColour(clear);
    layer->Fill(PortRect(), clear);
  }
  image_.SetTransparent(false);
  image_.SetVisible(true);
  alpha_.SetTransparent(false);
  temp_.FillsPort = false;
  clip_.SetTransparent(false);
  clip_.FillsPort = false;
  clip_.AutoSize = true;
  clip_.Park();
  selection_.FillsPort = false;
  selection_.AutoSize = true;
  cursor_.FillsPort = false;
  cursor_.AutoSize = true;
  cursor_.SetVisible(true);
  cursor_.Park();
  overlay_.SetVisible(true);

  cursor_.SetPicture(CursorPicture("crNormal"));
  SizeLayers(width, height);
}

void LayerStack::SizeLayers(int width, int height) {
  const QSize size(std::max(width, 0), std::max(height, 0));
  for (ImageLayer* layer : {&image_, &alpha_, &temp_, &grid_, &selection_, &overlay_}) layer->SetPictureSize(size);
  selection_.SetPictureSize(QSize(size.width(), std::max(size.height(), kMinSelectionHeight)));
}

void LayerStack::ExtractAlpha() {
  const QImage source = image_.IsBlank() ? image_.PictureCopy() : image_.StoredPicture();
  // The last view's pixels are reused when they have the right size and layout.
  if (!FitsAlphaView(alpha_.StoredPicture(), source)) {
    QImage view(source.size(), source.format());
    view.setColorTable(source.colorTable());
    alpha_.SetPicture(view);
  }
  alpha_.Paint(QRect(QPoint(0, 0), source.size()), [&](QImage& view) { MakeAlphaView(source, view); });
}

}  // namespace mosaicor
