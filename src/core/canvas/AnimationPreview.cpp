#include "core/canvas/AnimationPreview.h"

#include <algorithm>
#include <cstdlib>

#include "core/canvas/LayerStack.h"
#include "core/graphics/RectCopy.h"

namespace mosaicor {

namespace {

constexpr int ClassicInterval = 80;  // ms per frame
constexpr int ScrollInterval = 10;   // ms per row

}  // namespace

void AnimationPreview::Start(const GridGeometry& grid, int first, int last) {
  PutCellsBack();
  geometry_ = grid;
  const ImageLayer& image = layers_.L1_Image();
  const QImage picture = image.IsBlank() ? image.PictureCopy() : image.StoredPicture();
  const QSize cell(geometry_.CellWidth, geometry_.CellHeight);
  cell_ = BlankLike(picture, cell);
  rowBuffer_ = QByteArray(std::max<qsizetype>(qsizetype(cell.width()) * 4, cell_.bytesPerLine()), '\0');
  first_ = first;
  last_ = last;
  period_ = std::abs(last_ - first_) + 1;
  cellRect_ = QRect(QPoint(0, 0), cell);
  phase_ = 0;
  AnimRunning = true;
  interval_ = ClassicInterval;
  run_ = CellRun(geometry_, first_, last_);
  area_ = run_.Area();
  if (Scrolls()) {
    period_ = std::max(cell.height() / 2, 1);
    interval_ = ScrollInterval;
    // A cell the picture does not wholly hold scrolls in cell_, which keeps its outside rows.
    const QRect rect = run_.RectAt(0);
    scrollInWork_ = !picture.rect().contains(rect) || picture.depth() < 8;
    if (scrollInWork_) CopyPixels(cell_, QPoint(0, 0), picture, rect);
  } else {
    run_.KeepPartialCells(picture);
  }
  SetTimer(true);
}

bool AnimationPreview::Tick() {
  if (!AnimExists() || (!AnimRunning && phase_ == 0)) {
    SetTimer(false);
    if (!AnimExists()) return false;
    Release();
    return true;
  }
  layers_.L1_Image().Paint(area_, [this](QImage& picture) {
    if (Scrolls())
      RollScrollCell(picture, 1);
    else
      run_.Step(picture, cell_);
  });
  phase_ = (phase_ + 1) % std::max(period_, 1);
  return false;
}

void AnimationPreview::RollScrollCell(QImage& picture, int by) {
  const int h = geometry_.CellHeight;
  const int half = h / 2;  // with an odd height the middle row stays put, so the period holds
  const QRect cell = run_.RectAt(0);
  uchar* top;
  qsizetype stride, rowBytes;
  if (scrollInWork_) {
    top = cell_.bits();
    stride = rowBytes = cell_.bytesPerLine();
  } else {
    if (!picture.rect().contains(cell) || picture.depth() < 8) return;  // the picture changed under us
    const int bytesPerPixel = picture.depth() / 8;
    stride = picture.bytesPerLine();
    rowBytes = qsizetype(cell.width()) * bytesPerPixel;
    top = picture.scanLine(cell.top()) + qsizetype(cell.left()) * bytesPerPixel;
  }
  if (rowBuffer_.size() < rowBytes) rowBuffer_.resize(rowBytes);
  uchar* spare = reinterpret_cast<uchar*>(rowBuffer_.data());
  RollRowsDown(top, stride, rowBytes, half, by, spare);
  RollRowsDown(top + (h - half) * stride, stride, rowBytes, half, by, spare);
  if (scrollInWork_) CopyPixels(picture, cell.topLeft(), cell_, cell_.rect());
}

void AnimationPreview::UndoSteps() {
  if (phase_ != 0) {
    layers_.L1_Image().Paint(area_, [this](QImage& picture) {
      if (Scrolls())
        RollScrollCell(picture, -phase_);
      else
        run_.Unstep(picture, cell_, phase_);
    });
  }
  phase_ = 0;
}

void AnimationPreview::PutCellsBack() {
  if (!AnimExists()) return;
  UndoSteps();
  Release();
}

bool AnimationPreview::StopNow() {
  AnimRunning = false;
  if (!AnimExists()) return false;
  PutCellsBack();
  SetTimer(false);
  return true;
}

void AnimationPreview::SetSpeed(int factor) {
  speed_ = std::clamp(factor, 1, 4);
  if (AnimExists()) SetTimer(true);
}

void AnimationPreview::SetTimer(bool enabled) {
  if (CanvasView* view = layers_.View()) view->SetTimerAnim(enabled, interval_ * speed_);
}

void AnimationPreview::Release() {
  cell_ = QImage();
  rowBuffer_ = QByteArray();
  run_ = CellRun();
  area_ = QRegion();
  scrollInWork_ = false;
}

}  // namespace mosaicor
