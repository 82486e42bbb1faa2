// Selection frame, animation range outline, cutting into the clip and pasting the clip.

#include "canvas/ImageStack.h"
#include "graphics/RectCopy.h"
#include "graphics/RectDrawing.h"

void ImageStack::DrawSelection() {
  SelectionRect = DownRect.united(CursorRect);
  L6_Selection.Frame(SelectionRect, L6_Selection.FillColour());
}

void ImageStack::DrawRange() {
  QRect d = DownRect, c = CursorRect;
  if (d.top() == c.top()) {
    L6_Selection.SetFillColour(RangeColor);
    DrawSelection();
    return;
  }
  if (d.top() > c.top()) std::swap(d, c);  // d is now the upper end
  const int gl = GridRect.left(), gr = RightOf(GridRect);
  // From the upper end to the grid's right edge, from the grid's left edge to the lower end, and
  // what lies between: full rows, or for adjacent rows the overlap of the two ends' columns.
  const QRect r1 = RectLTRB(d.left(), d.top(), gr, c.top());
  const QRect r2 = RectLTRB(gl, BottomOf(d), RightOf(c), BottomOf(c));
  const QRect r3 = BottomOf(d) == c.top() ? RectLTRB(d.left(), d.top(), RightOf(c), BottomOf(c))
                                          : RectLTRB(gl, BottomOf(d), gr, c.top());
  for (const QRect& r : {r1, r2, r3}) L6_Selection.Fill(r, RangeColor);
  for (const QRect& r : {r1, r2, r3}) L6_Selection.Fill(r.adjusted(1, 1, -1, -1), ClearColor);
}

void ImageStack::CutSelection() {
  AnimRunning = false;
  QImage clip;
  if (!SelectionRect.isEmpty()) {
    // Whatever of the selection lies outside the picture stays black in the clip.
    clip = QImage(SelectionRect.size(), QImage::Format_ARGB32);
    clip.fill(ClearColor);
    if (!L1_Image.IsBlank()) CopyRect(clip, QPoint(0, 0), L1_Image.StoredPicture(), SelectionRect);
  }
  L4_Clip.SetPicture(clip);
  if (AutoExport && clipboard_) clipboard_->PutBitmap(clip);
  SetModeToIdle();
}

void ImageStack::PasteClip(MouseButton button, ShiftState shift) {
  if (button == MouseButton::Right) {
    SetModeToIdle();
    return;
  }
  // A parked clip is off the canvas (the pointer left it): there is nowhere to paste.
  if (!L4_Clip.IsParked() && !L4_Clip.IsBlank()) {
    const QRect target(L4_Clip.Position(), L4_Clip.PictureSize());
    const QImage& clip = L4_Clip.StoredPicture();
    L1_Image.Paint(target, [&](QImage& picture) { CopyRect(picture, target.topLeft(), clip, clip.rect()); });
  }
  if (!(shift & ssCtrl)) SetModeToIdle();
}
