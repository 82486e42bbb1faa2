// Mouse handling of the canvas model: the cursor box that follows the pointer, presses and
// releases by mode, the double click that switches grid modes, and automatic scrolling.

#include "canvas/ImageStack.h"

QRect ImageStack::CellOfPoint(int x, int y, int* index) const {
  const GridGeometry g = Geometry();
  if (!GridLocked) {
    *index = -1;
    return g.FreeBox(QPoint(x, y));
  }
  const QPoint cell = g.CellAt(QPoint(x, y));
  *index = g.Index(cell);
  return g.CellRect(cell);
}

void ImageStack::TakeDownCell() { DownRect = CellOfPoint(MouseX, MouseY, &DownCell); }

void ImageStack::TakeUpCell() { CursorRect = CellOfPoint(MouseX, MouseY, &UpCell); }

void ImageStack::MouseIsOnMove(ShiftState /*shift*/, int x, int y) {
  MouseX = x;
  MouseY = y;
  const QPoint box = Geometry().CursorBoxAt(QPoint(x, y), port_, GridLocked);
  L7_Cursor.MoveTo(box);
  L4_Clip.MoveTo(box);
  CursorRect = QRect(box, QSize(CellWidth, CellHeight));
  AutoScroll(box.x(), box.y());
  L6_Selection.Fill(PortRect(), ClearColor);
  L6_Selection.SetFillColour(SelectionColor);
  if (Mode == ModeGrab) DrawSelection();
  if (Mode == ModeRange) DrawRange();
}

void ImageStack::MouseIsDown(MouseButton button, ShiftState shift, int x, int y) {
  MouseX = x;
  MouseY = y;
  TakeDownCell();
  if (!GridLocked) button = MouseButton::Left;  // FREE mode has no right-button functions
  switch (Mode) {
    case ModeIdle:
      if (button == MouseButton::Left) {
        SelectionRect = DownRect;
        CutSelection();
        SetModeToGrab();
        DrawSelection();
      } else if (button == MouseButton::Right) {
        SetModeToRange();
        DrawRange();
      }
      break;
    case ModePaste:
      PasteClip(button, shift);
      break;
    case ModeAnim:
    case ModeScroll:
      if (button == MouseButton::Right) AnimRunning = false;
      break;
    case ModeTransform:
      if (button == MouseButton::Right) SetModeToIdle();
      break;
    default:
      break;
  }
}

void ImageStack::MouseIsUp(MouseButton /*button*/, ShiftState /*shift*/, int x, int y) {
  MouseX = x;
  MouseY = y;
  TakeUpCell();
  switch (Mode) {
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

void ImageStack::MouseIsDoubleClick() {
  const QPoint offset = Geometry().OffsetAlignedTo(QPoint(MouseX, MouseY));
  GridOffsetX = offset.x();
  GridOffsetY = offset.y();
  GridLocked = !GridLocked;
  if (GridLocked) UpdateGrid();
  L5_Grid.SetVisible(GridLocked);
}

void ImageStack::HandleMouseLeave() {
  L7_Cursor.Park();
  L4_Clip.Park();
}

void ImageStack::AutoScroll(int left, int top) {
  if (!view_ || Mode == ModeIdle || Mode == ModeAnim || Mode == ModeScroll) return;
  if (CursorName == CursorBox::Rotate || CursorName == CursorBox::HFlip || CursorName == CursorBox::VFlip) return;
  const QPoint position = view_->ScrollPosition();
  const QSize client = view_->ClientSize();
  // One axis: step back when the box nears the start of the visible area, on when it nears the end.
  auto step = [](int box, int p, int visible) {
    if (box < p + 16) p -= 6;
    if (box > p + visible - 16) p += 6;
    return p;
  };
  const QPoint next(step(left, position.x(), client.width() - CellWidth),
                    step(top, position.y(), client.height() - CellHeight));
  if (next != position) view_->SetScrollPosition(next);
  view_->RepaintNow();
}
