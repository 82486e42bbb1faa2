#include "core/canvas/CursorPictures.h"

#include <QPainter>
#include <QPainterPath>

#include "core/canvas/CanvasTypes.h"
#include "core/graphics/RectDrawing.h"

namespace mosaicor {

namespace {

constexpr QRgb Red = CanvasColours::CursorMark;

QImage Box(int side) {
  QImage image(side, side, QImage::Format_ARGB32);
  image.fill(CanvasColours::Clear);
  const int arm = CursorBracketArm(side);
  const int far = side - 1;
  DrawHLine(image, 0, 0, arm, Red);
  DrawHLine(image, 0, side - arm, side, Red);
  DrawHLine(image, far, 0, arm, Red);
  DrawHLine(image, far, side - arm, side, Red);
  DrawVLine(image, 0, 0, arm, Red);
  DrawVLine(image, 0, side - arm, side, Red);
  DrawVLine(image, far, 0, arm, Red);
  DrawVLine(image, far, side - arm, side, Red);
  return image;
}

// A painter for pictograms: hard red pixels only, so black stays the key colour.
struct Pictogram {
  QImage image = Box(64);
  QPainter painter{&image};
  Pictogram() {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgb(Red), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(QColor::fromRgb(Red));
  }
  void Arrowhead(QPointF tip, QPointF back1, QPointF back2) { painter.drawPolygon(QPolygonF({tip, back1, back2})); }
  QImage Done() {
    painter.end();
    return image;
  }
};

QImage Rotate() {
  Pictogram p;
  p.painter.setBrush(Qt::NoBrush);
  // Three quarters of a circle, running clockwise from the top round to the left, where the head
  // points on upwards.
  p.painter.drawArc(QRectF(18, 18, 28, 28), 90 * 16, -270 * 16);
  p.painter.setBrush(QColor::fromRgb(Red));
  p.Arrowhead(QPointF(18, 24), QPointF(12, 34), QPointF(24, 34));
  return p.Done();
}

QImage HFlip() {
  Pictogram p;
  p.painter.drawLine(QPointF(20, 32), QPointF(44, 32));
  p.Arrowhead(QPointF(14, 32), QPointF(22, 25), QPointF(22, 39));
  p.Arrowhead(QPointF(50, 32), QPointF(42, 25), QPointF(42, 39));
  return p.Done();
}

QImage VFlip() {
  Pictogram p;
  p.painter.drawLine(QPointF(32, 20), QPointF(32, 44));
  p.Arrowhead(QPointF(32, 14), QPointF(25, 22), QPointF(39, 22));
  p.Arrowhead(QPointF(32, 50), QPointF(25, 42), QPointF(39, 42));
  return p.Done();
}

QImage Swap() {
  Pictogram p;
  p.painter.setBrush(Qt::NoBrush);
  p.painter.drawRect(QRectF(12, 12, 10, 10));
  p.painter.drawRect(QRectF(42, 42, 10, 10));
  p.painter.drawLine(QPointF(27, 27), QPointF(37, 37));
  p.painter.setBrush(QColor::fromRgb(Red));
  p.Arrowhead(QPointF(24, 24), QPointF(33, 26), QPointF(26, 33));
  p.Arrowhead(QPointF(40, 40), QPointF(31, 38), QPointF(38, 31));
  return p.Done();
}

QImage Hand() {
  Pictogram p;
  p.painter.setBrush(Qt::NoBrush);
  // An open hand: palm, four raised fingers and a thumb spread to the left.
  p.painter.drawRoundedRect(QRectF(22, 32, 20, 16), 4, 4);
  for (int i = 0; i < 4; ++i)
    p.painter.drawLine(QPointF(24 + i * 5.5, 31), QPointF(24 + i * 5.5, 16 + (i == 0 || i == 3 ? 4 : 0)));
  p.painter.drawLine(QPointF(21, 38), QPointF(14, 30));
  return p.Done();
}

}  // namespace

int CursorBracketArm(int side) {
  switch (side) {
    case 64:
      return 21;
    case 32:
      return 10;
    case 16:
      return 5;
    case 8:
      return 3;
    default:
      return side / 3;
  }
}

QStringList CursorPictureNames() {
  return {"crNormal", "cr32", "cr16", "cr08", "crRotate", "crHFlip", "crVFlip", "crSwap", "crHand"};
}

QImage CursorPicture(const QString& name) {
  if (name == "crNormal") return Box(64);
  if (name == "cr32") return Box(32);
  if (name == "cr16") return Box(16);
  if (name == "cr08") return Box(8);
  if (name == "crRotate") return Rotate();
  if (name == "crHFlip") return HFlip();
  if (name == "crVFlip") return VFlip();
  if (name == "crSwap") return Swap();
  if (name == "crHand") return Hand();
  return QImage();
}

QString CursorBoxName(CursorBox box) {
  switch (box) {
    case CursorBox::Normal:
      return QStringLiteral("crNormal");
    case CursorBox::Rotate:
      return QStringLiteral("crRotate");
    case CursorBox::HFlip:
      return QStringLiteral("crHFlip");
    case CursorBox::VFlip:
      return QStringLiteral("crVFlip");
    case CursorBox::Swap:
      return QStringLiteral("crSwap");
    case CursorBox::Hand:
      return QStringLiteral("crHand");
  }
  return {};
}

QString CursorNameForCell(int cellWidth, CursorBox box) {
  switch (cellWidth) {
    case 8:
      return "cr08";
    case 16:
      return "cr16";
    case 32:
      return "cr32";
    case 64:
      return CursorBoxName(box);
    default:
      return QString();
  }
}

}  // namespace mosaicor
