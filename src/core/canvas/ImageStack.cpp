#include "core/canvas/ImageStack.h"

#include <algorithm>
#include <utility>

#include "core/canvas/TileTransforms.h"
#include "core/graphics/RectCopy.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

void ImageStack::InitStack(int width, int height) {
  layers_.Reset(width, height);
  layers_.SetPort(QSize(width, height));
  grid_.InitGrid(kSetCellSide, kSetCellSide);
  if (CanvasView* view = layers_.View()) view->AcceptDrops();
  cursor_.Reset();
  animation_.AnimRunning = false;
}

void ImageStack::UpdateStack() {
  ImageLayer& image = layers_.L1_Image();
  const QSize size = image.PictureSize();
  layers_.SizeLayers(size.width(), size.height());
  layers_.SetPort(size);
}

void ImageStack::UpdateImagePort(int width, int height) { layers_.SetPort(QSize(width, height)); }

void ImageStack::MouseIsOnMove(ShiftState /*shift*/, int x, int y) { cursor_.FollowPointer(x, y); }

void ImageStack::MouseIsDown(MouseButton button, ShiftState shift, int x, int y) {
  cursor_.TakeMouse(x, y);
  cursor_.TakeDownCell();
  if (!grid_.GridLocked) button = MouseButton::Left;  // FREE mode has no right-button functions
  switch (cursor_.Mode()) {
    case ModeIdle:
      if (button == MouseButton::Left) {
        cursor_.SetSelectionRect(cursor_.DownRect());
        CutSelection();
        cursor_.SetModeToGrab();
        cursor_.DrawSelection();
      } else if (button == MouseButton::Right) {
        cursor_.SetModeToRange();
        cursor_.DrawRange();
      }
      break;
    case ModePaste:
      cursor_.PasteClip(button, shift);
      break;
    case ModeAnim:
    case ModeScroll:
      if (button == MouseButton::Right) animation_.AnimRunning = false;
      break;
    case ModeTransform:
      if (button == MouseButton::Right) cursor_.SetModeToIdle();
      break;
    default:
      break;
  }
}

void ImageStack::MouseIsUp(MouseButton /*button*/, ShiftState /*shift*/, int x, int y) {
  cursor_.TakeMouse(x, y);
  cursor_.TakeUpCell();
  switch (cursor_.Mode()) {
    case ModeTransform:
      ApplyTransform();
      break;
    case ModeGrab:
      CutSelection();
      break;
    case ModeRange:
      StartAnimation();
      break;
    default:
      break;
  }
}

void ImageStack::CutSelection() {
  animation_.AnimRunning = false;
  cursor_.CutToClip();
}

void ImageStack::MouseIsDoubleClick() { grid_.ToggleLockAt(QPoint(cursor_.MouseX(), cursor_.MouseY())); }

void ImageStack::StartAnimation() { StartAnimation(cursor_.DownCell(), cursor_.UpCell()); }

void ImageStack::StartAnimation(int first, int last) {
  // A range drawn while the last animation is still finishing: its cells go back where they were
  // before this one starts, so none is ever left out of place.
  animation_.PutCellsBack();
  if (first < 0 || last < 0) {  // no reading-order cells (FREE mode): nothing to play
    cursor_.SetModeToIdle();
    return;
  }
  animation_.Start(grid_.Geometry(), first, last);
  cursor_.EnterMode(animation_.Scrolls() ? ModeScroll : ModeAnim);
}

void ImageStack::ShiftCellsOnTimer() {
  if (animation_.Tick()) cursor_.SetModeToIdle();
}

void ImageStack::StopAnimationNow() {
  if (animation_.StopNow() && (cursor_.Mode() == ModeAnim || cursor_.Mode() == ModeScroll)) cursor_.SetModeToIdle();
}

void ImageStack::ApplyTransform() {
  static const std::pair<CursorBox, void (ImageStack::*)()> transforms[] = {
      {CursorBox::Rotate, &ImageStack::RotateCell}, {CursorBox::HFlip, &ImageStack::HFlipCell},
      {CursorBox::VFlip, &ImageStack::VFlipCell},   {CursorBox::Swap, &ImageStack::SwapCells},
      {CursorBox::Hand, &ImageStack::ShiftCells},
  };
  for (const auto& [box, transform] : transforms)
    if (cursor_.CursorName() == box) (this->*transform)();
}

QSize ImageStack::CellSize() const { return QSize(std::max(grid_.CellWidth, 1), std::max(grid_.CellHeight, 1)); }

// The pressed tile, transformed, shows on the clip layer at the port's origin and goes back in
// its place on the picture.
void ImageStack::TransformCell(QImage (*transform)(const QImage& tile)) {
  layers_.L4_Clip().MoveTo(QPoint(0, 0));
  const QImage clip = transform(TileOf(layers_.L1_Image().StoredPicture(), cursor_.DownRect(), CellSize()));
  layers_.L4_Clip().SetPicture(clip);
  const QRect target = cursor_.DownRect();
  layers_.L1_Image().Paint(target, [&](QImage& picture) { CopyRect(picture, target.topLeft(), clip, clip.rect()); });
}

void ImageStack::RotateCell() { TransformCell(RotatedTile); }
void ImageStack::HFlipCell() { TransformCell(HFlippedTile); }
void ImageStack::VFlipCell() { TransformCell(VFlippedTile); }

void ImageStack::SwapCells() {
  layers_.L4_Clip().MoveTo(QPoint(0, 0));
  if (cursor_.DownCell() == cursor_.UpCell()) {  // over the pressed tile, or FREE mode: nothing to swap
    layers_.L4_Clip().SetPictureSize(CellSize());
    return;
  }
  const QImage pressed = TileOf(layers_.L1_Image().StoredPicture(), cursor_.DownRect(), CellSize());
  layers_.L4_Clip().SetPicture(pressed);
  const QRect from = cursor_.DownRect(), to = cursor_.CursorRect();
  layers_.L1_Image().Paint(QRegion(from) + to, [&](QImage& picture) { SwapTiles(picture, from, to, pressed); });
}

void ImageStack::ShiftCells() {
  const int a = cursor_.DownCell(), b = cursor_.UpCell();
  if (a == b || a < 0 || b < 0) return;  // one tile, or FREE mode: nothing moves
  CellRun run(grid_.Geometry(), a, b);
  const QRect to = cursor_.CursorRect();
  layers_.L1_Image().Paint(run.Area() + to, [&](QImage& picture) { ShiftTiles(picture, run, to); });
}

}  // namespace mosaicor
