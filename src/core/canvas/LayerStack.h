#pragma once
// The eight image layers of a canvas, bottom to top, over a port of a given size, and the colours
// they are drawn in. Every change a layer makes to its look is passed on to the view as a port
// rectangle to repaint; the view also hears of the port's size.

#include <QRect>
#include <QSize>
#include <array>

#include "core/canvas/CanvasView.h"
#include "core/canvas/ImageLayer.h"

namespace mosaicor {

// The colours of a canvas.
struct CanvasPalette {
  QRgb ClearColor = CanvasColours::Clear;
  QRgb GridColor = CanvasColours::Grid;
  QRgb SelectionColor = CanvasColours::Selection;
  QRgb RangeColor = CanvasColours::Range;
};

class LayerStack : private LayerDamageSink {
 public:
  LayerStack() = default;
  LayerStack(const LayerStack&) = delete;
  LayerStack& operator=(const LayerStack&) = delete;

  ImageLayer& L1_Image() { return image_; }
  ImageLayer& L2_Alpha() { return alpha_; }
  ImageLayer& L3_Temp() { return temp_; }
  ImageLayer& L4_Clip() { return clip_; }
  ImageLayer& L5_Grid() { return grid_; }
  ImageLayer& L6_Selection() { return selection_; }
  ImageLayer& L7_Cursor() { return cursor_; }
  ImageLayer& L8_Overlay() { return overlay_; }
  const ImageLayer& L1_Image() const { return image_; }
  const ImageLayer& L2_Alpha() const { return alpha_; }
  const ImageLayer& L3_Temp() const { return temp_; }
  const ImageLayer& L4_Clip() const { return clip_; }
  const ImageLayer& L5_Grid() const { return grid_; }
  const ImageLayer& L6_Selection() const { return selection_; }
  const ImageLayer& L7_Cursor() const { return cursor_; }
  const ImageLayer& L8_Overlay() const { return overlay_; }
  // All eight, bottom to top.
  std::array<const ImageLayer*, 8> All() const;

  CanvasPalette& Colours() { return colours_; }
  const CanvasPalette& Colours() const { return colours_; }

  void SetView(CanvasView* view) { view_ = view; }
  CanvasView* View() const { return view_; }

  QSize PortSize() const { return port_; }
  QRect PortRect() const { return QRect(QPoint(0, 0), port_); }
  // A new port size is told to the view, with a repaint of all of it.
  void SetPort(QSize size);

  // The start state: default colours, every layer black over the port, each layer's visibility,
  // transparency and sizing as the canvas uses it, the normal cursor box; then sized to the picture.
  void Reset(int width, int height);
  // The layers that follow the picture's size take the given one; the selection layer is never
  // shorter than kMinSelectionHeight.
  void SizeLayers(int width, int height);
  // L2_Alpha := the picture's alpha as grey (AlphaView), for every pixel layout.
  void ExtractAlpha();

 private:
  void LayerDamaged(const QRect& portRect) override;

  ImageLayer image_{"L1_Image", LayerForm::Argb32, this};
  ImageLayer alpha_{"L2_Alpha", LayerForm::Argb32, this};
  ImageLayer temp_{"L3_Temp", LayerForm::Argb32, this};
  ImageLayer clip_{"L4_Clip", LayerForm::Argb32, this};
  ImageLayer grid_{"L5_Grid", LayerForm::Indexed8, this};
  ImageLayer selection_{"L6_Selection", LayerForm::Indexed8, this};
  ImageLayer cursor_{"L7_Cursor", LayerForm::Argb32, this};
  ImageLayer overlay_{"L8_Overlay", LayerForm::Argb32, this};
  CanvasPalette colours_;
  CanvasView* view_ = nullptr;
  QSize port_{0, 0};
};

}  // namespace mosaicor
