// The tile transforms of the Transform mode: the five cursors that choose one, and the transforms
// a mouse release runs: quarter turn, horizontal and vertical flip of the pressed tile, swapping
// the pressed and released tiles, and shifting the pressed tile to the released place along the
// run of tiles between them.

#include <utility>

#include "canvas/CursorPictures.h"
#include "canvas/ImageStack.h"
#include "graphics/RectCopy.h"

void ImageStack::SetTransformCursor(CursorBox box, FramePointer pointer) {
  L4_Clip.SetVisible(false);
  Mode = ModeTransform;
  SetPointer(pointer);
  CursorName = box;
  const QString picture = CursorNameForCell(CellWidth, box);
  if (!picture.isEmpty()) L7_Cursor.SetPicture(CursorPicture(picture));
}

void ImageStack::SetCursorToRotate() { SetTransformCursor(CursorBox::Rotate, FramePointer::Crosshair); }
void ImageStack::SetCursorToHFlip() { SetTransformCursor(CursorBox::HFlip, FramePointer::Crosshair); }
void ImageStack::SetCursorToVFlip() { SetTransformCursor(CursorBox::VFlip, FramePointer::Crosshair); }
void ImageStack::SetCursorToSwap() { SetTransformCursor(CursorBox::Swap, FramePointer::Drag); }
void ImageStack::SetCursorToShift() { SetTransformCursor(CursorBox::Hand, FramePointer::MultiDrag); }

void ImageStack::ApplyTransform() {
  static const std::pair<CursorBox, void (ImageStack::*)()> transforms[] = {
      {CursorBox::Rotate, &ImageStack::RotateCell}, {CursorBox::HFlip, &ImageStack::HFlipCell},
      {CursorBox::VFlip, &ImageStack::VFlipCell},   {CursorBox::Swap, &ImageStack::SwapCells},
      {CursorBox::Hand, &ImageStack::ShiftCells},
  };
  for (const auto& [box, transform] : transforms)
    if (CursorName == box) (this->*transform)();
}

namespace {

// The pressed tile's rectangle of the picture as a cell-sized 32-bit picture; whatever of it lies
// outside the picture is black.
QImage TileOf(const ImageLayer& image, const QRect& rect, QSize cell) {
  QImage tile(cell, QImage::Format_ARGB32);
  tile.fill(CanvasColours::Clear);
  if (!image.IsBlank()) CopyRect(tile, QPoint(0, 0), image.StoredPicture(), rect);
  return tile;
}

QPoint RotatedPosition(int /*x*/, int /*y*/, int i, int w, int h) { return QPoint((w - 1) - i / h, i % h); }
QPoint HFlippedPosition(int x, int y, int /*i*/, int w, int /*h*/) { return QPoint(w - 1 - x, y); }
QPoint VFlippedPosition(int x, int y, int /*i*/, int /*w*/, int h) { return QPoint(x, h - 1 - y); }

}  // namespace

void ImageStack::TransformCell(QPoint (*destination)(int x, int y, int i, int w, int h)) {
  const int w = std::max(CellWidth, 1), h = std::max(CellHeight, 1);
  L4_Clip.MoveTo(QPoint(0, 0));
  QImage clip = TileOf(L1_Image, DownRect, QSize(w, h));
  const QImage before = clip.copy();
  // Whole pixels move, alpha with the colour, so turning a tile round gives it back exactly.
  for (int i = 0; i < w * h; ++i) {
    const int x = i % w, y = i / w;
    const QPoint to = destination(x, y, i, w, h);
    if (clip.valid(to)) clip.setPixel(to, before.pixel(x, y));
  }
  L4_Clip.SetPicture(clip);
  const QRect target = DownRect;
  L1_Image.Paint(target, [&](QImage& picture) { CopyRect(picture, target.topLeft(), clip, clip.rect()); });
}

void ImageStack::RotateCell() { TransformCell(RotatedPosition); }
void ImageStack::HFlipCell() { TransformCell(HFlippedPosition); }
void ImageStack::VFlipCell() { TransformCell(VFlippedPosition); }

void ImageStack::SwapCells() {
  const QSize cell(std::max(CellWidth, 1), std::max(CellHeight, 1));
  L4_Clip.MoveTo(QPoint(0, 0));
  if (DownCell == UpCell) {  // over the pressed tile, or FREE mode: nothing to swap
    L4_Clip.SetPictureSize(cell);
    return;
  }
  const QImage pressed = TileOf(L1_Image, DownRect, cell);
  L4_Clip.SetPicture(pressed);
  const QRect from = DownRect, to = CursorRect;
  L1_Image.Paint(QRegion(from) + to, [&](QImage& picture) {
    CopyRect(picture, from.topLeft(), picture, to);
    CopyRect(picture, to.topLeft(), pressed, pressed.rect());
  });
}

void ImageStack::ShiftCells() {
  const int a = DownCell, b = UpCell;
  if (a == b || a < 0 || b < 0) return;  // one tile, or FREE mode: nothing moves
  CellRun run(Geometry(), a, b);
  L1_Image.Paint(run.Area() + CursorRect, [&](QImage& picture) {
    QImage spare = BlankLike(picture, QSize(std::max(CellWidth, 1), std::max(CellHeight, 1)));
    run.Step(picture, spare, CursorRect);
  });
}
