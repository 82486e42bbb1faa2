// The animation preview. A range of several cells cycles on the picture itself, each cell taking
// the next frame at every tick; a range of one cell scrolls its two halves down one row per tick.
// A stop request only takes effect when the phase comes round to 0, so a preview always ends with
// the picture exactly as it was.

#include <algorithm>
#include <cstdlib>

#include "canvas/ImageStack.h"
#include "graphics/RectCopy.h"

namespace {

constexpr int ClassicInterval = 80;  // ms per frame
constexpr int ScrollInterval = 10;   // ms per row

}  // namespace

void ImageStack::StartAnimation() {
  // A range drawn while the last animation is still finishing: its cells go back where they were
  // before this one starts, so none is ever left out of place.
  if (AnimExists()) {
    PutAnimatedCellsBack();
    ReleaseAnimation();
  }
  if (DownCell < 0 || UpCell < 0) {  // no reading-order cells (FREE mode): nothing to play
    SetModeToIdle();
    return;
  }
  SetModeToAnim();
  animGeometry_ = Geometry();
  const QImage picture = L1_Image.IsBlank() ? L1_Image.PictureCopy() : L1_Image.StoredPicture();
  const QSize cell(animGeometry_.CellWidth, animGeometry_.CellHeight);
  AnimCell = BlankLike(picture, cell);
  AnimRowBuffer = QByteArray(std::max<qsizetype>(qsizetype(cell.width()) * 4, AnimCell.bytesPerLine()), '\0');
  AnimFirst = DownCell;
  AnimLast = UpCell;
  AnimPeriod = std::abs(AnimLast - AnimFirst) + 1;
  AnimCellRect = QRect(QPoint(0, 0), cell);
  AnimPhase = 0;
  AnimRunning = true;
  AnimInterval = ClassicInterval;
  animRun_ = CellRun(animGeometry_, AnimFirst, AnimLast);
  animArea_ = animRun_.Area();
  if (AnimFirst == AnimLast) {
    AnimPeriod = std::max(cell.height() / 2, 1);
    AnimInterval = ScrollInterval;
    SetModeToScroll();
    // A cell the picture does not wholly hold scrolls in AnimCell, which keeps its outside rows.
    const QRect rect = animRun_.RectAt(0);
    animScrollInWork_ = !picture.rect().contains(rect) || picture.depth() < 8;
    if (animScrollInWork_) CopyPixels(AnimCell, QPoint(0, 0), picture, rect);
  } else {
    animRun_.KeepPartialCells(picture);
  }
  if (View()) View()->SetTimerAnim(true, AnimInterval);
}

void ImageStack::ShiftCellsOnTimer() {
  if (!AnimExists() || (!AnimRunning && AnimPhase == 0)) {
    if (View()) View()->SetTimerAnim(false, AnimInterval);
    if (!AnimExists()) return;
    ReleaseAnimation();
    SetModeToIdle();
    return;
  }
  L1_Image.Paint(animArea_, [this](QImage& picture) {
    if (AnimFirst == AnimLast)
      RollScrollCell(picture, 1);
    else
      animRun_.Step(picture, AnimCell);
  });
  AnimPhase = (AnimPhase + 1) % std::max(AnimPeriod, 1);
}

void ImageStack::RollScrollCell(QImage& picture, int by) {
  const int h = animGeometry_.CellHeight;
  const int half = h / 2;  // with an odd height the middle row stays put, so the period holds
  const QRect cell = animRun_.RectAt(0);
  uchar* top;
  qsizetype stride, rowBytes;
  if (animScrollInWork_) {
    top = AnimCell.bits();
    stride = rowBytes = AnimCell.bytesPerLine();
  } else {
    if (!picture.rect().contains(cell) || picture.depth() < 8) return;  // the picture changed under us
    const int bytesPerPixel = picture.depth() / 8;
    stride = picture.bytesPerLine();
    rowBytes = qsizetype(cell.width()) * bytesPerPixel;
    top = picture.scanLine(cell.top()) + qsizetype(cell.left()) * bytesPerPixel;
  }
  if (AnimRowBuffer.size() < rowBytes) AnimRowBuffer.resize(rowBytes);
  uchar* spare = reinterpret_cast<uchar*>(AnimRowBuffer.data());
  RollRowsDown(top, stride, rowBytes, half, by, spare);
  RollRowsDown(top + (h - half) * stride, stride, rowBytes, half, by, spare);
  if (animScrollInWork_) CopyPixels(picture, cell.topLeft(), AnimCell, AnimCell.rect());
}

void ImageStack::PutAnimatedCellsBack() {
  if (AnimPhase != 0) {
    L1_Image.Paint(animArea_, [this](QImage& picture) {
      if (AnimFirst == AnimLast)
        RollScrollCell(picture, -AnimPhase);
      else
        animRun_.Unstep(picture, AnimCell, AnimPhase);
    });
  }
  AnimPhase = 0;
}

void ImageStack::StopAnimationNow() {
  AnimRunning = false;
  if (!AnimExists()) return;
  PutAnimatedCellsBack();
  ReleaseAnimation();
  if (View()) View()->SetTimerAnim(false, AnimInterval);
  if (Mode == ModeAnim || Mode == ModeScroll) SetModeToIdle();
}

void ImageStack::ReleaseAnimation() {
  AnimCell = QImage();
  AnimRowBuffer = QByteArray();
  animRun_ = CellRun();
  animArea_ = QRegion();
  animScrollInWork_ = false;
}
