#include "canvas/TFrameStack.h"

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
#include <algorithm>

#include "canvas/LayerCompositor.h"
#include "canvas/TFrameStackPointers.h"

namespace {

// Cuts go out opaque, so that the magenta key stays visible in a paint program.
class SystemClipboard : public ClipboardSink {
 public:
  void PutBitmap(const QImage& bitmap) override {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(bitmap.convertToFormat(QImage::Format_RGB32));
  }
};

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

}  // namespace

TBasePanel::TBasePanel(TFrameStack& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName("BasePanel");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);  // every exposed pixel is composed
  setAutoFillBackground(false);
}

void TBasePanel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (const QRect& rect : event->region()) {
    if (buffer_.width() < rect.width() || buffer_.height() < rect.height())
      buffer_ = QImage(rect.size().expandedTo(buffer_.size()), QImage::Format_RGB32);
    buffer_.fill(Qt::black);
    ComposeLayers(frame_.Model(), rect, buffer_, QPoint(0, 0));
    painter.drawImage(rect.topLeft(), buffer_, QRect(QPoint(0, 0), rect.size()));
  }
}

void TBasePanel::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (frame_.OnMouseDown) frame_.OnMouseDown(ButtonOf(event->button()), ShiftOf(*event), p.x(), p.y());
}

void TBasePanel::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (frame_.OnMouseMove) frame_.OnMouseMove(ShiftOf(*event), p.x(), p.y());
}

void TBasePanel::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (frame_.OnMouseUp) frame_.OnMouseUp(ButtonOf(event->button()), ShiftOf(*event), p.x(), p.y());
}

void TBasePanel::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is a press too, after the double-click handler.
  if (frame_.OnDblClick) frame_.OnDblClick();
  const QPoint p = event->position().toPoint();
  if (frame_.OnMouseDown) frame_.OnMouseDown(ButtonOf(event->button()), ShiftOf(*event) | ssDouble, p.x(), p.y());
}

void TBasePanel::leaveEvent(QEvent* /*event*/) { frame_.Model().HandleMouseLeave(); }

TFrameStack::TFrameStack(QWidget* parent, std::unique_ptr<ImageStack> model)
    : QWidget(parent), model_(model ? std::move(model) : std::make_unique<ImageStack>()) {
  ScrollBoxImageStack = new QScrollArea(this);
  ScrollBoxImageStack->setObjectName("ScrollBoxImageStack");
  ScrollBoxImageStack->setWidgetResizable(false);
  ScrollBoxImageStack->setBackgroundRole(QPalette::Button);
  ScrollBoxImageStack->setFrameShape(QFrame::NoFrame);
  ScrollBoxImageStack->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  BasePanel = new TBasePanel(*this, nullptr);
  ScrollBoxImageStack->setWidget(BasePanel);
  for (QScrollBar* bar : {ScrollBoxImageStack->horizontalScrollBar(), ScrollBoxImageStack->verticalScrollBar()}) {
    bar->setTracking(true);
    bar->setSingleStep(8);
  }
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ScrollBoxImageStack);

  TimerAnim = new QTimer(this);
  TimerAnim->setObjectName("TimerAnim");
  TimerAnim->setTimerType(Qt::PreciseTimer);  // the scroll preview ticks every 10 ms
  connect(TimerAnim, &QTimer::timeout, this, [this] { model_->ShiftCellsOnTimer(); });

  clipboard_ = std::make_unique<SystemClipboard>();
  model_->SetClipboard(clipboard_.get());
  model_->SetView(this);

  ImageStack* m = model_.get();
  OnMouseDown = [m](MouseButton b, ShiftState s, int x, int y) { m->MouseIsDown(b, s, x, y); };
  OnMouseMove = [m](ShiftState s, int x, int y) { m->MouseIsOnMove(s, x, y); };
  OnMouseUp = [m](MouseButton b, ShiftState s, int x, int y) { m->MouseIsUp(b, s, x, y); };
  OnDblClick = [m] { m->MouseIsDoubleClick(); };
}

TFrameStack::~TFrameStack() { model_->SetView(nullptr); }

QPoint TFrameStack::ScrollPosition() const {
  return QPoint(ScrollBoxImageStack->horizontalScrollBar()->value(), ScrollBoxImageStack->verticalScrollBar()->value());
}

void TFrameStack::SetScrollPosition(QPoint position) {
  ScrollBoxImageStack->horizontalScrollBar()->setValue(position.x());
  ScrollBoxImageStack->verticalScrollBar()->setValue(position.y());
}

QSize TFrameStack::ClientSize() const { return ScrollBoxImageStack->viewport()->size(); }

void TFrameStack::Invalidate(const QRect& portRect) { BasePanel->update(portRect); }

void TFrameStack::PortResized(QSize size) { BasePanel->setFixedSize(size); }

void TFrameStack::PointerChanged(FramePointer pointer) { setCursor(FramePointerCursor(pointer)); }

void TFrameStack::AcceptDrops() { setAcceptDrops(true); }

void TFrameStack::SetTimerAnim(bool enabled, int intervalMs) {
  TimerAnim->setInterval(intervalMs * animSpeed_);
  if (enabled)
    TimerAnim->start();
  else
    TimerAnim->stop();
}

void TFrameStack::SetAnimSpeed(int factor) {
  animSpeed_ = std::max(factor, 1);
  TimerAnim->setInterval(model_->AnimInterval * animSpeed_);
}

void TFrameStack::dragEnterEvent(QDragEnterEvent* event) {
  if (!FirstLocalFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TFrameStack::dropEvent(QDropEvent* event) {
  const QString path = FirstLocalFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  emit DragNDrop(path);
}
