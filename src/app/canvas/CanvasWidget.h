#pragma once
// The canvas widget: a scroll box (ScrollBoxImageStack) holding the port (BasePanel) that shows
// the layers of the ImageStack it is given (SetModel) and feeds it the mouse. Either may go first:
// each tells the other as it goes. The host may bind its own mouse handlers in place
// of the model's; files dropped from the desktop are signalled by path; TimerAnim drives the
// animation preview.
//
// The port may be shown zoomed by a whole factor (Zoom). Only the widget knows: the model, the
// mouse handlers and the CanvasView interface all speak picture pixels, so everything drawn on
// the layers follows the zoom without knowing of it.

#include <QScrollArea>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "core/canvas/ImageStack.h"

namespace mosaicor {

class CanvasWidget;

// The port: paints the composed layers over the exposed region and receives all mouse events
// (it plays the part of the top layer, L8_Overlay).
class PortPanel : public QWidget {
  Q_OBJECT
 public:
  PortPanel(CanvasWidget& frame, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPoint PortPoint(const QMouseEvent& event) const;

  CanvasWidget& frame_;
  QImage buffer_;
};

class CanvasWidget : public QWidget, private CanvasView {
  Q_OBJECT
 public:
  explicit CanvasWidget(QWidget* parent = nullptr);
  ~CanvasWidget() override;

  // Shows `model` (null: nothing) from now on.
  void SetModel(ImageStack* model);
  ImageStack& Model() { return *model_; }
  const ImageStack& Model() const { return *model_; }
  bool HasModel() const { return model_ != nullptr; }

  QScrollArea* ScrollBoxImageStack;
  PortPanel* BasePanel;
  QTimer* TimerAnim;

  // The overlay's mouse handlers, in port coordinates. They call the model's MouseIsDown,
  // MouseIsOnMove, MouseIsUp and MouseIsDoubleClick until the host binds its own; an empty
  // handler ignores the event. A double click delivers OnDblClick, then OnMouseDown with ssDouble.
  std::function<void(MouseButton, ShiftState, int, int)> OnMouseDown;
  std::function<void(ShiftState, int, int)> OnMouseMove;
  std::function<void(MouseButton, ShiftState, int, int)> OnMouseUp;
  std::function<void()> OnDblClick;

  // Zoom of this canvas: 1, 2, 3, 4, 6 or 8 screen pixels per picture pixel (before the screen's
  // own scale). SetZoom snaps to the nearest of those and keeps the picture pixel at the centre
  // of the visible area in place; Ctrl+wheel over the canvas keeps the one under the pointer.
  int Zoom() const { return zoom_; }
  void SetZoom(int factor);
  void ZoomIn();
  void ZoomOut();
  void ZoomReset();

  // When set, a drop of several local files is signalled as DragNDropFiles instead; one file is
  // still DragNDrop.
  bool AcceptsManyFiles = false;

 signals:
  // The first local file of a drop from the desktop.
  void DragNDrop(const QString& path);
  // Every local file of a drop of several, in their order (only with AcceptsManyFiles).
  void DragNDropFiles(const QStringList& paths);
  void ZoomChanged(int factor);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class PortPanel;
  // CanvasView
  QPoint ScrollPosition() const override;
  void SetScrollPosition(QPoint position) override;
  QSize ClientSize() const override;
  void Invalidate(const QRect& portRect) override;
  void PortResized(QSize size) override;
  void PointerChanged(FramePointer pointer) override;
  void AcceptDrops() override;
  void SetTimerAnim(bool enabled, int intervalMs) override;
  void ExportCut(const QImage& cut) override;
  void ModelDestroyed() override { model_ = nullptr; }

  // Zooms to `factor` keeping the picture point under `anchor` (viewport coordinates) in place.
  void ZoomAround(int factor, QPoint anchor);

  ImageStack* model_ = nullptr;
  int zoom_ = 1;
  int wheelZoomDelta_ = 0;  // wheel turn not yet used up by a zoom step (fine-grained wheels)
};

}  // namespace mosaicor
