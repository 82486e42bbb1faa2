#pragma once
// Small widgets of the main window: a panel that reports a left click on its empty space, a
// colour pot that shows a colour and reports clicks and double clicks, the status line's
// one-line text that is cut with "…" where the line is too short for it, and a centred line whose
// letters get smaller where its box is too narrow, so that no figure of it is ever cut off.

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace mosaicor {

class ClickPanel : public QFrame {
  Q_OBJECT
 public:
  using QFrame::QFrame;
 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) emit clicked();
  }
};

class ColourPot : public QFrame {
  Q_OBJECT
 public:
  explicit ColourPot(QWidget* parent = nullptr) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
  }
  void SetColour(QRgb colour) {
    if (shown_ && colour == colour_) return;
    shown_ = true;
    colour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(colour));
    setPalette(p);
  }
  QRgb Colour() const { return colour_; }
 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) emit clicked();
  }
  // A double click comes after the click of its first press, as on every pot.
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
  }

 private:
  QRgb colour_ = 0xFF000000u;
  bool shown_ = false;  // the palette holds colour_
};

class ElidedLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ElidedLabel(QWidget* parent = nullptr) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  }
  void SetFullText(const QString& text) {
    full_ = text;
    Elide();
  }
  const QString& FullText() const { return full_; }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    Elide();
  }

 private:
  // A long hint first takes letters a little smaller, down to four fifths of their size, so that
  // the window's default width shows it whole; only beyond that is it cut with "…".
  void Elide() {
    if (basePoints_ <= 0) basePoints_ = font().pointSizeF();
    const int width = contentsRect().width();
    QFont fitted = font();
    for (qreal points = basePoints_; points > 0; points -= 0.5) {
      fitted.setPointSizeF(points);
      if (QFontMetrics(fitted).horizontalAdvance(full_) <= width || points - 0.5 < basePoints_ * 0.8) break;
    }
    if (fitted != font()) setFont(fitted);
    setText(QFontMetrics(fitted).elidedText(full_, Qt::ElideRight, width));
  }
  QString full_;
  qreal basePoints_ = 0;  // the label's own size; 0 until first needed
};

class FittingLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect().adjusted(1, 0, -1, 0);
    QFont fitted = font();
    // Smaller letters stay legible down to 6 pixels; below that the text is cut as any label's.
    for (int size = fitted.pixelSize(); size > 6 && QFontMetrics(fitted).horizontalAdvance(text()) > room.width();)
      fitted.setPixelSize(--size);
    painter.setFont(fitted);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(room, int(alignment()), text());
  }
};

}  // namespace mosaicor
