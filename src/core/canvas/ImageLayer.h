#pragma once
// One image layer of a canvas: a picture shown at a position inside the port, with visibility,
// a transparent key colour, auto-size and a fill colour. A layer whose pixels are all black
// keeps no pixels at all until something is drawn on it, and it remembers where it was drawn on
// since that was last cleared (its ink), so clearing and composing touch only that area. Drawing
// layers may keep their picture as Indexed8 (a handful of colours), a quarter of the memory.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <functional>

#include "core/canvas/CanvasTypes.h"

namespace mosaicor {

// Told the port rectangles whose look a layer changed.
class LayerDamageSink {
 public:
  virtual ~LayerDamageSink() = default;
  virtual void LayerDamaged(const QRect& portRect) = 0;
};

// Told of every change about to be drawn on a layer's pixels, before it happens, so that the
// pixels there can be kept (the Target's edit history).
class ImageLayer;
class PaintObserver {
 public:
  virtual ~PaintObserver() = default;
  virtual void BeforePaint(const ImageLayer& layer, const QRect& pictureRect) = 0;
};

enum class LayerForm { Argb32, Indexed8 };

class ImageLayer {
 public:
  ImageLayer(QString name, LayerForm form, LayerDamageSink* damage = nullptr);
  ImageLayer(const ImageLayer&) = delete;
  ImageLayer& operator=(const ImageLayer&) = delete;

  const QString& Name() const { return name_; }

  // --- picture ---
  QSize PictureSize() const { return size_; }
  int Width() const { return size_.width(); }
  int Height() const { return size_.height(); }
  // True while no pixels are stored: the whole picture is black.
  bool IsBlank() const { return picture_.isNull(); }
  // The pixels, or a null picture while blank. Reading only.
  const QImage& StoredPicture() const { return picture_; }
  // The picture for writing by the host (loaders write straight into the image layer). Marks all
  // of it as drawn on and repaints it, at every call.
  QImage& EditPicture();
  // A copy of the picture, also while blank.
  QImage PictureCopy() const;
  // Replaces the picture by a copy of the given one (any size and format).
  void SetPicture(const QImage& picture);
  // Resizes the picture, keeping pixels at their coordinates; added area takes FillColour(), or
  // the `fill` its owner gives.
  void SetPictureSize(QSize size) { SetPictureSize(size, fillColour_); }
  void SetPictureSize(QSize size, QRgb fill);
  QRgb PixelAt(int x, int y) const;
  // Where (picture coordinates) pixels may differ from black, and the bounds of that.
  const QRegion& Ink() const { return ink_; }
  QRect InkBounds() const { return ink_.boundingRect(); }
  // Makes the picture all black at the given size, keeping no pixels.
  void Blank(QSize size);

  // --- drawing, picture coordinates, clipped to the picture ---
  void Fill(const QRect& rect, QRgb colour);
  void Frame(const QRect& rect, QRgb colour);
  // Runs a drawing function on the (materialised) picture; `area` bounds what it changes.
  void Paint(const QRect& area, const std::function<void(QImage&)>& draw) { Paint(QRegion(area), draw); }
  void Paint(const QRegion& area, const std::function<void(QImage&)>& draw);

  // --- placement and look ---
  QPoint Position() const { return position_; }
  void MoveTo(QPoint position);
  // Takes the layer off the port without changing its visibility flag; MoveTo brings it back.
  void Park();
  bool IsParked() const { return parked_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Shown on the port: visible and not parked.
  bool Shown() const { return visible_ && !parked_; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  QRgb KeyColour() const { return keyColour_; }
  void SetKeyColour(QRgb key);
  QRgb FillColour() const { return fillColour_; }
  void SetFillColour(QRgb colour) { fillColour_ = colour; }
  // Alignment and sizing flags as the frame sets them up; the picture is always drawn unstretched
  // from the layer's position and clipped to the port.
  bool FillsPort = false;
  bool AutoSize = false;

  // The port rectangle the layer covers (its picture at its position).
  QRect PortRect() const { return QRect(position_, size_); }
  // Every Paint is reported to the observer first; null for none.
  void SetPaintObserver(PaintObserver* observer) { observer_ = observer; }

  // The memory its pixels take.
  qsizetype PictureBytes() const { return picture_.sizeInBytes(); }

 private:
  void Materialise();
  void AddInk(const QRegion& area);
  void Damage(const QRect& pictureRect);
  void DamageAll() { Damage(QRect(QPoint(0, 0), size_)); }

  QString name_;
  LayerForm form_;
  LayerDamageSink* damage_;
  PaintObserver* observer_ = nullptr;
  QImage picture_;
  QSize size_{0, 0};
  QRegion ink_;
  QPoint position_{0, 0};
  bool parked_ = false;
  bool visible_ = false;
  bool transparent_ = false;
  QRgb keyColour_ = CanvasColours::Clear;
  QRgb fillColour_ = CanvasColours::Clear;
};

}  // namespace mosaicor
