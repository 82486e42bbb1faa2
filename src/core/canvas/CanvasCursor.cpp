#include "core/canvas/CanvasCursor.h"

#include <utility>

#include "core/canvas/CanvasGrid.h"
#include "core/canvas/CursorPictures.h"
#include "core/canvas/LayerStack.h"
#include "core/graphics/RectCopy.h"
#include "core/graphics/RectDrawing.h"

namespace mosaicor {

void CanvasCursor::EnterMode(CanvasMode mode) {
  struct Look {
    bool selection, clip, cursor;
  };
  static constexpr Look looks[] = {
      {false, false, true},   // Idle
      {true, false, false},   // Grab
      {false, true, true},    // Paste
      {true, false, false},   // Range
      {false, false, false},  // Anim
      {false, false, false},  // Scroll
      {false, false, true},   // Transform
  };
  mode_ = mode;
  const Look& look = looks[mode];
  layers_.L6_Selection().SetVisible(look.selection);
  layers_.L4_Clip().SetVisible(look.clip);
  layers_.L7_Cursor().SetVisible(look.cursor);
}

void CanvasCursor::SetModeToIdle() {
  EnterMode(ModeIdle);
  SetCursorToDefault();
}

void CanvasCursor::SetModeToGrab() {
  EnterMode(ModeGrab);
  layers_.L6_Selection().SetFillColour(layers_.Colours().SelectionColor);
}

void CanvasCursor::SetModeToPaste() {
  EnterMode(ModePaste);
  SetCursorToPaste();
}

void CanvasCursor::SetModeToRange() {
  EnterMode(ModeRange);
  layers_.L6_Selection().SetFillColour(layers_.Colours().RangeColor);
}

void CanvasCursor::SetModeToTransform() { EnterMode(ModeTransform); }

void CanvasCursor::SetPointer(FramePointer pointer) {
  pointer_ = pointer;
  if (CanvasView* view = layers_.View()) view->PointerChanged(pointer);
}

void CanvasCursor::SetCursorBox(CursorBox box) {
  cursorName_ = box;
  const QString picture = CursorNameForCell(grid_.CellWidth, box);
  if (!picture.isEmpty()) layers_.L7_Cursor().SetPicture(CursorPicture(picture));
}

void CanvasCursor::SetCursorToDefault() {
  layers_.L4_Clip().SetVisible(false);
  mode_ = ModeIdle;
  SetPointer(FramePointer::Default);
  SetCursorBox(CursorBox::Normal);
}

void CanvasCursor::SetCursorToPaste() {
  layers_.L4_Clip().SetVisible(true);
  mode_ = ModePaste;
  SetPointer(FramePointer::Move);
  DrawPasteCursor();
}

void CanvasCursor::DrawPasteCursor() {
  // Drawn on the layer rather than handed over as a picture, so the layer knows it is all black
  // but for the frame: a moving preview then costs its border, not its area.
  const QSize clip = layers_.L4_Clip().PictureSize();
  layers_.L7_Cursor().Blank(clip);
  layers_.L7_Cursor().Frame(QRect(QPoint(0, 0), clip), layers_.Colours().SelectionColor);
}

void CanvasCursor::SetTransformCursor(CursorBox box, FramePointer pointer) {
  layers_.L4_Clip().SetVisible(false);
  mode_ = ModeTransform;
  SetPointer(pointer);
  SetCursorBox(box);
}

void CanvasCursor::SetCursorToRotate() { SetTransformCursor(CursorBox::Rotate, FramePointer::Crosshair); }
void CanvasCursor::SetCursorToHFlip() { SetTransformCursor(CursorBox::HFlip, FramePointer::Crosshair); }
void CanvasCursor::SetCursorToVFlip() { SetTransformCursor(CursorBox::VFlip, FramePointer::Crosshair); }
void CanvasCursor::SetCursorToSwap() { SetTransformCursor(CursorBox::Swap, FramePointer::Drag); }
void CanvasCursor::SetCursorToShift() { SetTransformCursor(CursorBox::Hand, FramePointer::MultiDrag); }

QRect CanvasCursor::CellOfPoint(int x, int y, int* index) const {
  const GridGeometry g = grid_.Geometry();
  if (!grid_.GridLocked) {
    *index = -1;
    return g.FreeBox(QPoint(x, y));
  }
  const QPoint cell = g.CellAt(QPoint(x, y));
  *index = g.Index(cell);
  return g.CellRect(cell);
}

void CanvasCursor::TakeDownCell() { downRect_ = CellOfPoint(mouseX_, mouseY_, &downCell_); }

void CanvasCursor::TakeUpCell() { cursorRect_ = CellOfPoint(mouseX_, mouseY_, &upCell_); }

void CanvasCursor::FollowPointer(int x, int y) {
  mouseX_ = x;
  mouseY_ = y;
  const QPoint box = grid_.Geometry().CursorBoxAt(QPoint(x, y), layers_.PortSize(), grid_.GridLocked);
  layers_.L7_Cursor().MoveTo(box);
  layers_.L4_Clip().MoveTo(box);
  cursorRect_ = QRect(box, QSize(grid_.CellWidth, grid_.CellHeight));
  AutoScroll(box.x(), box.y());
  layers_.L6_Selection().Fill(layers_.PortRect(), layers_.Colours().ClearColor);
  layers_.L6_Selection().SetFillColour(layers_.Colours().SelectionColor);
  if (mode_ == ModeGrab) DrawSelection();
  if (mode_ == ModeRange) DrawRange();
}

void CanvasCursor::Park() {
  layers_.L7_Cursor().Park();
  layers_.L4_Clip().Park();
}

void CanvasCursor::AutoScroll(int left, int top) {
  CanvasView* view = layers_.View();
  if (!view || mode_ == ModeIdle || mode_ == ModeAnim || mode_ == ModeScroll) return;
  if (cursorName_ == CursorBox::Rotate || cursorName_ == CursorBox::HFlip || cursorName_ == CursorBox::VFlip) return;
  const QPoint position = view->ScrollPosition();
  const QSize client = view->ClientSize();
  // One axis: step back when the box nears the start of the visible area, on when it nears the end.
  auto step = [](int box, int p, int visible) {
    if (box < p + 16) p -= 6;
    if (box > p + visible - 16) p += 6;
    return p;
  };
  const QPoint next(step(left, position.x(), client.width() - grid_.CellWidth),
                    step(top, position.y(), client.height() - grid_.CellHeight));
  if (next != position) view->SetScrollPosition(next);
}

void CanvasCursor::DrawSelection() {
  selectionRect_ = downRect_.united(cursorRect_);
  layers_.L6_Selection().Frame(selectionRect_, layers_.L6_Selection().FillColour());
}

void CanvasCursor::DrawRange() {
  QRect d = downRect_, c = cursorRect_;
  const CanvasPalette& colours = layers_.Colours();
  if (d.top() == c.top()) {
    layers_.L6_Selection().SetFillColour(colours.RangeColor);
    DrawSelection();
    return;
  }
  if (d.top() > c.top()) std::swap(d, c);  // d is now the upper end
  const QRect grid = grid_.GridRect();
  const int gl = grid.left(), gr = RightOf(grid);
  // From the upper end to the grid's right edge, from the grid's left edge to the lower end, and
  // what lies between: full rows, or for adjacent rows the overlap of the two ends' columns.
  const QRect r1 = RectLTRB(d.left(), d.top(), gr, c.top());
  const QRect r2 = RectLTRB(gl, BottomOf(d), RightOf(c), BottomOf(c));
  const QRect r3 = BottomOf(d) == c.top() ? RectLTRB(d.left(), d.top(), RightOf(c), BottomOf(c))
                                          : RectLTRB(gl, BottomOf(d), gr, c.top());
  for (const QRect& r : {r1, r2, r3}) layers_.L6_Selection().Fill(r, colours.RangeColor);
  for (const QRect& r : {r1, r2, r3}) layers_.L6_Selection().Fill(r.adjusted(1, 1, -1, -1), colours.ClearColor);
}

void CanvasCursor::CutToClip() {
  QImage clip;
  if (!selectionRect_.isEmpty()) {
    // Whatever of the selection lies outside the picture stays black in the clip.
    clip = QImage(selectionRect_.size(), QImage::Format_ARGB32);
    clip.fill(layers_.Colours().ClearColor);
    const ImageLayer& image = layers_.L1_Image();
    if (!image.IsBlank()) CopyRect(clip, QPoint(0, 0), image.StoredPicture(), selectionRect_);
  }
  layers_.L4_Clip().SetPicture(clip);
  if (autoExport_ && layers_.View()) layers_.View()->ExportCut(clip);
  SetModeToIdle();
}

void CanvasCursor::PasteClip(MouseButton button, ShiftState shift) {
  if (button == MouseButton::Right) {
    SetModeToIdle();
    return;
  }
  // A parked clip is off the canvas (the pointer left it): there is nowhere to paste.
  const ImageLayer& clipLayer = layers_.L4_Clip();
  if (!clipLayer.IsParked() && !clipLayer.IsBlank()) {
    const QRect target(clipLayer.Position(), clipLayer.PictureSize());
    const QImage& clip = clipLayer.StoredPicture();
    layers_.L1_Image().Paint(target, [&](QImage& picture) { CopyRect(picture, target.topLeft(), clip, clip.rect()); });
  }
  if (!(shift & ssCtrl)) SetModeToIdle();
}

}  // namespace mosaicor
