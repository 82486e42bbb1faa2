#include "app/canvas/CanvasWidget.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtMath>
#include <algorithm>

#include "app/canvas/CanvasWidgetPointers.h"
#include "app/canvas/CanvasZoom.h"

namespace mosaicor {

namespace {

MouseButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

ShiftState ShiftOf(const QMouseEvent& event) {
  ShiftState shift = 0;
  const Qt::KeyboardModifiers keys = event.modifiers();
  if (keys & Qt::ShiftModifier) shift |= ssShift;
  if (keys & Qt::AltModifier) shift |= ssAlt;
  if (keys & Qt::ControlModifier) shift |= ssCtrl;
  const Qt::MouseButtons buttons = event.buttons();
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

// The first local file among the dropped items, or an empty string.
QString FirstLocalFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return QString();
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return QString();
}

// Scroll bar step at 1x, in picture pixels.
constexpr int ScrollStep = 8;

}  // namespace

PortPanel::PortPanel(CanvasWidget& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName("BasePanel");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);  // every exposed pixel is composed
  setAutoFillBackground(false);
}

void PortPanel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (frame_.HasModel())
    PaintZoomed(painter, frame_.Model().Layers(), event->region(), frame_.Zoom(), buffer_);
  else
    painter.fillRect(event->rect(), palette().button());
}

QPoint PortPanel::PortPoint(const QMouseEvent& event) const { return PortPointAt(event.position(), frame_.Zoom()); }

void PortPanel::mousePressEvent(QMouseEvent* event) {
  const QPoint p = PortPoint(*event);
  if (frame_.OnMouseDown) frame_.OnMouseDown(ButtonOf(event->button()), ShiftOf(*event), p.x(), p.y());
}

void PortPanel::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = PortPoint(*event);
  if (frame_.OnMouseMove) frame_.OnMouseMove(ShiftOf(*event), p.x(), p.y());
}

void PortPanel::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = PortPoint(*event);
  if (frame_.OnMouseUp) frame_.OnMouseUp(ButtonOf(event->button()), ShiftOf(*event), p.x(), p.y());
}

void PortPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is a press too, after the double-click handler.
  if (frame_.OnDblClick) frame_.OnDblClick();
  const QPoint p = PortPoint(*event);
  if (frame_.OnMouseDown) frame_.OnMouseDown(ButtonOf(event->button()), ShiftOf(*event) | ssDouble, p.x(), p.y());
}

void PortPanel::leaveEvent(QEvent* /*event*/) {
  if (frame_.HasModel()) frame_.Model().HandleMouseLeave();
}

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  ScrollBoxImageStack = new QScrollArea(this);
  ScrollBoxImageStack->setObjectName("ScrollBoxImageStack");
  ScrollBoxImageStack->setWidgetResizable(false);
  ScrollBoxImageStack->setBackgroundRole(QPalette::Button);
  ScrollBoxImageStack->setFrameShape(QFrame::NoFrame);
  ScrollBoxImageStack->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  BasePanel = new PortPanel(*this, nullptr);
  ScrollBoxImageStack->setWidget(BasePanel);
  for (QScrollBar* bar : {ScrollBoxImageStack->horizontalScrollBar(), ScrollBoxImageStack->verticalScrollBar()}) {
    bar->setTracking(true);
    bar->setSingleStep(ScrollStep);
  }
  // Ctrl+wheel over the port, and beside a port smaller than the visible area; on the viewport it
  // is installed after the scroll area's own filter, so it sees the wheel first.
  BasePanel->installEventFilter(this);
  ScrollBoxImageStack->viewport()->installEventFilter(this);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ScrollBoxImageStack);

  TimerAnim = new QTimer(this);
  TimerAnim->setObjectName("TimerAnim");
  TimerAnim->setTimerType(Qt::PreciseTimer);  // the scroll preview ticks every 10 ms
  connect(TimerAnim, &QTimer::timeout, this, [this] {
    if (model_) model_->ShiftCellsOnTimer();
  });

  OnMouseDown = [this](MouseButton b, ShiftState s, int x, int y) {
    if (model_) model_->MouseIsDown(b, s, x, y);
  };
  OnMouseMove = [this](ShiftState s, int x, int y) {
    if (model_) model_->MouseIsOnMove(s, x, y);
  };
  OnMouseUp = [this](MouseButton b, ShiftState s, int x, int y) {
    if (model_) model_->MouseIsUp(b, s, x, y);
  };
  OnDblClick = [this] {
    if (model_) model_->MouseIsDoubleClick();
  };
}

CanvasWidget::~CanvasWidget() { SetModel(nullptr); }

void CanvasWidget::SetModel(ImageStack* model) {
  if (model == model_) return;
  if (model_) model_->SetView(nullptr);
  model_ = model;
  if (!model_) return;
  model_->SetView(this);
  BasePanel->setFixedSize(model_->Layers().PortSize() * zoom_);
  BasePanel->update();
}

// The model scrolls and measures in picture pixels; the scroll bars count widget pixels.
QPoint CanvasWidget::ScrollPosition() const {
  return QPoint(ScrollBoxImageStack->horizontalScrollBar()->value() / zoom_,
                ScrollBoxImageStack->verticalScrollBar()->value() / zoom_);
}

void CanvasWidget::SetScrollPosition(QPoint position) {
  // An axis whose picture position stays is left where it is, not moved to a multiple of the zoom.
  const QPoint now = ScrollPosition();
  if (position.x() != now.x()) ScrollBoxImageStack->horizontalScrollBar()->setValue(position.x() * zoom_);
  if (position.y() != now.y()) ScrollBoxImageStack->verticalScrollBar()->setValue(position.y() * zoom_);
}

QSize CanvasWidget::ClientSize() const {
  const QSize visible = ScrollBoxImageStack->viewport()->size();
  return QSize(visible.width() / zoom_, visible.height() / zoom_);
}

void CanvasWidget::Invalidate(const QRect& portRect) { BasePanel->update(WidgetRectOf(portRect, zoom_)); }

void CanvasWidget::PortResized(QSize size) { BasePanel->setFixedSize(size * zoom_); }

void CanvasWidget::PointerChanged(FramePointer pointer) { setCursor(FramePointerCursor(pointer)); }

void CanvasWidget::AcceptDrops() { setAcceptDrops(true); }

void CanvasWidget::SetTimerAnim(bool enabled, int intervalMs) {
  TimerAnim->setInterval(intervalMs);
  if (enabled)
    TimerAnim->start();
  else
    TimerAnim->stop();
}

// Cuts go out opaque, so that the magenta key stays visible in a paint program.
void CanvasWidget::ExportCut(const QImage& cut) {
  if (QClipboard* clipboard = QGuiApplication::clipboard())
    clipboard->setImage(cut.convertToFormat(QImage::Format_RGB32));
}

void CanvasWidget::SetZoom(int factor) { ZoomAround(factor, ScrollBoxImageStack->viewport()->rect().center()); }

void CanvasWidget::ZoomIn() { SetZoom(NextZoomUp(zoom_)); }

void CanvasWidget::ZoomOut() { SetZoom(NextZoomDown(zoom_)); }

void CanvasWidget::ZoomReset() { SetZoom(1); }

void CanvasWidget::ZoomAround(int factor, QPoint anchor) {
  const int next = SnapZoom(factor);
  if (next == zoom_) return;
  QScrollBar* bars[2] = {ScrollBoxImageStack->horizontalScrollBar(), ScrollBoxImageStack->verticalScrollBar()};
  const QPoint before = BasePanel->mapFrom(ScrollBoxImageStack->viewport(), anchor);
  // The widget pixel that shows the same picture pixel at the new zoom, at the same place inside it.
  const QPoint after(FloorDiv(before.x() * next, zoom_), FloorDiv(before.y() * next, zoom_));
  zoom_ = next;
  if (model_) BasePanel->setFixedSize(model_->Layers().PortSize() * zoom_);  // the scroll bars take their new ranges
  // One wheel notch scrolls as far over the picture at every zoom.
  for (QScrollBar* bar : bars) bar->setSingleStep(ScrollStep * zoom_);
  bars[0]->setValue(after.x() - anchor.x());
  bars[1]->setValue(after.y() - anchor.y());
  BasePanel->update();
  emit ZoomChanged(zoom_);
}

bool CanvasWidget::eventFilter(QObject* watched, QEvent* event) {
  QWidget* viewport = ScrollBoxImageStack->viewport();
  if ((watched != viewport && watched != BasePanel) || event->type() != QEvent::Wheel) return false;
  auto* wheel = static_cast<QWheelEvent*>(event);
  if (!(wheel->modifiers() & Qt::ControlModifier)) {
    wheelZoomDelta_ = 0;
    return false;  // plain wheel: the scroll area scrolls
  }
  // One zoom step per notch (120); fine-grained wheels add up to one.
  wheelZoomDelta_ += wheel->angleDelta().y();
  const QPoint at(qFloor(wheel->position().x()), qFloor(wheel->position().y()));  // the pixel it is in
  const QPoint anchor = watched == viewport ? at : BasePanel->mapTo(viewport, at);
  for (; wheelZoomDelta_ >= 120; wheelZoomDelta_ -= 120) ZoomAround(NextZoomUp(zoom_), anchor);
  for (; wheelZoomDelta_ <= -120; wheelZoomDelta_ += 120) ZoomAround(NextZoomDown(zoom_), anchor);
  return true;
}

void CanvasWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (!FirstLocalFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CanvasWidget::dropEvent(QDropEvent* event) {
  const QString path = FirstLocalFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  if (AcceptsManyFiles && paths.size() > 1)
    emit DragNDropFiles(paths);
  else
    emit DragNDrop(path);
}

}  // namespace mosaicor
