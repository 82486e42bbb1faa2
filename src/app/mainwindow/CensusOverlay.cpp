#include "app/mainwindow/CensusOverlay.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QStatusBar>
#include <utility>

#include "app/canvas/CanvasWidget.h"
#include "app/workbench/TargetCensus.h"
#include "core/canvas/ImageStack.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

constexpr int kCell = kSetCellSide;
constexpr int kNumberHeight = 13;

// Groups' colours go round the hue circle by the golden angle, so neighbouring numbers differ.
QColor GroupColour(int number) { return QColor::fromHsv((number * 137) % 360, 200, 235); }

// What turns a member into its group's first cell, as short as the corner of a cell allows: a
// quarter turn clockwise "R90", the mirrors "H" (left-right) and "V" (top-bottom), and the
// diagonal mirrors drawn as their diagonals.
QString TransformMark(CellTransform transform) {
  switch (transform) {
    case CellTransform::None:
      break;
    case CellTransform::Rot90:
      return QStringLiteral("R90");
    case CellTransform::Rot180:
      return QStringLiteral("R180");
    case CellTransform::Rot270:
      return QStringLiteral("R270");
    case CellTransform::FlipX:
      return QStringLiteral("H");
    case CellTransform::FlipY:
      return QStringLiteral("V");
    case CellTransform::Transpose:
      return QStringLiteral("D\\");
    case CellTransform::AntiTranspose:
      return QStringLiteral("D/");
  }
  return {};
}

}  // namespace

CensusOverlay::CensusOverlay(CanvasWidget& target, TargetCensus& census, QStatusBar* status)
    : QWidget(target.BasePanel),
      target_(target),
      census_(census),
      counts_(new QLabel(status)),
      budget_(new QLabel(status)) {
  setObjectName(QStringLiteral("CensusOverlay"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  counts_->setObjectName(QStringLiteral("CensusCounts"));
  budget_->setObjectName(QStringLiteral("CensusBudget"));
  budget_->setTextFormat(Qt::RichText);
  if (status) {
    status->addPermanentWidget(counts_);
    status->addPermanentWidget(budget_);
  }
  counts_->hide();
  budget_->hide();
  hide();
  target_.BasePanel->installEventFilter(this);
  connect(&census_, &TargetCensus::Updated, this, &CensusOverlay::Follow);
  connect(&target_, &CanvasWidget::ZoomChanged, this, [this] { update(); });
}

void CensusOverlay::Follow() {
  const bool on = census_.On();
  setVisible(on);
  counts_->setVisible(on);
  budget_->setVisible(on);
  if (!on) return;
  setGeometry(target_.BasePanel->rect());
  raise();
  counts_->setText(census_.Text());
  // The level editor's budget, red above what it takes.
  budget_->setText(QStringLiteral("<span style=\"color:%1\">%2</span> &nbsp; %3")
                       .arg(census_.OverBudget() ? QStringLiteral("#ff0000") : palette().windowText().color().name(),
                            census_.BudgetText().toHtmlEscaped(), census_.CompactText().toHtmlEscaped()));
  update();
}

QRect CensusOverlay::CellRect(int cell) const {
  const int columns = std::max(census_.Census().Columns(), 1);
  const int side = kCell * target_.Zoom();
  return QRect(cell % columns * side, cell / columns * side, side, side);
}

QRect CensusOverlay::NumberRect(int cell) const {
  const int number = census_.NumberOf(cell);
  if (number == 0) return QRect();
  const int width = fontMetrics().horizontalAdvance(QString::number(number)) + 6;
  return QRect(CellRect(cell).topLeft() + QPoint(2, 2), QSize(width, kNumberHeight));
}

int CensusOverlay::NumberAt(QPoint point) const {
  const int side = kCell * target_.Zoom();
  const int columns = census_.Census().Columns(), rows = census_.Census().Rows();
  if (point.x() < 0 || point.y() < 0 || point.x() >= columns * side || point.y() >= rows * side) return -1;
  const int cell = point.y() / side * columns + point.x() / side;
  return NumberRect(cell).contains(point) ? cell : -1;
}

void CensusOverlay::paintEvent(QPaintEvent* event) {
  const TileCensus& census = census_.Census();
  const int side = kCell * target_.Zoom();
  const QRect area = event->rect();
  QPainter painter(this);
  QFont small = font();
  small.setPixelSize(10);
  small.setBold(true);
  painter.setFont(small);
  const int firstRow = std::max(area.top() / side, 0), lastRow = std::min(area.bottom() / side, census.Rows() - 1);
  const int firstColumn = std::max(area.left() / side, 0),
            lastColumn = std::min(area.right() / side, census.Columns() - 1);
  for (int row = firstRow; row <= lastRow; ++row)
    for (int column = firstColumn; column <= lastColumn; ++column) {
      const int cell = row * census.Columns() + column;
      if (census.IsEmpty(cell)) {
        painter.fillRect(CellRect(cell), QColor(255, 255, 255, 40));
        painter.fillRect(CellRect(cell), QBrush(QColor(255, 255, 255, 90), Qt::BDiagPattern));
      } else if (const int number = census_.NumberOf(cell)) {
        const QRect label = NumberRect(cell);
        painter.fillRect(label, GroupColour(number));
        painter.setPen(Qt::black);
        painter.drawText(label, Qt::AlignCenter, QString::number(number));
        if (const QString mark = TransformMark(census.TransformOf(cell)); !mark.isEmpty()) {
          const QRect markRect(label.bottomLeft() + QPoint(0, 2),
                               QSize(painter.fontMetrics().horizontalAdvance(mark) + 6, kNumberHeight));
          painter.fillRect(markRect, Qt::black);
          painter.setPen(GroupColour(number));
          painter.drawText(markRect, Qt::AlignCenter, mark);
        }
      }
    }
  if (census_.Selected() >= 0) {
    painter.setPen(QPen(QColor(255, 255, 0), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(CellRect(census_.Selected()).adjusted(1, 1, -1, -1));
  }
}

bool CensusOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (watched != target_.BasePanel || !census_.On()) return false;
  if (event->type() == QEvent::Resize) {
    setGeometry(target_.BasePanel->rect());
  } else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
             event->type() == QEvent::MouseButtonDblClick) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int cell = NumberAt(mouse->position().toPoint());
    if (cell < 0 || mouse->button() != Qt::LeftButton) return false;
    // A number is the census's control: the clicks of a double click on it must not reach an idle
    // canvas, which would cut the tile under it and arm a paste. A paste or a transform already
    // armed still takes a click there.
    if (event->type() == QEvent::MouseButtonPress)
      return keptPress_ = target_.HasModel() && target_.Model().Cursor().Mode() == ModeIdle;
    if (event->type() == QEvent::MouseButtonRelease) return std::exchange(keptPress_, false);
    const int next = census_.SelectNextInGroup(cell);
    if (next >= 0) {
      const QRect r = CellRect(next);
      target_.ScrollBoxImageStack->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 8, r.height() / 2 + 8);
    }
    return true;
  }
  return false;
}

}  // namespace mosaicor
