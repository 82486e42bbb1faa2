#include "core/canvas/ImageLayer.h"

#include <QPainter>
#include <cstring>

#include "core/graphics/RectCopy.h"
#include "core/graphics/RectDrawing.h"

namespace mosaicor {

namespace {

bool Is32BitOrIndexed(const QImage& image) {
  switch (image.format()) {
    case QImage::Format_ARGB32:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_Indexed8:
      return true;
    default:
      return false;
  }
}

// Fills a rectangle of a picture of any format.
void FillAnyFormat(QImage& image, const QRect& rect, QRgb colour) {
  if (rect.isEmpty()) return;
  if (Is32BitOrIndexed(image)) {
    FillRect(image, rect, colour);
    return;
  }
  QPainter painter(&image);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(rect, QColor::fromRgba(colour));
}

}  // namespace

ImageLayer::ImageLayer(QString name, LayerForm form, LayerDamageSink* damage)
    : name_(std::move(name)), form_(form), damage_(damage) {}

void ImageLayer::Materialise() {
  if (!picture_.isNull() || size_.isEmpty()) return;
  if (form_ == LayerForm::Indexed8) {
    picture_ = QImage(size_, QImage::Format_Indexed8);
    picture_.setColorCount(1);
    picture_.setColor(0, CanvasColours::Clear);
    picture_.fill(0);
  } else {
    picture_ = QImage(size_, QImage::Format_ARGB32);
    picture_.fill(CanvasColours::Clear);
  }
}

void ImageLayer::AddInk(const QRegion& area) { ink_ += area.intersected(QRect(QPoint(0, 0), size_)); }

void ImageLayer::Blank(QSize size) {
  DamageAll();
  picture_ = QImage();
  size_ = size.expandedTo(QSize(0, 0));
  ink_ = QRegion();
  DamageAll();
}

void ImageLayer::Damage(const QRect& pictureRect) {
  if (damage_ && Shown() && !pictureRect.isEmpty()) damage_->LayerDamaged(pictureRect.translated(position_));
}

QImage& ImageLayer::EditPicture() {
  Materialise();
  ink_ = QRegion(QRect(QPoint(0, 0), size_));
  DamageAll();
  return picture_;
}

QImage ImageLayer::PictureCopy() const {
  if (!picture_.isNull() || size_.isEmpty()) return picture_.copy();
  QImage blank(size_, QImage::Format_ARGB32);
  blank.fill(CanvasColours::Clear);
  return blank;
}

void ImageLayer::SetPicture(const QImage& picture) {
  DamageAll();
  picture_ = picture;
  size_ = picture.isNull() ? QSize(0, 0) : picture.size();
  ink_ = QRegion(QRect(QPoint(0, 0), size_));
  DamageAll();
}

void ImageLayer::SetPictureSize(QSize size, QRgb fill) {
  size = size.expandedTo(QSize(0, 0));
  if (size == size_) return;
  DamageAll();
  const QSize old = size_;
  if (picture_.isNull() && fill == CanvasColours::Clear) {
    size_ = size;
    ink_ &= QRect(QPoint(0, 0), size_);
    DamageAll();
    return;
  }
  Materialise();
  size_ = size;
  if (size.isEmpty()) {
    picture_ = QImage();
    ink_ = QRegion();
    return;
  }
  // copy() keeps the pixels at their coordinates; the strips it adds are painted afterwards.
  QImage next = picture_.isNull() ? QImage() : picture_.copy(0, 0, size.width(), size.height());
  if (next.isNull()) {
    next = QImage(size, form_ == LayerForm::Indexed8 ? QImage::Format_Indexed8 : QImage::Format_ARGB32);
    if (next.format() == QImage::Format_Indexed8) next.setColorCount(0);
    FillAnyFormat(next, next.rect(), fill);
  } else {
    FillAnyFormat(next, RectLTRB(old.width(), 0, size.width(), size.height()), fill);
    FillAnyFormat(next, RectLTRB(0, old.height(), std::min(old.width(), size.width()), size.height()), fill);
  }
  picture_ = next;
  ink_ &= picture_.rect();
  if (fill != CanvasColours::Clear) ink_ = QRegion(picture_.rect());
  DamageAll();
}

QRgb ImageLayer::PixelAt(int x, int y) const {
  if (picture_.isNull()) return CanvasColours::Clear;
  return PixelColour(picture_, x, y);
}

void ImageLayer::Fill(const QRect& rect, QRgb colour) {
  const QRect r = rect.intersected(QRect(QPoint(0, 0), size_));
  if (r.isEmpty()) return;
  if (colour == CanvasColours::Clear) {
    // Only what was drawn can differ from black: clearing needs to touch no more than that.
    const QRegion inked = ink_.intersected(r);
    if (inked.isEmpty() || picture_.isNull()) return;
    for (const QRect& part : inked) {
      FillAnyFormat(picture_, part, colour);
      Damage(part);
    }
    ink_ -= r;
    return;
  }
  Materialise();
  FillAnyFormat(picture_, r, colour);
  AddInk(r);
  Damage(r);
}

namespace {

// The four 1-pixel sides of a rectangle.
QRegion Border(const QRect& rect) {
  if (rect.width() <= 2 || rect.height() <= 2) return QRegion(rect);
  return QRegion(rect) - QRegion(rect.adjusted(1, 1, -1, -1));
}

}  // namespace

void ImageLayer::Frame(const QRect& rect, QRgb colour) {
  Paint(Border(rect), [&](QImage& image) { FrameRect(image, rect, colour); });
}

void ImageLayer::Paint(const QRegion& area, const std::function<void(QImage&)>& draw) {
  const QRegion r = area.intersected(QRect(QPoint(0, 0), size_));
  if (r.isEmpty()) return;
  if (observer_) observer_->BeforePaint(*this, r.boundingRect());
  Materialise();
  draw(picture_);
  AddInk(r);
  for (const QRect& part : r) Damage(part);
}

void ImageLayer::MoveTo(QPoint position) {
  if (position == position_ && !parked_) return;
  DamageAll();
  position_ = position;
  parked_ = false;
  DamageAll();
}

void ImageLayer::Park() {
  if (parked_) return;
  DamageAll();
  parked_ = true;
  position_.setX(ParkedX);
}

void ImageLayer::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (visible_) DamageAll();
  visible_ = visible;
  DamageAll();
}

void ImageLayer::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  DamageAll();
}

void ImageLayer::SetKeyColour(QRgb key) {
  if (key == keyColour_) return;
  keyColour_ = key;
  DamageAll();
}

}  // namespace mosaicor
